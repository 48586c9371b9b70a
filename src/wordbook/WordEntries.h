#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <vector>

/// One word of a book, its six fields in file order, held in stored form: a line break inside
/// Phonetic or Notes is the marker "#$0D"; a double quote is an ordinary character (it is
/// escaped only in the file). Its row number is its position in the book.
struct WordEntry {
    QString Foreign;
    QString Phonetic;  ///< IPA (W), a problem sentence (B) or an instruction (C)
    QString Kana;
    QString Japanese;
    QString Notes;
    QString Reserve;  ///< always created empty; kept as a file holds it
    bool operator==(const WordEntry &) const = default;
};

/// The words of a book, in the user's order. Words read from a file stay as their line of the
/// file's text until one is first asked for, so that a book of 100 000 words opens about as
/// fast as its file is read; a word that is changed, inserted or appended is held whole.
/// Lines of the file that are no word (another number of fields, blank lines) are kept as they
/// stand, each before the word it stood before, so that writing the book loses none of them.
class WordEntries
{
public:
    /// A word line of the file's text: where it lies, and whether it is written exactly as the
    /// writer would write it again (six quoted fields, no quote inside), so that it can be
    /// copied as it is.
    struct Line {
        qsizetype start = 0;
        qsizetype length = 0;
        bool canonical = false;
    };

    WordEntries() = default;
    WordEntries(std::initializer_list<WordEntry> entries);
    WordEntries(const QList<WordEntry> &entries);

    /// Words to be read from a file's decoded text: no words yet, AppendLine adds them.
    static WordEntries FromText(QString text);
    /// The text the words are read from.
    QStringView Text() const { return text_; }
    /// Adds the word of a line of Text().
    void AppendLine(const Line &line)
    {
        items_.push_back({line.start, line.length, line.canonical ? kCanonical : kLine});
    }
    /// Keeps a line of Text() that is no word, before the word that the next AppendLine adds.
    void KeepLine(qsizetype start, qsizetype length) { kept_.push_back({qsizetype(items_.size()), start, length}); }
    /// The kept lines that stand before word index (index size(): after the last word).
    template <typename Sink> void ForEachKeptLineBefore(qsizetype index, qsizetype &cursor, Sink &&sink) const
    {
        for (; cursor < qsizetype(kept_.size()) && kept_[std::size_t(cursor)].before == index; ++cursor)
            sink(QStringView(text_).mid(kept_[std::size_t(cursor)].start, kept_[std::size_t(cursor)].length));
    }
    /// How many lines that are no word are kept.
    qsizetype KeptLineCount() const { return qsizetype(kept_.size()); }
    /// Room for this many words.
    void Reserve(qsizetype words) { items_.reserve(std::size_t(words)); }

    qsizetype size() const { return qsizetype(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    /// The word at a position (parsed from its line when it is read from the file).
    WordEntry at(qsizetype index) const;
    WordEntry operator[](qsizetype index) const { return at(index); }
    WordEntry value(qsizetype index) const { return index >= 0 && index < size() ? at(index) : WordEntry{}; }
    QList<WordEntry> ToList() const;

    void append(WordEntry entry);
    void insert(qsizetype index, WordEntry entry);
    void replace(qsizetype index, WordEntry entry);
    void removeAt(qsizetype index);
    /// Moves the word at from so that it stands at to afterwards.
    void move(qsizetype from, qsizetype to);
    /// One field (0 Foreign … 5 Reserve) of a word, parsing only that field of a line.
    QString FieldAt(qsizetype index, int field) const;
    /// A word as the book holds it: its line of the file's text (copied again as it is when
    /// written) or its fields. Taken out or copied so that it can be put back exactly.
    struct Held {
        std::optional<WordEntry> word;  ///< the fields of a word held whole; none for a line
        qsizetype start = 0;
        qsizetype length = 0;
        bool canonical = false;
        /// How many kept lines stood directly before the word; -1: all that stand before its
        /// place when it is put back (as for a new word).
        qsizetype keptBefore = -1;
    };
    /// A new word, to be put back where it is inserted.
    static Held HeldWord(WordEntry entry) { return {std::move(entry), 0, 0, false, -1}; }
    /// Removes the word at index and returns it as it was held; PutBack at the same index
    /// restores the words and the kept lines exactly.
    Held TakeAt(qsizetype index);
    /// Puts a word back at index (as insert does, or as it stood when it was taken).
    void PutBack(qsizetype index, Held held);
    /// The word at index as it is held.
    Held HeldAt(qsizetype index) const;
    /// The word at index becomes held as held is (its line again, or its fields).
    void SetHeld(qsizetype index, const Held &held);
    /// Puts the words into a new order: order[k] is the position the k-th word comes from.
    /// Words read from the file stay lines.
    void Reorder(const std::vector<qsizetype> &order);
    void clear();

    /// For the writer: the word's line as the file holds it, when it is unchanged and canonical
    /// (then it is written again as it is); empty otherwise.
    QStringView CanonicalLine(qsizetype index) const;

    bool operator==(const WordEntries &other) const { return ToList() == other.ToList(); }

private:
    /// A word: a line of text_ (owned < 0; kCanonical marks a canonical one) or owned_[owned].
    struct Item {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype owned = kLine;
    };
    /// A line of text_ that is no word, standing before word before (size(): after the last).
    struct KeptLine {
        qsizetype before = 0;
        qsizetype start = 0;
        qsizetype length = 0;
    };
    /// The kept lines follow their words when a word is inserted or removed at index.
    void ShiftKeptLines(qsizetype index, qsizetype by);

    static constexpr qsizetype kLine = -1;
    static constexpr qsizetype kCanonical = -2;
    Item Own(WordEntry entry);
    Item ItemOf(const Held &held);

    QString text_;
    std::vector<Item> items_;
    std::vector<WordEntry> owned_;
    std::vector<KeptLine> kept_;  ///< in file order
};
