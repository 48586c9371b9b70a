// Flash-card text of outside bytes: whatever rows the reader takes, every line it names lies
// in the text, and the words they give, written as TSV and read again, come back the same.
#include "FuzzSupport.h"
#include "wordbook/FlashCardText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Bytes(data, size);
    const std::optional<CardTable> table = ReadCardText(bytes);
    if (!table)
        return 0;
    const int lines = int(bytes.count('\n') + bytes.count('\r')) + 1;
    for (int line : table->rowLines)
        FUZZ_CHECK(line >= 1 && line <= lines);
    for (const CardProblem &problem : table->problems)
        FUZZ_CHECK(problem.line >= 1 && problem.line <= lines);

    const QStringList names{"英語", "発音記号", "発音カナ", "日本語", "備考"};
    const CardWords words = CardRowsToWords(*table, GuessCardColumns(*table, names), names.first());
    const std::optional<CardTable> again = ReadCardText(FlashCardTsv(words.entries, names, names.first()));
    FUZZ_CHECK(again && again->problems.isEmpty() && again->columnNames == names);
    const CardWords wordsAgain = CardRowsToWords(*again, GuessCardColumns(*again, names), names.first());
    FUZZ_CHECK(wordsAgain.problems.isEmpty());
    FUZZ_CHECK(wordsAgain.entries == words.entries);
    return 0;
}
