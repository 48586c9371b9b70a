#include "learning/LearningChart.h"

#include "learning/ScoreSeries.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

/// Points closer than this are drawn as a line without markers.
constexpr double kMarkerSpacing = 7.0;
constexpr double kMarkerRadius = 3.5;
/// Room between the plot's edges and its first and last point.
constexpr int kPointInset = 8;

QString NoRecordText()
{
    return QStringLiteral("まだ記録がありません。");
}

void DrawMarker(QPainter &painter, QPointF at, bool review)
{
    painter.setPen(Qt::NoPen);
    if (review) {
        painter.setBrush(LearningChart::ReviewColor());
        const double r = kMarkerRadius + 1.0;
        const QPointF diamond[4] = {
            {at.x(), at.y() - r}, {at.x() + r, at.y()}, {at.x(), at.y() + r}, {at.x() - r, at.y()}};
        painter.drawPolygon(diamond, 4);
    } else {
        painter.setBrush(LearningChart::ScoreColor());
        painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    }
}

/// The date under a set: "M/d", with the year when the sets span more than one.
QString SetDate(const SetRecord &set, bool withYear)
{
    const QDate date = set.finished.toLocalTime().date();
    return date.toString(withYear ? QStringLiteral("yyyy/M/d") : QStringLiteral("M/d"));
}

}  // namespace

LearningChart::LearningChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LearningChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void LearningChart::ShowRecord(QList<SetRecord> sets, BoxCounts counts)
{
    sets_ = std::move(sets);
    counts_ = counts;
    update();
}

QColor LearningChart::BarColor(int bar)
{
    static const std::array<QColor, TopBox + 2> colors{
        QColor(0xa8, 0xa8, 0xb4),  // never asked
        QColor(0xd9, 0x53, 0x4f), QColor(0xe8, 0x8a, 0x3c), QColor(0xe6, 0xc2, 0x3a),
        QColor(0x8c, 0xc0, 0x4f), QColor(0x2e, 0x9e, 0x5b),
    };
    return colors[std::clamp(bar, 0, int(colors.size()) - 1)];
}

QColor LearningChart::ScoreColor()
{
    return QColor(0x2a, 0x6f, 0xdb);
}

QColor LearningChart::ReviewColor()
{
    return QColor(0xe0, 0x6a, 0x00);
}

QSize LearningChart::sizeHint() const
{
    return {640, 440};
}

QSize LearningChart::minimumSizeHint() const
{
    return {360, 300};
}

void LearningChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter, rect());
}

void LearningChart::Paint(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.fillRect(area, palette().base());
    painter.setFont(font());
    const int scoresHeight = area.height() * 55 / 100;
    const QRect inner = area.adjusted(8, 6, -8, -6);
    PaintScores(painter, QRect(inner.left(), inner.top(), inner.width(), scoresHeight - 12));
    PaintBoxes(painter, QRect(inner.left(), area.top() + scoresHeight, inner.width(),
                              inner.bottom() - area.top() - scoresHeight + 1));
    painter.restore();
}

int LearningChart::PaintCaption(QPainter &painter, const QRect &area, const QString &caption) const
{
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Text));
    const int height = QFontMetrics(bold).height();
    painter.drawText(QRect(area.left(), area.top(), area.width(), height), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.restore();
    return height;
}

