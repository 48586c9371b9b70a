#include "training/ReviewChoice.h"

#include "training/QuizRandom.h"

QList<int> ReviewRowsInBoxOrder(const QList<ReviewWord> &words, QuizRandom &random)
{
    QList<int> rows;
    rows.reserve(words.size());
    for (const ReviewWord &word : words)
        rows.append(word.row);
    random.Reseed();
    for (qsizetype first = 0; first < words.size();) {
        qsizetype end = first;
        while (end < words.size() && words[end].box == words[first].box)
            ++end;
        for (qsizetype i = end - 1; i > first; --i)  // Fisher–Yates within the box
            std::swap(rows[i], rows[first + random.NextBelow(int(i - first + 1))]);
        first = end;
    }
    return rows;
}
