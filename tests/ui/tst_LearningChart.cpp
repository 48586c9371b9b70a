#include "learning/LearningChart.h"
#include "learning/LearningChartDialog.h"
#include "learning/LearningSummary.h"
#include "learning/ScoreSeries.h"
#include "support/WidgetLookup.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(BoxCounts)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

BoxCounts Counts(int notAsked, std::array<int, TopBox + 1> inBox)
{
    BoxCounts counts;
    counts.notAsked = notAsked;
    counts.inBox = inBox;
    return counts;
}

QList<SetRecord> Sets(const QList<int> &scores, const QList<bool> &review = {})
{
    QList<SetRecord> sets;
    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0));
    for (int i = 0; i < scores.size(); ++i)
        sets << SetRecord{scores[i], i < review.size() && review[i], start.addSecs(3600LL * i)};
    return sets;
}

QImage Render(const LearningChart &chart, QSize size = {800, 600})
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    chart.Paint(painter, image.rect());
    return image;
}

/// The tallest run of pixels of that colour in any column of the region.
int TallestRun(const QImage &image, const QColor &color, const QRect &region)
{
    int tallest = 0;
    for (int x = region.left(); x <= region.right(); ++x) {
        int run = 0;
        for (int y = region.top(); y <= region.bottom(); ++y) {
            run = image.pixel(x, y) == color.rgb() ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
    }
    return tallest;
}

int PixelsOf(const QImage &image, const QColor &color, const QRect &region)
{
    int found = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            found += image.pixel(x, y) == color.rgb();
    return found;
}

}  // namespace

class tst_LearningChart : public QObject
{
    Q_OBJECT

private slots:
    void summaryText_data()
    {
        QTest::addColumn<BoxCounts>("counts");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("summary");
        QTest::addRow("sets and mastered words") << Counts(60, {10, 10, 10, 18, 12}) << QList<int>{70, 80, 60, 75}
                                                 << "習得 12 / 120 語（10%）・勝負 4 回・平均 71 点";
        QTest::addRow("no set yet: no average") << Counts(30, {}) << QList<int>{} << "習得 0 / 30 語（0%）・勝負 0 回";
        QTest::addRow("rounded down: all but one of 200 is not all")
            << Counts(0, {0, 0, 0, 1, 199}) << QList<int>{100} << "習得 199 / 200 語（99%）・勝負 1 回・平均 100 点";
        QTest::addRow("two thirds") << Counts(1, {0, 0, 0, 0, 2}) << QList<int>{50, 51}
                                    << "習得 2 / 3 語（66%）・勝負 2 回・平均 51 点";
        QTest::addRow("a book without words")
            << Counts(0, {}) << QList<int>{40} << "習得 0 / 0 語（0%）・勝負 1 回・平均 40 点";
    }
    void summaryText()
    {
        QFETCH(BoxCounts, counts);
        QFETCH(QList<int>, scores);
        QFETCH(QString, summary);
        QCOMPARE(LearningSummaryText(counts, Sets(scores)), summary);
    }

    void theBookListShowsAShareOnlyForARecordedBook_data()
    {
        QTest::addColumn<BoxCounts>("counts");
        QTest::addColumn<std::optional<int>>("share");
        QTest::addRow("never asked") << Counts(40, {}) << std::optional<int>();
        QTest::addRow("no words") << Counts(0, {}) << std::optional<int>();
        QTest::addRow("asked, none mastered") << Counts(39, {1, 0, 0, 0, 0}) << std::optional<int>(0);
        QTest::addRow("two of five") << Counts(0, {1, 1, 1, 0, 2}) << std::optional<int>(40);
    }
    void theBookListShowsAShareOnlyForARecordedBook()
    {
        QFETCH(BoxCounts, counts);
        QFETCH(std::optional<int>, share);
        QCOMPARE(RecordedMasteredPercent(counts), share);
    }

