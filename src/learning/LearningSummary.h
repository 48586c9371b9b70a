#pragma once

#include "learning/LearningTypes.h"

#include <QList>
#include <QString>

#include <optional>

/// The share of a book's words in the top box, in whole percent rounded down (so 100% means
/// every word is mastered); 0 for a book without words.
int MasteredPercent(const BoxCounts &counts);

/// The share the book list shows: none while no word of the book was ever asked (the book has
/// no record), else MasteredPercent.
std::optional<int> RecordedMasteredPercent(const BoxCounts &counts);

/// The mean of the sets' scores, rounded to a whole point; none without sets.
std::optional<int> AverageScore(const QList<SetRecord> &sets);

/// The learning dialog's summary line, e.g. "習得 12 / 120 語（10%）・勝負 34 回・平均 72 点".
QString LearningSummaryText(const BoxCounts &counts, const QList<SetRecord> &sets);
