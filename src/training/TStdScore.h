#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class TShape;

/// The score board above the question frame: the score of the running set in its box, a bar
/// over the ten questions with the number shown so far, and the NEXT button. A frame of
/// 514 × 58.
class TStdScore : public QFrame
{
    Q_OBJECT

public:
    explicit TStdScore(QWidget *parent);

    /// The score in its box, centred.
    void ShowScore(int score);
    /// The bar filled for position questions of ten, the number over its right end.
    void ShowProgress(int position);
    /// The bar's colours: green and lime for a full book, blue and aqua with "10問未満" for a
    /// provisional set.
    void ShowSetKind(bool provisional);
    QPushButton *NextButton() const { return NextBtn; }

signals:
    void NextClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Lays every part out for the frame's width (FrameResize).
    void LayoutScoreBoard();
    /// The score in the largest bold size up to 32 pixels whose "100" fits inside its box.
    void PlaceScore();

    int position_ = 0;
    QWidget *Panel1 = nullptr;
    TShape *Shape1 = nullptr;  ///< the bar area's black background
    TShape *Shape2 = nullptr;  ///< the score box
    TShape *Shape3 = nullptr;  ///< the bar's track
    TShape *Shape4 = nullptr;  ///< the bar's filled part
    QPushButton *NextBtn = nullptr;
    QLabel *Label1 = nullptr;  ///< "score"
    QLabel *Label2 = nullptr;  ///< the score
    QLabel *Label3 = nullptr;  ///< "0"
    QLabel *Label4 = nullptr;  ///< questions shown so far
    QLabel *Label5 = nullptr;  ///< "10"
    QLabel *Label6 = nullptr;  ///< "10問未満"
};
