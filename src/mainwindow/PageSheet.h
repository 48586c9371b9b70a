#pragma once

#include <QWidget>

/// A page of the page control. While another page shows, it claims no size, so that the page
/// control never measures a hidden page's contents: their fonts and text layouts cost nothing
/// until the page is first seen. Shown, it measures as any widget does.
class PageSheet : public QWidget
{
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return isHidden() ? QSize(0, 0) : QWidget::sizeHint(); }
    QSize minimumSizeHint() const override { return isHidden() ? QSize(0, 0) : QWidget::minimumSizeHint(); }

protected:
    void showEvent(QShowEvent *event) override
    {
        updateGeometry();  // the page control measures the page now that it shows
        QWidget::showEvent(event);
    }
};
