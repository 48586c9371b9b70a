#pragma once

#include <QColor>
#include <QWidget>

/// A painted shape: a filled rectangle or circle with an outline, as used for backgrounds,
/// highlights, trigger boxes and indicators.
class TShape : public QWidget
{
public:
    enum class Kind { Rectangle, Circle };

    explicit TShape(QWidget *parent, Kind kind = Kind::Rectangle);

    void SetBrush(const QColor &color);
    void SetPen(const QColor &color, int width);
    QColor Brush() const { return brush_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};
