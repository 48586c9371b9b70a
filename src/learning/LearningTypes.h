#pragma once

#include <QDateTime>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

/// The highest box: a word answered right at its first judgement in four questions in a row.
inline constexpr int TopBox = 4;

/// A book as the record knows it: its language, folder and file name. The title is kept as
/// last seen but is no part of the identity (the user may rename a book's title).
struct BookKey {
    QString language;  ///< the language's one-letter code, "E" … "G"
    QString folder;    ///< the folder kind's name: "bookA", "bookG" or "bookS"
    QString fileName;  ///< the book's file name with ".utx", without its folder
    QString title;

    bool IsValid() const { return !language.isEmpty() && !folder.isEmpty() && !fileName.isEmpty(); }
};

/// A word by its texts, as the book holds them (quotes unescaped, line breaks as markers).
struct WordKey {
    QString foreign;
    QString japanese;
    bool operator==(const WordKey &) const = default;
};
inline size_t qHash(const WordKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.foreign, key.japanese);
}

/// One judged question.
struct JudgementRecord {
    BookKey book;
    WordKey word;
    QString answer;  ///< the typed answer as judged (trimmed)
    bool correct = false;
    bool first = false;  ///< the question's first judgement: only this one moves the box
    QDateTime time;
};

/// One finished set of ten questions.
struct SetRecord {
    int score = 0;  ///< 0 … 100
    bool review = false;
    QDateTime finished;
};

/// A word chosen for a review set: its row in the book and its box.
struct ReviewWord {
    int row = 0;
    int box = 0;
};

/// The words of a book per box (0 … TopBox), and those never asked.
struct BoxCounts {
    std::array<int, TopBox + 1> inBox{};
    int notAsked = 0;
    int Total() const
    {
        int total = notAsked;
        for (int count : inBox)
            total += count;
        return total;
    }
};

/// Why the record cannot be kept.
struct RecordProblem {
    enum class Kind {
        NoDriver,     ///< Qt's SQLite driver is not installed
        CannotOpen,   ///< the file or its folder cannot be opened or created
        Damaged,      ///< the file is no SQLite database or its tables are not ours
        Locked,       ///< another program holds the file
        NewerSchema,  ///< written by a newer version of the program: left untouched
        WriteFailed,  ///< a write failed (the disk full, the file gone read-only …)
    };
    Kind kind = Kind::CannotOpen;
    QString path;
    QString systemText;  ///< the database's own words, maybe English
};

/// The word keys of a training book's lines (header included), parallel to its rows: a line
/// that is no word gives an empty key, which is never recorded or matched.
QList<WordKey> WordKeysOfLines(const QStringList &bookLines);
