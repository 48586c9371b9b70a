#pragma once

#include "learning/LearningTypes.h"

#include <QList>
#include <QWidget>

class QPainter;

/// Two charts of a book's learning: "勝負の得点", the scores of its finished sets in their
/// order as a line with points (review sets as diamonds), and "箱ごとの単語数", a bar per box
/// and one for the words never asked, each with its number. Drawn with QPainter; with more
/// sets than pixel columns, a column shows the mean and the range of its sets.
class LearningChart : public QWidget
{
    Q_OBJECT

public:
    explicit LearningChart(QWidget *parent = nullptr);

    void ShowRecord(QList<SetRecord> sets, BoxCounts counts);

    /// Draws both charts into area, on whatever the painter paints (the widget, an image).
    void Paint(QPainter &painter, const QRect &area) const;

    /// The bars' colours: 0 for the words never asked, 1 + box for each box.
    static QColor BarColor(int bar);
    static QColor ScoreColor();
    static QColor ReviewColor();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void PaintScores(QPainter &painter, const QRect &area) const;
    void PaintBoxes(QPainter &painter, const QRect &area) const;
    /// The chart's caption on its first line; returns the height it takes.
    int PaintCaption(QPainter &painter, const QRect &area, const QString &caption) const;

    QList<SetRecord> sets_;
    BoxCounts counts_;
};
