#include "pads/TQuillmaren.h"

#include "dialogs/InstalledFonts.h"
#include "pads/SymbolCaption.h"

#include "compose/ComposeTable.h"
#include "pads/TShape.h"

#include <QEvent>
#include <QFontMetrics>

#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kFrameFontSize = 10;

/// Component numbers of the elements of each page, so that each has its own name.
struct PageNames {
    int background, heading, firstFollowUp, firstTriggerBox, firstHighlight, firstButton;
    std::array<int, 4> triggerLabels;
};
constexpr PageNames kLowerNames{1, 1, 7, 13, 3, 1, {2, 3, 4, 6}};
constexpr PageNames kUpperNames{2, 5, 20, 17, 8, 37, {16, 17, 18, 19}};

const QColor kHighlightColors[5] = {Qt::blue, Qt::red, Qt::cyan, Qt::green, Qt::yellow};
const char16_t *const kTriggerCaptions[4] = {u"[", u"]", u"^ / ~", u"\\"};

QFont PadFont(const QString &family, int points, bool bold = false)
{
    QFont font = InstalledFont(family, points);
    font.setBold(bold);
    return font;
}

/// The font at its given size, or smaller until its line fits into height pixels: on a small
/// pad the labels keep their whole glyphs instead of being cut.
QFont FontToFit(QFont font, int height)
{
    // Scale once by the ratio of the heights (every size tried loads a font), then step down
    // while rounding still leaves it too tall.
    int line = QFontMetrics(font).height();
    if (line <= height)
        return font;
    font.setPointSize(qMax(6, font.pointSize() * height / line));
    while (font.pointSize() > 6 && QFontMetrics(font).height() > height)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

/// An area of at least the text line's height, centred where the layout puts it and moved up
/// so that it ends at bottom at the latest and starts at the page's top at the earliest.
QRect LineArea(const QRect &area, const QFont &font, int bottom)
{
    const int line = QFontMetrics(font).height();
    if (line <= area.height())
        return area;
    const int top = qMax(0, qMin(area.top(), bottom - line));
    return {area.left(), top, area.width(), line};
}

QString Name(const char *kind, int number)
{
    return QString::fromLatin1(kind) + QString::number(number);
}

}  // namespace

TQuillmaren::TQuillmaren(CompositionEngine &engine, QWidget *parent) : QFrame(parent), engine_(engine)
{
    setObjectName(QStringLiteral("TQuillmaren"));
    setFont(PadFont(QStringLiteral("Tahoma"), kFrameFontSize));
    resize(490, 220);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);

    BuildPage(lower_, false);
    BuildPage(upper_, true);
    PageControl1->addTab(lower_.sheet, QStringLiteral("小文字"));
    PageControl1->addTab(upper_.sheet, QStringLiteral("大文字"));
    lower_.sheet->installEventFilter(this);
}

void TQuillmaren::BuildPage(Page &page, bool upper)
{
    const PageNames &names = upper ? kUpperNames : kLowerNames;
    page.sheet = new QWidget;
    page.sheet->setObjectName(upper ? QStringLiteral("TabSheet2") : QStringLiteral("TabSheet1"));

    page.background = new TShape(page.sheet);
    page.background->setObjectName(Name("Shape", names.background));
    for (int i = 0; i < 5; ++i) {
        page.highlights[i] = new TShape(page.sheet);
        page.highlights[i]->setObjectName(Name("Shape", names.firstHighlight + i));
    }
    for (int row = 0; row < 4; ++row) {
        page.triggerBoxes[row] = new TShape(page.sheet);
        page.triggerBoxes[row]->setObjectName(Name("Shape", names.firstTriggerBox + row));
        page.triggerLabels[row] = new QLabel(QString::fromUtf16(kTriggerCaptions[row]), page.sheet);
        page.triggerLabels[row]->setObjectName(Name("Label", names.triggerLabels[row]));
        page.triggerLabels[row]->setAlignment(Qt::AlignCenter);
    }
    page.heading = new QLabel(QStringLiteral("Trigger"), page.sheet);
    page.heading->setObjectName(Name("Label", names.heading));
    page.heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (int column = 0; column < 9; ++column) {
        page.followUps[column] = new QLabel(page.sheet);
        page.followUps[column]->setObjectName(Name("Label", names.firstFollowUp + column));
        page.followUps[column]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    const auto &letters = upper ? UpperLetters() : LowerLetters();
    for (int index = 0; index < 36; ++index) {
        auto *button = new QToolButton(page.sheet);
        button->setObjectName(Name("SpeedButton", names.firstButton + index));
        SetSymbolCaption(button, letters[index]);
        button->setFocusPolicy(Qt::NoFocus);  // the host's field keeps the focus
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, [this, button] { InsertSymbol(SymbolOf(button)); });
        page.buttons[index] = button;
    }
}

