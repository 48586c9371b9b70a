#pragma once

#include <QList>

class QuizRandom;

/// Questions per set (one bout), the smallest word count of a full book, and 100 div it the
/// points of a right answer.
inline constexpr int SetSize = 10;

/// Shuffles order[0, n) Fisher–Yates from the top, after seeding the generator anew: for i
/// from n − 1 down to 1, j := trunc(real × (i + 1)) and order[i] and order[j] swap.
void ShuffleOrder(QList<int> &order, int n, QuizRandom &random);

/// The sets of one pass through a book.
struct QuizSets {
    int wordCount = 0;
    int totalSets = 0;
    QList<int> order;       ///< the shuffled word rows (ten entries for a provisional set)
    QList<int> currentSet;  ///< the rows of the running set, in question order
    bool provisional = false;
    bool review = false;  ///< one set of words chosen from the learning record

    /// The rows of set number index (from 0): order[10 × index …], each taken modulo the word
    /// count for a provisional set, whose permutation is of 0..9 whatever the count.
    QList<int> SetRows(int index) const;
};

/// The sets of a book of count words: a full book (count ≥ 10) gives count div 10 sets from one
/// permutation of its rows; a smaller book one provisional set of ten questions, row
/// order[j] mod count for a permutation of 0..9.
QuizSets BuildSets(int count, QuizRandom &random);

/// A review set over book rows chosen from the learning record, the lowest box first: the first
/// ten in their order, or for fewer than ten, ten questions as often as the rule of a
/// provisional set asks each (row rows[p[j] mod n] for a permutation p of 0..9): every row once
/// in the order given, then the repeats in the permutation's order. Order holds the rows as
/// asked.
QuizSets BuildReviewSet(const QList<int> &rows, int wordCount, QuizRandom &random);