void LearningChart::PaintScores(QPainter &painter, const QRect &area) const
{
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height();
    const int captionHeight = PaintCaption(painter, area, QStringLiteral("勝負の得点"));
    const QColor text = palette().color(QPalette::Text);

    if (!sets_.isEmpty()) {
        // The legend, right of the caption: ● 通常 ◆ 復習.
        const QString normal = QStringLiteral("通常"), review = QStringLiteral("復習");
        const int gap = line / 2, mark = int(2 * kMarkerRadius + 4);
        int x = area.right() -
                (mark + metrics.horizontalAdvance(normal) + 2 * gap + mark + metrics.horizontalAdvance(review));
        const int middle = area.top() + captionHeight / 2;
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawMarker(painter, QPointF(x + mark / 2.0, middle), false);
        x += mark;
        painter.setPen(text);
        painter.drawText(QRect(x, area.top(), metrics.horizontalAdvance(normal) + 2, captionHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, normal);
        x += metrics.horizontalAdvance(normal) + 2 * gap;
        DrawMarker(painter, QPointF(x + mark / 2.0, middle), true);
        x += mark;
        painter.setPen(text);
        painter.drawText(QRect(x, area.top(), metrics.horizontalAdvance(review) + 2, captionHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, review);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    const int left = area.left() + metrics.horizontalAdvance(QStringLiteral("100")) + 8;
    const int top = area.top() + captionHeight + line;
    const int bottom = area.bottom() - line - 6;
    const QRect plot(QPoint(left, top), QPoint(area.right() - 4, bottom));
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const auto yOf = [&](double score) { return plot.bottom() - score * plot.height() / 100.0; };

    // Grid every 20 points; labels every 20 where the lines are far enough apart, else 0, 50, 100.
    const bool everyTwenty = plot.height() / 5 >= line;
    QColor grid = text;
    grid.setAlpha(40);
    for (int score = 0; score <= 100; score += 10) {
        const bool labelled = everyTwenty ? score % 20 == 0 : score % 50 == 0;
        if (score % 20 != 0 && !labelled)
            continue;
        const int y = qRound(yOf(score));
        if (score % 20 == 0) {
            painter.setPen(grid);
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
        if (labelled) {
            painter.setPen(text);
            painter.drawText(QRect(area.left(), y - line / 2, left - area.left() - 6, line),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(score));
        }
    }
    painter.setPen(text);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    if (sets_.isEmpty()) {
        painter.drawText(plot, Qt::AlignCenter, NoRecordText());
        return;
    }

    const int setCount = int(sets_.size());
    const double usable = std::max(1, plot.width() - 2 * kPointInset);
    const auto xOf = [&](double set) {
        if (setCount == 1)
            return plot.left() + plot.width() / 2.0;
        return plot.left() + kPointInset + set * usable / (setCount - 1);
    };

    // The dates under a few sets, as many as fit side by side.
    const bool withYear = sets_.constFirst().finished.toLocalTime().date().year() !=
                          sets_.constLast().finished.toLocalTime().date().year();
    const int labelWidth =
        metrics.horizontalAdvance(withYear ? QStringLiteral("8888/88/88") : QStringLiteral("88/88")) + 2;
    const int maxTicks = std::max(1, int(usable) / (labelWidth + line));
    QString lastDate;
    for (int set : AxisTickSets(setCount, maxTicks)) {
        // Sets of one day share their date: it stands once, under the first of them.
        const QString date = SetDate(sets_[set], withYear);
        if (date == lastDate)
            continue;
        lastDate = date;
        const int x = qRound(xOf(set));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        QRect label(x - labelWidth / 2, plot.bottom() + 4, labelWidth, line);
        label.moveLeft(std::clamp(label.left(), area.left(), area.right() - labelWidth));
        painter.drawText(label, Qt::AlignCenter, date);
    }

    // At most one point per pixel column.
    const QList<ScoreBucket> buckets = BucketScores(sets_, int(usable) + 1);
    const bool markers = buckets.size() == 1 || usable / (buckets.size() - 1) >= kMarkerSpacing;
    QPolygonF means;
    means.reserve(buckets.size());
    // A column of several sets is shaded from their lowest to their highest score. The columns
    // are set into one image drawn once: a fill per column would cost the painter's set-up of
    // a blend (and its worker threads) hundreds of times.
    QImage ranges;
    if (!markers) {
        ranges = QImage(plot.size(), QImage::Format_ARGB32_Premultiplied);
        ranges.fill(Qt::transparent);
    }
    QColor band = ScoreColor();
    band.setAlpha(60);
    const QRgb bandPixel = qPremultiply(band.rgba());
    for (const ScoreBucket &bucket : buckets) {
        const double x = xOf(bucket.Position());
        means << QPointF(x, yOf(bucket.mean));
        if (markers)
            continue;
        // From the column of its first set to that of its last, so that no column is left out.
        const auto columnOf = [&](int set) { return std::clamp(int(xOf(set)) - plot.left(), 0, ranges.width() - 1); };
        const int first = columnOf(bucket.firstSet), last = std::max(first, columnOf(bucket.lastSet));
        const int top = std::clamp(qRound(yOf(bucket.highest)) - plot.top(), 0, ranges.height() - 1);
        const int bottom = std::clamp(qRound(yOf(bucket.lowest)) - plot.top(), 0, ranges.height() - 1);
        for (int y = top; y <= bottom && bucket.lowest < bucket.highest; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(ranges.scanLine(y));
            std::fill(line + first, line + last + 1, bandPixel);
        }
    }
    if (!markers)
        painter.drawImage(plot.topLeft(), ranges);
    // A dense line is drawn one pixel wide: a wider stroke of hundreds of steep segments costs
    // far more and shows nothing more.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(markers ? QPen(ScoreColor(), 1.5) : QPen(ScoreColor(), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(means);
    if (markers) {
        for (qsizetype b = 0; b < buckets.size(); ++b)
            DrawMarker(painter, means[b], buckets[b].Review());
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void LearningChart::PaintBoxes(QPainter &painter, const QRect &area) const
{
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height();
    const int captionHeight = PaintCaption(painter, area, QStringLiteral("箱ごとの単語数"));
    const QColor text = palette().color(QPalette::Text);

    const int top = area.top() + captionHeight + line + 2;  // room for the top bar's number
    const int baseline = area.bottom() - 2 * line - 4;      // two lines of captions below
    if (baseline - top < 10)
        return;
    constexpr int bars = TopBox + 2;
    std::array<int, bars> counts{};
    counts[0] = counts_.notAsked;
    for (int box = 0; box <= TopBox; ++box)
        counts[box + 1] = counts_.inBox[box];
    const int highest = std::max(1, *std::max_element(counts.begin(), counts.end()));

    const double slot = area.width() / double(bars);
    const int barWidth = std::clamp(int(slot * 0.55), 6, 64);
    for (int bar = 0; bar < bars; ++bar) {
        const int middle = area.left() + int(slot * bar + slot / 2);
        const int count = std::max(0, counts[bar]);
        int height = int(qint64(count) * (baseline - top) / highest);
        if (count > 0)
            height = std::max(height, 1);  // a word or two still shows
        const QRect body(middle - barWidth / 2, baseline - height, barWidth, height);
        if (height > 0)
            painter.fillRect(body, BarColor(bar));
        painter.setPen(text);
        painter.drawText(QRect(middle - int(slot / 2), body.top() - line - 1, int(slot), line),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
        const QString caption = bar == 0 ? QStringLiteral("未出題") : QStringLiteral("箱%1").arg(bar - 1);
        painter.drawText(QRect(middle - int(slot / 2), baseline + 3, int(slot), line), Qt::AlignCenter, caption);
        if (bar - 1 == TopBox)
            painter.drawText(QRect(middle - int(slot / 2), baseline + 3 + line, int(slot), line), Qt::AlignCenter,
                             QStringLiteral("（習得）"));
    }
    painter.drawLine(area.left(), baseline, area.right(), baseline);
}