bool TQuillmaren::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lower_.sheet && event->type() == QEvent::Resize)
        LayoutPad();
    return QFrame::eventFilter(watched, event);
}

void TQuillmaren::LayoutPad()
{
    engine_.ResetPending();
    geometry_ = ComputePadGeometry(lower_.sheet->size());
    LayoutPage(lower_, false);
    LayoutPage(upper_, true);
    ClearFollowUps();
    PageControl1->setCurrentIndex(0);
}

void TQuillmaren::LayoutPage(Page &page, bool upper)
{
    const PadGeometry &g = geometry_;
    page.background->setGeometry(QRect(QPoint(0, 0), lower_.sheet->size()));
    page.background->SetBrush(QColor(96, 187, 236));
    page.background->SetPen(upper ? QColor(0, 0, 128) : QColor(Qt::blue), 1);

    for (int i = 0; i < 5; ++i) {
        page.highlights[i]->setGeometry(g.RowHighlight(i));
        page.highlights[i]->SetBrush(kHighlightColors[i]);
        page.highlights[i]->SetPen(Qt::white, 3);
    }

    const QFont buttonFont = PadFont(QStringLiteral("Arial"), kFrameFontSize + 6);
    for (int index = 0; index < 36; ++index) {
        page.buttons[index]->setGeometry(g.ButtonRect(index));
        page.buttons[index]->setFont(buttonFont);
    }

    // Heading and key hints share the band above the first row.
    const QFont headingFont = FontToFit(PadFont(QStringLiteral("Tahoma"), kFrameFontSize + 2), g.Y0);
    page.heading->setFont(headingFont);
    const QRect headingArea = LineArea(g.HeadingArea(), headingFont, g.Y0);
    const int headingWidth = QFontMetrics(headingFont).horizontalAdvance(page.heading->text()) + 2;
    page.heading->setGeometry(headingArea.adjusted(0, 0, qMax(0, headingWidth - headingArea.width()), 0));

    const QColor boxBrush = upper ? palette().color(QPalette::ToolTipBase) : QColor(Qt::white);
    for (int row = 0; row < 4; ++row) {
        page.triggerBoxes[row]->setGeometry(g.TriggerBox(row));
        page.triggerBoxes[row]->SetBrush(boxBrush);
        page.triggerBoxes[row]->SetPen(QColor(128, 128, 128), 3);
        // A trigger's label stays inside its box.
        page.triggerLabels[row]->setFont(
            FontToFit(PadFont(QStringLiteral("Tahoma"), kFrameFontSize + (row == 3 ? 4 : 1), true), g.BH));
        page.triggerLabels[row]->setGeometry(g.TriggerLabelArea(row));
    }

    const QString vowels = upper ? QStringLiteral("AEIOU") : QStringLiteral("aeiou");
    QPalette blue = page.followUps[0]->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    const QFont hintFont = FontToFit(PadFont(QStringLiteral("Tahoma"), kFrameFontSize + 3), g.Y0);
    for (int column = 0; column < 9; ++column) {
        QLabel *label = page.followUps[column];
        label->setFont(hintFont);
        label->setPalette(blue);
        label->setGeometry(LineArea(g.FollowUpLabelArea(column), hintFont, g.Y0));
        if (column < 5)
            label->setText(vowels.at(column));
    }
}

void TQuillmaren::ClearFollowUps()
{
    for (Page *page : {&lower_, &upper_}) {
        for (TShape *highlight : page->highlights)
            highlight->hide();
        for (QLabel *label : page->followUps)
            label->hide();
    }
}

void TQuillmaren::ShowFollowUps(QChar trigger)
{
    const auto highlight = std::find(TriggerKeys.begin(), TriggerKeys.end(), trigger);
    if (highlight == TriggerKeys.end())
        return;
    const int t = int(highlight - TriggerKeys.begin());
    const int row = t <= 2 ? t : t - 1;  // ^ and ~ share the third row
    for (Page *page : {&lower_, &upper_}) {
        for (int i = 0; i < 5; ++i)
            page->highlights[i]->setVisible(i == t);
        // Each cell of the row shows the key that composes its character with this trigger;
        // a cell that another trigger fills keeps its label as it is.
        const auto &letters = page == &upper_ ? UpperLetters() : LowerLetters();
        for (int index = 0; index < 36; ++index) {
            if (PadGeometry::RowOf(index) != row)
                continue;
            const QChar key = FollowUpKeyFor(trigger, letters[index]);
            if (key.isNull())
                continue;
            QLabel *label = page->followUps[PadGeometry::ColumnOf(index)];
            label->setText(QString(key));
            label->show();
        }
    }
}

void TQuillmaren::InsertSymbol(const QString &) {}
