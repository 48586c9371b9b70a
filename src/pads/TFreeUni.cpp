#include "pads/TFreeUni.h"

#include "dialogs/InstalledFonts.h"
#include "pads/SymbolCaption.h"

#include "symbols/FreePalette.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kFramePoints = 10;  // Tahoma, 13 pixels high
constexpr int kButtonPoints = kFramePoints + 6;
}  // namespace

TFreeUni::TFreeUni(SettingsStore &settings, QWidget *parent) : QFrame(parent), settings_(settings)
{
    setObjectName(QStringLiteral("TFreeUni"));
    QFont frameFont = InstalledFont(QStringLiteral("Tahoma"));
    frameFont.setPixelSize(13);
    setFont(frameFont);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    auto *lines = new QVBoxLayout(panel2);
    lines->setContentsMargins(4, 4, 4, 4);
    lines->setSpacing(0);
    lines->addWidget(new QLabel(QStringLiteral("・変更はユニコード値を入力するか、"), panel2));
    lines->addWidget(new QLabel(QStringLiteral("　1文字そのものをコピペして下さい。"), panel2));
    column->addWidget(panel2);
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    column->addWidget(Panel3, 1);

    for (int i = 0; i < 8; ++i) {
        Buttons[i] = new QToolButton(Panel3);
        Buttons[i]->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        Buttons[i]->setFocusPolicy(Qt::NoFocus);
        connect(Buttons[i], &QToolButton::clicked, this, [this, i] {
            if (!SymbolOf(Buttons[i]).isEmpty())
                InsertSymbol(SymbolOf(Buttons[i]));
        });
        Boxes[i] = new QLineEdit(Panel3);
        Boxes[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        Boxes[i]->setMaxLength(4);
        Boxes[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        connect(Boxes[i], &QLineEdit::textChanged, this, [this, i] { Edit1Change(i); });
        Labels[i] = new QLabel(QString::number(i + 1), Panel3);
        Labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
}

void TFreeUni::LayoutPalette() {}

void TFreeUni::InsertSymbol(const QString &) {}

void TFreeUni::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    LayoutPalette();  // FrameResize
}

void TFreeUni::LayoutWith(const Metrics &m)
{
    const int pitch = (Panel3->height() - 16) / 4;
    const QFont buttonFont = InstalledFont(mainFont_, kButtonPoints);
    QFont boxFont = font();
    boxFont.setPointSize(kFramePoints + 2);
    for (int i = 0; i < 8; ++i) {
        const int row = i % 4;
        const int columnStart = i < 4 ? 0 : Panel3->width() / 2;
        const int top = 8 + row * pitch;
        Buttons[i]->setFont(buttonFont);
        Buttons[i]->setGeometry(columnStart + m.buttonLeft, top, m.button, m.button);
        Boxes[i]->setFont(boxFont);
        const int boxHeight = Boxes[i]->sizeHint().height();
        Boxes[i]->setGeometry(columnStart + m.boxLeft, top + (m.button - boxHeight) / 2, m.box, boxHeight);
        Boxes[i]->clear();
        Labels[i]->setFont(boxFont);
        const int labelHeight = Labels[i]->sizeHint().height();
        Labels[i]->setGeometry(columnStart + m.labelLeft, top + (m.button - labelHeight) / 2,
                               Labels[i]->sizeHint().width(), labelHeight);
    }
    ShowFreeSymbols();
}

void TFreeUni::ShowFreeSymbols()
{
    for (int i = 0; i < 8; ++i)
        Boxes[i]->setText(QString(settings_.Get().FreeUBox[i]));
}

void TFreeUni::RefreshPaletteFont(const QString &mainFont)
{
    mainFont_ = mainFont;
    const QFont buttonFont = InstalledFont(mainFont_, kButtonPoints);
    for (QToolButton *button : Buttons) {
        button->setFont(buttonFont);
        button->update();
    }
}

void TFreeUni::Edit1Change(int place)
{
    const CodeBoxOutcome outcome = ApplyCodeBoxText(Boxes[place]->text());
    if (outcome.changesCaption)
        SetSymbolCaption(Buttons[place], outcome.caption);
    if (outcome.stored)
        settings_.Change([&](Settings &s) { s.FreeUBox[place] = *outcome.stored; });
    if (outcome.boxText)
        Boxes[place]->setText(*outcome.boxText);  // runs this handler again with the code
}
