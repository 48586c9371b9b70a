// Drawing the learning chart of a much-trained book: 10 000 finished sets and the box counts
// of a 10 000-word book into an 800 × 600 image. Prints the median of the draws (goal < 50 ms).
// Usage: learning_chart_bench [runs]
#include "learning/LearningChart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;

    QList<SetRecord> sets;
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0));
    for (int i = 0; i < 10000; ++i)
        sets << SetRecord{(i * 37 + i / 100) % 101, i % 4 == 0, start.addSecs(i * 2400LL)};
    BoxCounts counts;
    counts.inBox = {1200, 1800, 2100, 1900, 2400};
    counts.notAsked = 600;
    LearningChart chart;
    chart.ShowRecord(sets, counts);

    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        {
            QPainter painter(&image);
            chart.Paint(painter, image.rect());
        }
        if (run > 0)  // the first draw loads the fonts
            times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("learning chart, 10 000 sets and a 10 000-word book into 800 x 600: median %.2f ms of %d draws "
                "(slowest %.2f ms, goal < 50 ms)\n",
                times[times.size() / 2], runs, times.back());
    return 0;
}
