#pragma once

// Word books as plain text for flash-card programs: UTF-8 rows of tab- or comma-separated
// fields, quoted as RFC 4180 quotes them, with the header lines flash-card programs write and
// read ("#separator:tab", "#html:false", "#columns:…").

#include "lib/FileError.h"
#include "wordbook/WordEntries.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/// The five fields a card row carries, in the order they are written.
enum class CardField { Foreign, Phonetic, Kana, Japanese, Notes };
inline constexpr int CardFieldCount = 5;

/// The words as tab-separated UTF-8 text: the header lines (deck names the deck, the book's
/// title; columnNames, five, name the columns), then one row per word. A line-break marker
/// becomes a real line break; a field holding a tab, a quote or a line break, or starting with
/// "#", is quoted with its quotes doubled.
QByteArray FlashCardTsv(const WordEntries &entries, const QStringList &columnNames, QString deck);

/// A row that could not be taken, by the line of the file it starts on (from 1).
struct CardProblem {
    int line = 0;
    QString reason;
};

/// TSV or CSV text read into rows of fields.
struct CardTable {
    QChar separator;
    QStringList columnNames;  ///< from "#columns:"; empty when the file names none
    QList<QStringList> rows;
    QList<int> rowLines;  ///< the line each row starts on
    QList<CardProblem> problems;
    /// The most fields any row has.
    int ColumnCount() const;
    /// The number of fields most rows have (of two widths as common, the larger).
    int UsualColumnCount() const;
};

/// Whether the first row names the columns: no "#columns:" line, and at least two of its cells
/// are field names (fieldNames, five). Its names then place the columns and it is no word.
bool FirstRowNamesColumns(const CardTable &table, const QStringList &fieldNames);

/// Reads flash-card text: UTF-8 with or without a byte-order mark, or UTF-16 with its mark
/// (a spreadsheet's "Unicode text"); fields quoted as RFC 4180
/// quotes them (a quoted field may hold separators, quotes doubled, and line breaks); empty
/// lines skipped. A line "#name:value" above the rows is a header line: "#separator:" (a
/// character or Tab, Comma, Semicolon, Pipe, Space, Colon) and "#columns:" are read, the
/// others skipped; another line starting with "#" is a comment, skipped, and told as a problem
/// when it holds a separator (a row whose first cell begins with "#"); HTML fields ("#html:true") lose
/// their tags, <br> becomes a line break. Without "#separator:", a tab in the first row makes it TSV, else a semicolon
/// without comma a semicolon list, else CSV. None when the bytes are not UTF-8.
std::optional<CardTable> ReadCardText(const QByteArray &bytes);

/// A flash-card text file as read.
struct CardTextRead {
    std::optional<CardTable> table;  ///< none on error
    /// Missing, Unreadable (NotRegularFile for a folder, a named pipe or a device: never
    /// opened), TooLarge (over MaxWordBookBytes) or Malformed (NotUtf8Text); none when read.
    std::optional<FileError> error;
};
/// Reads a flash-card text file with ReadCardText.
CardTextRead ReadCardTextFile(const QString &path);

/// For each card field, the column it is taken from, or -1.
using CardColumns = std::array<int, CardFieldCount>;

/// A first mapping: columns named like the fields (fieldNames, five) by "#columns:" or by the
/// first row go to those fields; otherwise by position, by the width most rows have, two
/// columns being the word and its meaning.
CardColumns GuessCardColumns(const CardTable &table, const QStringList &fieldNames);

/// The words the rows give, in stored form (line breaks as markers), and the rows that give
/// none: a row without a foreign word or a Japanese meaning (named by foreignName) is a problem.
struct CardWords {
    QList<WordEntry> entries;
    QList<CardProblem> problems;
};
CardWords CardRowsToWords(const CardTable &table, const CardColumns &columns, const QString &foreignName);
