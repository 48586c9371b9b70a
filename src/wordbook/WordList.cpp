#include "wordbook/WordList.h"

#include "lib/ULib.h"

#include <algorithm>
#include <numeric>
#include <vector>

WordField FieldOfColumn(int column, bool foreignFirst)
{
    switch (column) {
    case 0: return foreignFirst ? WordField::Foreign : WordField::Japanese;
    case 1: return WordField::Number;
    case 2: return WordField::Phonetic;
    case 3: return WordField::Kana;
    case 4: return foreignFirst ? WordField::Japanese : WordField::Foreign;
    case 5: return WordField::Notes;
    default: return WordField::Reserve;
    }
}

QString FieldText(const WordEntry &entry, WordField field, qsizetype row)
{
    switch (field) {
    case WordField::Foreign: return entry.Foreign;
    case WordField::Number: return QString::number(row + 1);
    case WordField::Phonetic: return entry.Phonetic;
    case WordField::Kana: return entry.Kana;
    case WordField::Japanese: return entry.Japanese;
    case WordField::Notes: return entry.Notes;
    case WordField::Reserve: return entry.Reserve;
    }
    return {};
}

QString PhoneticCaption(QuestionType type)
{
    switch (type) {
    case QuestionType::B: return QStringLiteral("問題文");
    case QuestionType::C: return QStringLiteral("指示文");
    default: return QStringLiteral("発音記号");
    }
}

int BoundColumnWidth(int column, int width)
{
    struct Limits {
        int defaultWidth, minimum, maximum;
    };
    static constexpr Limits limits[6] = {{150, 80, 500}, {60, 40, 80},   {120, 80, 500},
                                         {120, 80, 500}, {150, 80, 500}, {200, 40, 800}};
    if (column < 0 || column > 5)
        return width;
    const Limits &l = limits[column];
    return width >= l.minimum && width <= l.maximum ? width : l.defaultWidth;
}

void SortEntries(WordEntries &entries, WordField field, int direction)
{
    entries.Reorder(SortOrder(entries, field, direction));
}

std::vector<qsizetype> SortOrder(const WordEntries &entries, WordField field, int direction)
{
    // Only the sorted field is read from each word; the words themselves are reordered, so
    // words read from the file stay lines (and are written back as they were read).
    const int index = field == WordField::Foreign    ? 0
                      : field == WordField::Phonetic ? 1
                      : field == WordField::Kana     ? 2
                      : field == WordField::Japanese ? 3
                      : field == WordField::Notes    ? 4
                                                     : 5;
    const qsizetype n = entries.size();
    std::vector<QString> keys(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        keys[std::size_t(i)] = entries.FieldAt(i, index);
        if (field == WordField::Foreign)
            keys[std::size_t(i)] = keys[std::size_t(i)].toLower();
    }
    std::vector<qsizetype> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int compared = QStringView(keys[std::size_t(a)]).compare(keys[std::size_t(b)], Qt::CaseSensitive);
        return compared * direction < 0;
    });
    return order;
}

qsizetype MoveEntry(WordEntries &entries, qsizetype from, qsizetype before)
{
    const WordEntry word = entries.at(from - 1);
    entries.insert(before - 1, word);
    const qsizetype original = before <= from ? from : from - 1;  // 0-based, after the insert
    entries.removeAt(original);
    return before <= from ? before : before - 1;
}

QList<qsizetype> MoveTargets(qsizetype k, qsizetype n)
{
    QList<qsizetype> targets;
    for (qsizetype t = 1; t <= n; ++t) {
        if (t != k && t != k + 1)
            targets.append(t);
    }
    return targets;
}

TakeOverTexts TakeOver(const WordEntry &entry, QuestionType type, bool kanaMode)
{
    const QString phonetic = type == QuestionType::W ? entry.Phonetic : QString();
    return {kanaMode ? entry.Kana : phonetic, ULib::MarkersToBreaks(entry.Foreign)};
}

QString FitText(const QString &text, int room, const std::function<int(const QString &)> &width)
{
    // A cell shows at most a few characters per pixel: a longer text (a field of a megabyte
    // pasted into a book) is measured only as far as that, so that drawing it stays quick.
    const qsizetype limit = qMax<qsizetype>(256, qsizetype(room) * 8);
    if (text.size() <= limit && width(text) < room)
        return text;
    static const QString dots = QStringLiteral("...");
    // The longest beginning that fits with "..." after it: widths grow with the length, so
    // the length is found by halving instead of by dropping one character at a time.
    qsizetype fits = 0, tooLong = qMin(text.size(), limit) + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (width(text.left(middle) + dots) > room)
            tooLong = middle;
        else
            fits = middle;
    }
    return text.left(fits) + dots;
}
