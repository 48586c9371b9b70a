#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

/// The median time of runs calls of work, in milliseconds.
inline double MedianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
