// One word line of outside text: splitting it, parsing it, a single field, and the text
// helpers of the format. The escape and the line-break markers round-trip.
#include "FuzzSupport.h"
#include "lib/ULib.h"
#include "wordbook/WordBookFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = Units(data, size);
    const QStringList fields = SplitWordLine(line);
    WordEntry entry;
    const bool parsed = ParseWordLine(line, entry);
    FUZZ_CHECK(parsed == (fields.size() == 6 || fields.size() == 7));
    if (parsed)
        FUZZ_CHECK(WordLineField(line, 0) == entry.Foreign && WordLineField(line, 4) == entry.Notes);
    const std::optional<StoredField> stored = StoredWordLineField(line, 3);
    FUZZ_CHECK(stored.has_value() == (fields.size() >= 6));

    // A text that does not hold the escape itself comes back from escaping unchanged.
    if (!line.contains(QStringLiteral("#$22")))
        FUZZ_CHECK(ULib::UnescapeQuotes(ULib::EscapeQuotes(line)) == line);
    // Every CR LF survives the markers.
    const QString back = ULib::MarkersToBreaks(ULib::BreaksToMarkers(line));
    FUZZ_CHECK(back.count(QStringLiteral("\r\n")) >= line.count(QStringLiteral("\r\n")));
    return 0;
}
