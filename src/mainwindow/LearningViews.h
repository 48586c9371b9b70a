#pragma once

#include "learning/LearningTypes.h"
#include "wordbook/BookFolder.h"

#include <QList>

#include <functional>
#include <optional>

class LearningRecord;
class QWidget;

/// The book list's 習得 column: the mastered share of each book of a folder that the record
/// knows, none for the others (whose files are not read).
QList<std::optional<int>> MasteredShares(const LearningRecord &record, const QString &folderPath,
                                         const QList<BookRow> &rows,
                                         const std::function<BookKey(const BookRow &row)> &keyOf);

/// 学習の記録 of a book: its set scores and its words per box, in a modal dialog. Without a
/// record (it could not be kept) the user is told there is nothing to show.
void ShowLearningChart(QWidget *parent, const LearningRecord *record, const BookKey &key, const QString &path);
