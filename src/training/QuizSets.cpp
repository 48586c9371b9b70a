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

QList<int> QuizSets::SetRows(int index) const
{
    QList<int> rows = order.mid(qsizetype(index) * SetSize, SetSize);
    if (provisional) {
        for (int &row : rows)
            row = wordCount > 0 ? row % wordCount : 0;
    }
    return rows;
}
