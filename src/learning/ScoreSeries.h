#pragma once

#include "learning/LearningTypes.h"

#include <QList>

/// Consecutive finished sets drawn as one point of the score chart: with more sets than pixel
/// columns, each column shows the mean of its sets and the range between their lowest and
/// highest score, so thousands of sets stay readable and cost one point per column.
struct ScoreBucket {
    int firstSet = 0;  ///< index of its first set (the sets oldest first)
    int lastSet = 0;   ///< index of its last set
    double mean = 0;
    int lowest = 0;
    int highest = 0;
    int reviewSets = 0;

    int Count() const { return lastSet - firstSet + 1; }
    /// Drawn as a review point: most of its sets were review sets.
    bool Review() const { return reviewSets * 2 > Count(); }
    /// Where it stands on the set axis: the middle of its sets.
    double Position() const { return (firstSet + lastSet) / 2.0; }
};

/// The sets in at most `columns` buckets of consecutive sets, as even as can be; one bucket per
/// set while they fit. Empty without sets or columns.
QList<ScoreBucket> BucketScores(const QList<SetRecord> &sets, int columns);

/// The indexes of the sets whose dates label the set axis: at most maxTicks, evenly spread,
/// the first and the last set among them, each once, ascending.
QList<int> AxisTickSets(int setCount, int maxTicks);
