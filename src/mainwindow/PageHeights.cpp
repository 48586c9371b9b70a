#include "mainwindow/PageHeights.h"

#include <QEvent>
#include <QSplitter>
#include <QTimer>

PageHeights::PageHeights(QWidget *upper, QWidget *pages, std::function<bool()> trainingShowing, QWidget *parent)
    : QObject(parent), upper_(upper), pages_(pages), trainingShowing_(std::move(trainingShowing))
{
    Splitter1 = new QSplitter(Qt::Vertical, parent);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(upper_);
    Splitter1->addWidget(pages_);
    Splitter1->installEventFilter(this);
    connect(Splitter1, &QSplitter::splitterMoved, this, &PageHeights::RememberSplitterHeights);

    CurtainTimer = new QTimer(this);
    CurtainTimer->setObjectName(QStringLiteral("CurtainTimer"));
    CurtainTimer->setInterval(10);
    connect(CurtainTimer, &QTimer::timeout, this, &PageHeights::CurtainTimerTimer);
}

void PageHeights::SetStretchDown(bool on)
{
    RememberSplitterHeights();
    stretchDown_ = on;
}

void PageHeights::ShowStandardHeights()
{
    lowerHeight_ = StandardPageHeight;
    KeepSplitterHeights();
}

bool PageHeights::PagesFillWindow() const
{
    return upper_->isHidden();
}

bool PageHeights::AtStandardHeight() const
{
    return pages_->height() == StandardPageHeight && !upper_->isHidden();
}

void PageHeights::StartCurtain()
{
    CurtainTimer->start();
}

bool PageHeights::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == Splitter1)
        KeepSplitterHeights();
    return QObject::eventFilter(watched, event);
}

void PageHeights::CurtainTimerTimer()
{
    const int available = Splitter1->height() - Splitter1->handleWidth();
    if (trainingShowing_()) {
        const int height = pages_->height();
        if (!upper_->isHidden() && height < available) {
            lowerHeight_ = qMin(available, height + 15);
            KeepSplitterHeights();
            if (pages_->height() > height)
                return;  // growing; a height the input area's minimum stops ends the growth
        }
        // The pages take the whole height: the input area and its side panel give way.
        upper_->hide();
        lowerHeight_ = available;
        CurtainTimer->stop();
        emit PagesFilledWindow();
        return;
    }
    if (upper_->isHidden()) {
        lowerHeight_ = pages_->height();
        upper_->show();
        KeepSplitterHeights();
    }
    if (pages_->height() > StandardPageHeight) {
        lowerHeight_ = qMax(StandardPageHeight, pages_->height() - 25);
        KeepSplitterHeights();
        if (pages_->height() > StandardPageHeight)
            return;
    }
    lowerHeight_ = StandardPageHeight;
    KeepSplitterHeights();
    CurtainTimer->stop();
    emit PagesAtStandardHeight();
}

void PageHeights::RememberSplitterHeights()
{
    const QList<int> sizes = Splitter1->sizes();
    upperHeight_ = sizes.value(0);
    lowerHeight_ = sizes.value(1);
}

void PageHeights::KeepSplitterHeights()
{
    // 下伸び on: the input area keeps its height and the pages take the rest; off: the pages
    // keep theirs and the input area takes the rest.
    const int total = Splitter1->height() - Splitter1->handleWidth();
    if (total <= 1)
        return;
    if (stretchDown_) {
        const int upper = qBound(1, upperHeight_, total - 1);
        Splitter1->setSizes({upper, total - upper});
    } else {
        const int lower = qBound(1, lowerHeight_, total - 1);
        Splitter1->setSizes({total - lower, lower});
    }
}
