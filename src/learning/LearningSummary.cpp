#include "learning/LearningSummary.h"

int MasteredPercent(const BoxCounts &counts)
{
    const qint64 total = counts.Total();
    if (total <= 0)
        return 0;
    return int(qint64(counts.inBox[TopBox]) * 100 / total);
}

std::optional<int> RecordedMasteredPercent(const BoxCounts &counts)
{
    if (counts.Total() - counts.notAsked <= 0)
        return std::nullopt;
    return MasteredPercent(counts);
}

std::optional<int> AverageScore(const QList<SetRecord> &sets)
{
    if (sets.isEmpty())
        return std::nullopt;
    qint64 sum = 0;
    for (const SetRecord &set : sets)
        sum += set.score;
    return qRound(double(sum) / double(sets.size()));
}

QString LearningSummaryText(const BoxCounts &counts, const QList<SetRecord> &sets)
{
    QString text = QStringLiteral("習得 %1 / %2 語（%3%）・勝負 %4 回")
                       .arg(counts.inBox[TopBox])
                       .arg(counts.Total())
                       .arg(MasteredPercent(counts))
                       .arg(sets.size());
    if (const std::optional<int> average = AverageScore(sets))
        text += QStringLiteral("・平均 %1 点").arg(*average);
    return text;
}
