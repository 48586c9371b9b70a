#pragma once

#include "wordbook/QuestionType.h"
#include "wordbook/WordEntries.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

/// What a column of the word list shows. Columns 0 and 4 exchange Foreign and Japanese with
/// the word order; column 1 is the row number; column 6 (Reserve) is never drawn.
enum class WordField { Foreign, Number, Phonetic, Kana, Japanese, Notes, Reserve };

inline constexpr int WordListColumnCount = 7;

/// The field a column shows: foreignFirst puts Foreign in column 0 and Japanese in column 4.
WordField FieldOfColumn(int column, bool foreignFirst);

/// A field of an entry as the list shows it (stored form; the number is 1-based).
QString FieldText(const WordEntry &entry, WordField field, qsizetype row);

/// The caption of column 2 for a book type: "発音記号" (W), "問題文" (B), "指示文" (C).
QString PhoneticCaption(QuestionType type);

/// A column width as the settings give it, kept within the column's limits (0, 2, 3, 4:
/// 80–500; 1: 40–80; 5: 40–800). A width outside them is the column's default.
int BoundColumnWidth(int column, int width);

/// Sorts the entries by a field (not Number) in direction +1 (ascending) or -1 (descending):
/// texts compared code unit by code unit, Foreign after lowercasing both; equal keys keep their
/// order.
void SortEntries(WordEntries &entries, WordField field, int direction);
/// The order SortEntries puts the words in: element k is the position the k-th word comes from.
std::vector<qsizetype> SortOrder(const WordEntries &entries, WordField field, int direction);

/// Moves word number from (1-based) so that it stands directly above the word that had number
/// before: a copy is inserted there and the original removed. Returns the moved word's new
/// number.
qsizetype MoveEntry(WordEntries &entries, qsizetype from, qsizetype before);

/// The numbers the move dialog offers for word k of n: 1 to n without k and k + 1.
QList<qsizetype> MoveTargets(qsizetype k, qsizetype n);

/// What a double click on a word hands to the input areas.
struct TakeOverTexts {
    QString secondField;  ///< the kana (kana mode) or the phonetic text (W books only)
    QString foreign;      ///< Foreign with its line-break markers as line breaks
};
TakeOverTexts TakeOver(const WordEntry &entry, QuestionType type, bool kanaMode);

/// Text fitted into room pixels: unchanged when it fits, otherwise shortened from the end
/// until it fits with "..." appended (at worst "..." alone). width measures a text.
QString FitText(const QString &text, int room, const std::function<int(const QString &)> &width);
