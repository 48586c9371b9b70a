#pragma once

#include "lib/FileError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

/// A book the search looked at: its title (cut as the book lists cut it) and its file's name.
struct SearchedBook {
    QString title;
    QString fileName;
};

/// One word found by the search.
struct WordSearchHit {
    qsizetype book = 0;    ///< index into WordSearch::Books()
    qsizetype number = 0;  ///< the line's position after the header (1 for the first word line)
    bool exact = false;    ///< the field equals the search text
    QString line;          ///< the word line as stored
};

/// Searches word books for the words whose field (0 Foreign … 4 Notes) equals or contains a
/// text, comparing the field as the file stores it (quotes as "#$22", line breaks as "#$0D"),
/// case-sensitively. Exact hits come first, the last found on top; partial hits follow in the
/// order found. Only the lines that hold the text anywhere are split into fields.
class WordSearch
{
public:
    /// A field outside 0..4 counts as 0; an empty text finds nothing.
    WordSearch(int field, QString text);
    ~WordSearch();

    /// Every "*.utx" file of folder, in the order the file system lists them.
    void SearchFolder(const QString &folder);
    /// One book file; a file that cannot be read is noted in Unreadable().
    void SearchFile(const QString &path);
    /// One book's decoded text (from the file fileName); a text of fewer than three lines is
    /// no book.
    void SearchText(QStringView text, const QString &fileName = {});

    /// The books searched, in order.
    const QList<SearchedBook> &Books() const { return books_; }
    /// The book files that could not be read, and why (Unreadable or TooLarge).
    const QList<FileError> &Unreadable() const { return unreadable_; }
    /// The hits in the order they are listed; the search keeps none after this.
    QList<WordSearchHit> TakeHits();

private:
    /// Compares the search field of a line that holds the search text somewhere.
    void LookAtLine(QStringView line, qsizetype book, qsizetype number);

    int field_;
    QString text_;
    QList<SearchedBook> books_;
    QList<FileError> unreadable_;
    QList<WordSearchHit> exact_;  ///< in the order found
    QList<WordSearchHit> partial_;
    std::unique_ptr<char16_t[]> buffer_;  ///< file contents, kept from book to book
    qsizetype capacity_ = 0;              ///< bytes that buffer_ holds
};