    void bucketsCoverEverySetOnceWithinTheColumns_data()
    {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("columns");
        QTest::addRow("fewer sets than columns") << 5 << 100;
        QTest::addRow("as many") << 7 << 7;
        QTest::addRow("uneven") << 10 << 3;
        QTest::addRow("ten thousand sets in 700 columns") << 10000 << 700;
    }
    void bucketsCoverEverySetOnceWithinTheColumns()
    {
        QFETCH(int, sets);
        QFETCH(int, columns);
        QList<int> scores;
        for (int i = 0; i < sets; ++i)
            scores << (i * 37) % 101;
        const QList<SetRecord> records = Sets(scores);
        const QList<ScoreBucket> buckets = BucketScores(records, columns);
        QCOMPARE(buckets.size(), std::min(sets, columns));
        int next = 0;
        for (const ScoreBucket &bucket : buckets) {
            QCOMPARE(bucket.firstSet, next);
            QVERIFY(bucket.lastSet >= bucket.firstSet);
            double sum = 0;
            int lowest = 100, highest = 0;
            for (int s = bucket.firstSet; s <= bucket.lastSet; ++s) {
                sum += scores[s];
                lowest = std::min(lowest, scores[s]);
                highest = std::max(highest, scores[s]);
            }
            QCOMPARE(bucket.mean, sum / bucket.Count());
            QCOMPARE(bucket.lowest, lowest);
            QCOMPARE(bucket.highest, highest);
            next = bucket.lastSet + 1;
        }
        QCOMPARE(next, sets);
    }

    void aBucketIsAReviewPointWhenMostOfItsSetsAre()
    {
        const QList<ScoreBucket> buckets =
            BucketScores(Sets({10, 20, 30, 40, 50, 60}, {true, true, false, true, false, false}), 2);
        QCOMPARE(buckets.size(), 2);
        QVERIFY(buckets[0].Review());
        QVERIFY(!buckets[1].Review());
        QVERIFY(BucketScores(Sets({150, -5}), 5)[0].highest <= 100);  // a damaged score stays on the chart
        QVERIFY(BucketScores({}, 10).isEmpty());
    }

    void axisTicks_data()
    {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addRow("no sets") << 0 << 5 << QList<int>{};
        QTest::addRow("one set") << 1 << 5 << QList<int>{0};
        QTest::addRow("fewer sets than ticks") << 3 << 5 << QList<int>{0, 1, 2};
        QTest::addRow("spread with both ends") << 101 << 5 << QList<int>{0, 25, 50, 75, 100};
        QTest::addRow("uneven") << 10 << 4 << QList<int>{0, 3, 6, 9};
        QTest::addRow("room for one") << 50 << 1 << QList<int>{0};
    }
    void axisTicks()
    {
        QFETCH(int, sets);
        QFETCH(int, maxTicks);
        QFETCH(QList<int>, ticks);
        QCOMPARE(AxisTickSets(sets, maxTicks), ticks);
    }

