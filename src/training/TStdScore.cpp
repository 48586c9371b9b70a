#include "training/TStdScore.h"

#include "dialogs/InstalledFonts.h"
#include "pads/TShape.h"
#include "training/QuizSets.h"

#include <QLabel>
#include <QPushButton>

namespace {

QFont FrameFont(int pixels, bool bold = false)
{
    QFont font = InstalledFont(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

constexpr int kScoreBorder = 2;   // the score box's outline
constexpr int kScorePixels = 32;  // the score's size where "100" fits its box
constexpr int kScoreRoom = 4;     // free pixels between the score's digits and the box's border

/// Centres a label horizontally on x (the halves rounded toward zero).
void CentreAt(QLabel *label, int x, int top)
{
    label->adjustSize();
    label->move(x - label->width() / 2, top);
}

}  // namespace

TStdScore::TStdScore(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("TStdScore"));
    setFont(FrameFont(16));
    resize(514, 58);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Shape1 = new TShape(Panel1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->SetBrush(Qt::black);
    Shape2 = new TShape(Panel1);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->SetPen(Qt::black, kScoreBorder);
    Shape3 = new TShape(Panel1);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape4 = new TShape(Panel1);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Label1 = MakeLabel(Panel1, "Label1", QStringLiteral("score"), Qt::black);
    Label1->setFont(FrameFont(12));
    Label2 = MakeLabel(Panel1, "Label2", QStringLiteral("100"), Qt::black);
    Label2->setFont(FrameFont(32, true));
    Label3 = MakeLabel(Panel1, "Label3", QStringLiteral("0"), Qt::yellow);
    Label4 = MakeLabel(Panel1, "Label4", QStringLiteral("0"), Qt::yellow);
    Label5 = MakeLabel(Panel1, "Label5", QString::number(SetSize), Qt::yellow);
    Label6 = MakeLabel(Panel1, "Label6", QString::number(SetSize) + QStringLiteral("問未満"), Qt::yellow);
    QFont small = Label6->font();
    small.setPointSize(10);
    Label6->setFont(small);
    // Yellow on its own black plate, like the numbers over the bar: readable over the blue
    // track and the aqua filled part alike.
    Label6->setAutoFillBackground(true);
    QPalette plate = Label6->palette();
    plate.setColor(QPalette::Window, Qt::black);
    Label6->setPalette(plate);
    Label6->setMargin(0);
    Label6->setContentsMargins(4, 0, 4, 0);
    NextBtn = new QPushButton(QStringLiteral("NEXT"), Panel1);
    NextBtn->setObjectName(QStringLiteral("NextBtn"));
    NextBtn->setAutoDefault(true);
    connect(NextBtn, &QPushButton::clicked, this, &TStdScore::NextClicked);
    LayoutScoreBoard();
}

void TStdScore::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    LayoutScoreBoard();
}

void TStdScore::LayoutScoreBoard()
{
    Panel1->setGeometry(rect());
    const int width = Panel1->width();
    Shape1->setGeometry(78, 0, width - 156, height());
    Shape2->setGeometry(4, 4, 70, 50);
    CentreAt(Label1, Shape2->x() + Shape2->width() / 2, 5);
    PlaceScore();
    const int track = int(Shape1->width() * 0.85);
    Shape3->setGeometry(Shape1->x() + (Shape1->width() - track) / 2, 30, track, 16);
    Shape4->setGeometry(Shape3->x(), 30, int(track * position_ / double(SetSize)), 16);
    Label4->setText(QString::number(position_));
    CentreAt(Label4, Shape4->x() + Shape4->width(), 8);
    Label6->adjustSize();
    Label6->move(Shape3->x() + (Shape3->width() - Label6->width()) / 2,
                 Shape3->y() + (Shape3->height() - Label6->height()) / 2);
    CentreAt(Label3, Shape3->x(), 8);
    CentreAt(Label5, Shape3->x() + Shape3->width(), 8);
    NextBtn->setGeometry(Shape1->x() + Shape1->width() + 4, 3, 70, 50);
    Label6->raise();
}

void TStdScore::PlaceScore()
{
    // The digits (drawn, not their line box) fit between "score" and the box's bottom border
    // with room on every side: the bold size shrinks from 32 pixels until "100" does.
    const int edge = kScoreBorder + kScoreRoom;
    const QRect inside = Shape2->geometry().adjusted(edge, Label1->y() + Label1->height() - Shape2->y(), -edge, -edge);
    QFont font = FrameFont(kScorePixels, true);
    QRect digits;
    for (int pixels = kScorePixels; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        digits = QFontMetrics(font).tightBoundingRect(QStringLiteral("100"));
        if (digits.width() <= inside.width() && digits.height() <= inside.height())
            break;
    }
    Label2->setFont(font);
    Label2->adjustSize();
    // The label's baseline sits at its ascent; its digits are centred in the room below "score".
    const int ascent = QFontMetrics(font).ascent();
    const int baseline = inside.top() + (inside.height() - digits.height()) / 2 - digits.top();
    Label2->move(Shape2->x() + (Shape2->width() - Label2->width()) / 2, baseline - ascent);
}

void TStdScore::ShowScore(int score)
{
    Label2->setText(QString::number(score));
    PlaceScore();
}

void TStdScore::ShowProgress(int position)
{
    position_ = position;
    const int track = int(Shape1->width() * 0.85);
    Shape4->setGeometry(Shape3->x(), Shape4->y(), int(track * position / double(SetSize)), Shape4->height());
    Label4->setText(QString::number(position));
    CentreAt(Label4, Shape4->x() + Shape4->width(), Label4->y());
}

void TStdScore::ShowSetKind(bool provisional)
{
    Shape3->SetBrush(provisional ? QColor(0x0000FF) : QColor(0x008000));
    Shape4->SetBrush(provisional ? QColor(0x00FFFF) : QColor(0x00FF00));
    Label6->setVisible(provisional);
}
