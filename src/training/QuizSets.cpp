#include "training/QuizSets.h"

#include "training/QuizRandom.h"

#include <numeric>

void ShuffleOrder(QList<int> &order, int n, QuizRandom &random)
{
    random.Reseed();
    for (int i = n - 1; i >= 1; --i) {
        const int j = int(random.NextReal() * (i + 1));
        std::swap(order[i], order[j]);
    }
}

QuizSets BuildSets(int count, QuizRandom &random)
{
    QuizSets sets;
    sets.wordCount = count;
    sets.provisional = count < SetSize;
    sets.totalSets = sets.provisional ? 1 : count / SetSize;
    sets.order.resize(sets.provisional ? SetSize : count);
    std::iota(sets.order.begin(), sets.order.end(), 0);
    ShuffleOrder(sets.order, int(sets.order.size()), random);
    sets.currentSet = sets.SetRows(0);
    return sets;
}

QuizSets BuildReviewSet(const QList<int> &rows, int wordCount, QuizRandom &random)
{
    QuizSets sets;
    sets.wordCount = wordCount;
    sets.review = true;
    sets.totalSets = 1;
    sets.provisional = rows.size() < SetSize;
    if (sets.provisional && !rows.isEmpty()) {
        // The provisional rule decides how often each word comes; the weakest words still come
        // first: every word once in the order given, then the repeats in the shuffled order.
        QList<int> permutation(SetSize);
        std::iota(permutation.begin(), permutation.end(), 0);
        ShuffleOrder(permutation, SetSize, random);
        QList<bool> seen(rows.size(), false);
        sets.order = rows;
        for (int drawn : permutation) {
            const qsizetype index = drawn % rows.size();
            if (seen[index])
                sets.order.append(rows[index]);
            seen[index] = true;
        }
    } else {
        sets.order = rows.mid(0, SetSize);
    }
    sets.currentSet = sets.order;
    return sets;
}

QList<int> QuizSets::SetRows(int index) const
{
    QList<int> rows = order.mid(qsizetype(index) * SetSize, SetSize);
    if (provisional && !review) {
        for (int &row : rows)
            row = wordCount > 0 ? row % wordCount : 0;
    }
    return rows;
}
