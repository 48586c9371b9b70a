#pragma once

#include <QObject>

#include <functional>

class QSplitter;
class QTimer;
class QWidget;

/// The heights of the window's two parts in Splitter1: the input area above and the pages
/// below. With 下伸び off the pages keep their height and the input area takes what the window
/// gains; with it on the input area keeps its height. On the training page the pages grow step
/// by step to the whole height (the input area gives way), and on the other pages they shrink
/// back to their normal height (CurtainTimer).
class PageHeights : public QObject
{
    Q_OBJECT

public:
    /// The pages' height while 下伸び is off and nothing grew them.
    static constexpr int StandardPageHeight = 289;

    /// upper and pages become the splitter's two parts; trainingShowing tells which way the
    /// curtain moves.
    PageHeights(QWidget *upper, QWidget *pages, std::function<bool()> trainingShowing, QWidget *parent);

    QSplitter *Splitter() const { return Splitter1; }

    /// 下伸び: the pages take the height the window gains.
    bool StretchDown() const { return stretchDown_; }
    /// 下伸び switched: the heights as they are now are the ones to keep.
    void SetStretchDown(bool on);
    /// The pages at their normal height (the first show).
    void ShowStandardHeights();
    /// The pages fill the window and the input area is hidden.
    bool PagesFillWindow() const;
    /// The pages are at their normal height with the input area showing.
    bool AtStandardHeight() const;
    /// The curtain starts moving: up to the whole height on the training page, back otherwise.
    void StartCurtain();

signals:
    /// The pages reached the whole height on the training page.
    void PagesFilledWindow();
    /// The pages are back at their normal height.
    void PagesAtStandardHeight();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CurtainTimerTimer();
    void RememberSplitterHeights();
    void KeepSplitterHeights();

    QWidget *upper_;
    QWidget *pages_;
    std::function<bool()> trainingShowing_;
    QSplitter *Splitter1 = nullptr;
    QTimer *CurtainTimer = nullptr;
    bool stretchDown_ = false;
    int lowerHeight_ = StandardPageHeight;  ///< height the pages keep while 下伸び is off
    int upperHeight_ = 0;                   ///< height the input area keeps while 下伸び is on
};
