#include "learning/ScoreSeries.h"

#include <algorithm>

QList<ScoreBucket> BucketScores(const QList<SetRecord> &sets, int columns)
{
    QList<ScoreBucket> buckets;
    const qint64 count = sets.size();
    if (count == 0 || columns <= 0)
        return buckets;
    const qint64 bucketCount = std::min<qint64>(count, columns);
    buckets.reserve(bucketCount);
    for (qint64 b = 0; b < bucketCount; ++b) {
        ScoreBucket bucket;
        bucket.firstSet = int(b * count / bucketCount);
        bucket.lastSet = int((b + 1) * count / bucketCount) - 1;
        bucket.lowest = 100;
        bucket.highest = 0;
        qint64 sum = 0;
        for (int s = bucket.firstSet; s <= bucket.lastSet; ++s) {
            const int score = std::clamp(sets[s].score, 0, 100);
            sum += score;
            bucket.lowest = std::min(bucket.lowest, score);
            bucket.highest = std::max(bucket.highest, score);
            if (sets[s].review)
                ++bucket.reviewSets;
        }
        bucket.mean = double(sum) / bucket.Count();
        buckets << bucket;
    }
    return buckets;
}

QList<int> AxisTickSets(int setCount, int maxTicks)
{
    QList<int> ticks;
    if (setCount <= 0 || maxTicks <= 0)
        return ticks;
    if (setCount == 1 || maxTicks == 1)
        return {0};
    const int tickCount = std::min(setCount, maxTicks);
    for (int k = 0; k < tickCount; ++k) {
        const int set = int((qint64(k) * (setCount - 1) + (tickCount - 1) / 2) / (tickCount - 1));
        if (ticks.isEmpty() || ticks.constLast() != set)
            ticks << set;
    }
    return ticks;
}
