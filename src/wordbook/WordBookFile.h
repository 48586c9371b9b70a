#pragma once

#include "lib/FileError.h"
#include "wordbook/WordBook.h"

#include <QIODevice>
#include <QStringList>

#include <optional>

/// The file name extension of word books.
inline const QString WordBookExtension = QStringLiteral(".utx");

/// Files larger than this are no word book (100 000 words take about 10 MB) and are not read.
inline constexpr qint64 MaxWordBookBytes = qint64(256) << 20;

/// What reading a word book came to.
enum class WordBookStatus {
    Read,         ///< header and words taken
    Missing,      ///< no such file: nothing changed
    TooFewLines,  ///< fewer than three lines: no header, no words
    Unreadable,   ///< could not be opened or read
    TooLarge,     ///< larger than MaxWordBookBytes
};

struct WordBookReadResult {
    WordBookStatus status = WordBookStatus::Read;
    std::optional<FileError> error;  ///< what went wrong, for Unreadable and TooLarge
    qsizetype unreadLines = 0;       ///< lines with text that are no word (kept, not listed)
};

/// A book's text as lines, split as the reader splits them: at CR LF, a lone CR or a lone LF;
/// a break at the very end makes no empty last line.
QStringList SplitBookLines(QStringView text);

/// The fields of one word line: a field in double quotes runs to the next quote that is not
/// doubled (a doubled quote stands for one) or to the end of the line; any other field ends
/// at a comma or a character up to U+0020. Blanks (U+0000..U+0020) around fields are
/// skipped; a comma that ends the line adds one empty field.
QStringList SplitWordLine(QStringView line);

/// A word line of exactly 6 or 7 fields into entry (quotes unescaped, a seventh field
/// dropped); false for any other line.
bool ParseWordLine(QStringView line, WordEntry &entry);

/// One field (0 Foreign … 5 Reserve) of a word line, quotes unescaped, without parsing the
/// others; empty when the line has no such field.
QString WordLineField(QStringView line, int field);

/// One field of a word line as the file stores it: quotes still escaped as "#$22", line
/// breaks as "#$0D". A field with doubled quotes (which stand for one) must be undoubled
/// before it is compared.
struct StoredField {
    QStringView text;
    bool doubled = false;
};

/// Field field (0 Foreign … 5 Reserve) of a word line in its stored form, walking no further
/// than the sixth field; none when the line has fewer than six fields.
std::optional<StoredField> StoredWordLineField(QStringView line, int field);

/// A word book's text: the bytes after a leading FF FE, as UTF-16 LE whatever they begin with.
QString DecodeWordBookBytes(const QByteArray &bytes);

/// Reads a word book's text into book: the header lines and every word line of exactly 6 or 7
/// fields (a seventh is dropped), quotes unescaped, an older type name upgraded. Other lines
/// are no word: they are kept as they stand and written back in their place. Folder and FileName are left to the
/// caller. With fewer than three lines the book is left empty and TooFewLines returned.
WordBookReadResult ReadWordBook(QIODevice &device, WordBook &book);

/// Reads folder/fileName into book (both may be the book's own fields). A missing file changes
/// nothing. Any other outcome replaces the book: read, or emptied and no longer tied to a file
/// (fewer than three lines, not a regular file, unreadable, too large), so that no later save
/// writes into the book that was open before.
WordBookReadResult ReadWordBook(const QString &folder, const QString &fileName, WordBook &book);

/// The bytes of a word book: FF FE, then the title, group and type name lines and one line of
/// six quoted, quote-escaped fields per word, in UTF-16 LE with CR LF after every line.
QByteArray WordBookBytes(const WordBook &book);

/// Writes the open book to its file, replacing it atomically (an older type name is
/// upgraded first). Nothing happens when no file name is set. On failure returns false with
/// what went wrong (CannotWrite).
bool WriteWordBook(WordBook &book, FileError *error);

/// Whether the open book's file was changed by another program since the book was read or
/// last written (its size or modification time differ). A file that is gone is no change.
bool ChangedSinceRead(const WordBook &book);

/// Writes a new book of exactly the three header lines, and the words when there are any.
bool CreateWordBookFile(const QString &path, const QString &title, const QString &group, const QString &typeName,
                        FileError *error, const QList<WordEntry> &words = {});

/// How much of a header line the book lists take (the dialogs allow 20 characters).
inline constexpr qsizetype MaxListedHeaderLength = 200;

/// A header line as the status bar and the messages show it: at most MaxListedHeaderLength code
/// units, "…" after a cut.
QString ShownHeaderLine(const QString &line);

/// The header of a book file and its number of lines, as the book list shows it.
struct WordBookHeader {
    QString title;
    QString group;
    QString typeName;
    qsizetype lineCount = 0;  ///< 0 when the file cannot be read
};

/// Reads a book file's header and counts its lines, decoded and split as ReadWordBook does;
/// each header line is cut after MaxListedHeaderLength code units. Anything but a regular
/// file has no lines.
WordBookHeader ReadWordBookHeader(const QString &path);

/// A book title as the name of a file (without extension) in the book's folder: characters that
/// no file name may hold, folder separators among them, become "_"; an empty title is "単語帳".
QString FileNameOfTitle(QString title);

/// The message for a book file that cannot be opened: "ファイル <path> は開けません。 <reason> ".
QString CannotOpenMessage(const QString &path, const QString &reason);
/// The message for a book file that cannot be written: "ファイル "<path>" を作成できません。<reason>".
QString CannotCreateMessage(const QString &path, const QString &reason);
