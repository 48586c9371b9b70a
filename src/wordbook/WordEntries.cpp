#include "wordbook/WordEntries.h"

#include "wordbook/WordBookFile.h"

WordEntries::WordEntries(std::initializer_list<WordEntry> entries)
{
    for (const WordEntry &entry : entries)
        append(entry);
}

WordEntries::WordEntries(const QList<WordEntry> &entries)
{
    for (const WordEntry &entry : entries)
        append(entry);
}

WordEntries WordEntries::FromText(QString text)
{
    WordEntries entries;
    entries.text_ = std::move(text);
    return entries;
}

WordEntries::Item WordEntries::Own(WordEntry entry)
{
    owned_.push_back(std::move(entry));
    return {0, 0, qsizetype(owned_.size()) - 1};
}

WordEntry WordEntries::at(qsizetype index) const
{
    const Item &item = items_[std::size_t(index)];
    if (item.owned >= 0)
        return owned_[std::size_t(item.owned)];
    WordEntry entry;
    ParseWordLine(QStringView(text_).mid(item.start, item.length), entry);
    return entry;
}

QList<WordEntry> WordEntries::ToList() const
{
    QList<WordEntry> list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list.append(at(i));
    return list;
}

void WordEntries::append(WordEntry entry)
{
    items_.push_back(Own(std::move(entry)));
}

void WordEntries::ShiftKeptLines(qsizetype index, qsizetype by)
{
    // A line before the word at index stays before whatever word comes to stand there; the
    // lines after it move with their words.
    for (KeptLine &line : kept_) {
        if (line.before > index)
            line.before += by;
    }
}

void WordEntries::insert(qsizetype index, WordEntry entry)
{
    ShiftKeptLines(index, 1);
    items_.insert(items_.begin() + index, Own(std::move(entry)));
}

void WordEntries::replace(qsizetype index, WordEntry entry)
{
    Item &item = items_[std::size_t(index)];
    if (item.owned >= 0)
        owned_[std::size_t(item.owned)] = std::move(entry);
    else
        item = Own(std::move(entry));
}

void WordEntries::removeAt(qsizetype index)
{
    ShiftKeptLines(index, -1);
    items_.erase(items_.begin() + index);
}

void WordEntries::move(qsizetype from, qsizetype to)
{
    if (from == to)
        return;
    const Item item = items_[std::size_t(from)];
    ShiftKeptLines(from, -1);
    items_.erase(items_.begin() + from);
    ShiftKeptLines(to, 1);
    items_.insert(items_.begin() + to, item);
}

WordEntries::Held WordEntries::HeldAt(qsizetype index) const
{
    const Item &item = items_[std::size_t(index)];
    if (item.owned >= 0)
        return {owned_[std::size_t(item.owned)], 0, 0, false, -1};
    return {std::nullopt, item.start, item.length, item.owned == kCanonical, -1};
}

WordEntries::Item WordEntries::ItemOf(const Held &held)
{
    if (held.word)
        return Own(*held.word);
    return {held.start, held.length, held.canonical ? kCanonical : kLine};
}

void WordEntries::SetHeld(qsizetype index, const Held &held)
{
    items_[std::size_t(index)] = ItemOf(held);
}

WordEntries::Held WordEntries::TakeAt(qsizetype index)
{
    Held held = HeldAt(index);
    held.keptBefore = 0;
    for (const KeptLine &line : kept_)
        held.keptBefore += line.before == index;
    removeAt(index);
    return held;
}

void WordEntries::PutBack(qsizetype index, Held held)
{
    ShiftKeptLines(index, 1);
    items_.insert(items_.begin() + index, ItemOf(held));
    if (held.keptBefore < 0)
        return;
    // Taking the word out joined the lines that stood after it to those before it: the first
    // keptBefore of them stood before it, the rest before the next word.
    qsizetype before = 0;
    for (KeptLine &line : kept_) {
        if (line.before == index && before++ >= held.keptBefore)
            line.before = index + 1;
    }
}

void WordEntries::clear()
{
    items_.clear();
    owned_.clear();
    kept_.clear();
    text_.clear();
}

QStringView WordEntries::CanonicalLine(qsizetype index) const
{
    const Item &item = items_[std::size_t(index)];
    if (item.owned != kCanonical)
        return {};
    return QStringView(text_).mid(item.start, item.length);
}

QString WordEntries::FieldAt(qsizetype index, int field) const
{
    const Item &item = items_[std::size_t(index)];
    if (item.owned < 0)
        return WordLineField(QStringView(text_).mid(item.start, item.length), field);
    const WordEntry &entry = owned_[std::size_t(item.owned)];
    const QString *fields[6] = {&entry.Foreign,  &entry.Phonetic, &entry.Kana,
                                &entry.Japanese, &entry.Notes,    &entry.Reserve};
    return field >= 0 && field < 6 ? *fields[field] : QString();
}

void WordEntries::Reorder(const std::vector<qsizetype> &order)
{
    std::vector<Item> reordered;
    reordered.reserve(order.size());
    for (qsizetype from : order)
        reordered.push_back(items_[std::size_t(from)]);
    items_ = std::move(reordered);
}