    void theDialogShowsTheBookAndItsSummary()
    {
        LearningChartDialog dialog("Vocabulaire <b>1</b>", Sets({60, 90}, {false, true}), Counts(2, {1, 0, 0, 0, 2}));
        QCOMPARE(dialog.objectName(), QString("LearningChartDialog"));
        QCOMPARE(dialog.windowTitle(), QString("学習の記録"));
        QCOMPARE(Find<QLabel>(&dialog, "TitleLabel")->text(), QString("Vocabulaire <b>1</b>（5 語）"));
        QCOMPARE(Find<QLabel>(&dialog, "TitleLabel")->textFormat(), Qt::PlainText);
        QCOMPARE(Find<QLabel>(&dialog, "SummaryLabel")->text(), QString("習得 2 / 5 語（40%）・勝負 2 回・平均 75 点"));
        QCOMPARE(Find<QPushButton>(&dialog, "CloseButton")->text(), QString("閉じる"));
        Find<LearningChart>(&dialog, "LearningChart");

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect room = dialog.screen()->availableGeometry();
        QVERIFY(dialog.frameGeometry().width() <= room.width());
        QVERIFY(dialog.frameGeometry().height() <= room.height());
        QVERIFY(dialog.minimumSizeHint().width() <= 740 && dialog.minimumSizeHint().height() <= 730);
        QTest::mouseClick(Find<QPushButton>(&dialog, "CloseButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void theDialogWithoutRecord()
    {
        LearningChartDialog dialog("Neu", {}, Counts(12, {}));
        QCOMPARE(Find<QLabel>(&dialog, "TitleLabel")->text(), QString("Neu（12 語）"));
        QCOMPARE(Find<QLabel>(&dialog, "SummaryLabel")->text(), QString("習得 0 / 12 語（0%）・勝負 0 回"));
    }

    void barsAreAsTallAsTheirCounts()
    {
        LearningChart chart;
        chart.ShowRecord(Sets({50}), Counts(10, {40, 0, 20, 5, 80}));
        const QImage image = Render(chart);
        const QRect lowerHalf(0, 300, 800, 300);
        std::array<int, TopBox + 2> heights{};
        for (int bar = 0; bar < TopBox + 2; ++bar)
            heights[bar] = TallestRun(image, LearningChart::BarColor(bar), lowerHalf);
        QCOMPARE(heights[2], 0);  // box 1 is empty
        QVERIFY(heights[5] > heights[1] && heights[1] > heights[3] && heights[3] > heights[0] &&
                heights[0] > heights[4] && heights[4] > 0);
        QVERIFY(heights[5] > 100);
        QVERIFY(qAbs(heights[5] - 2 * heights[1]) <= 2);  // 80 words against 40
    }

    void scoresDrawAsALineWithReviewPointsApart()
    {
        LearningChart chart;
        chart.ShowRecord(Sets({20, 60, 100}, {false, true, false}), Counts(3, {}));
        const QImage image = Render(chart);
        const QRect plot(60, 40, 720, 240);  // below the caption and the legend, above the dates
        QVERIFY(PixelsOf(image, LearningChart::ScoreColor(), plot) > 50);
        QVERIFY(PixelsOf(image, LearningChart::ReviewColor(), plot) > 10);
    }

    void noRecordSaysSoInTheScoreChart()
    {
        LearningChart chart;
        chart.ShowRecord({}, Counts(5, {}));
        const QImage image = Render(chart);
        const QRect upperHalf(0, 0, 800, 300);
        QCOMPARE(PixelsOf(image, LearningChart::ScoreColor(), upperHalf), 0);
        QCOMPARE(PixelsOf(image, LearningChart::ReviewColor(), upperHalf), 0);  // no legend either
        // The text stands in the middle of the plot, where a chart with sets has only grid lines.
        const QRgb background = image.pixel(400, 100);
        int inked = 0;
        for (int y = 140; y < 190; ++y)
            for (int x = 300; x < 500; ++x)
                inked += qGray(image.pixel(x, y)) < qGray(background) - 100;
        QVERIFY(inked > 50);
    }

    void thousandsOfSetsDrawQuickly()
    {
        QList<int> scores;
        QList<bool> review;
        for (int i = 0; i < 10000; ++i) {
            scores << (i * 53) % 101;
            review << (i % 3 == 0);
        }
        LearningChart chart;
        chart.ShowRecord(Sets(scores, review), Counts(2000, {1000, 2000, 2000, 2000, 1000}));
        Render(chart);  // fonts loaded once
        QElapsedTimer timer;
        timer.start();
        const QImage image = Render(chart);
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        // The points are too close for markers: the plot holds no review diamonds.
        QCOMPARE(PixelsOf(image, LearningChart::ReviewColor(), QRect(60, 40, 720, 240)), 0);
    }
};

QTEST_MAIN(tst_LearningChart)
#include "tst_LearningChart.moc"
