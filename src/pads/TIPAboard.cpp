#include "pads/TIPAboard.h"

#include "dialogs/FileErrorText.h"
#include "dialogs/InstalledFonts.h"
#include "pads/SymbolCaption.h"

#include "pads/TShape.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kFramePoints = 11;  // Tahoma, 15 pixels high
const QColor kSilver(192, 192, 192);
const QColor kAqua(0, 255, 255);

}  // namespace

/// One choice slot: grey while empty, white with its symbol when filled, aqua when highlighted.
/// A press moves it 2 pixels right and down until the button is released.
class TIPAboard::ChoiceSlot : public QWidget
{
public:
    ChoiceSlot(TIPAboard *pad, int number, QWidget *parent) : QWidget(parent), pad_(pad), number_(number) {}

    void Show(QChar symbol, bool highlighted, const QString &fontName)
    {
        symbol_ = symbol;
        highlighted_ = highlighted;
        fontName_ = fontName;
        update();
    }
    void Empty() { Show(QChar(), false, fontName_); }
    QChar Symbol() const { return symbol_; }
    bool Highlighted() const { return highlighted_; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const bool filled = !symbol_.isNull();
        painter.fillRect(rect(), !filled ? kSilver : highlighted_ ? kAqua : QColor(Qt::white));
        if (!filled)
            return;
        painter.setFont(InstalledFont(fontName_, kFramePoints + 5));
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, QString(symbol_));
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || symbol_.isNull())
            return;
        move(pos() + QPoint(2, 2));
        pressed_ = true;
        pad_->entry_.SlotClicked(number_);
    }
    void mouseReleaseEvent(QMouseEvent *) override
    {
        if (pressed_)
            move(pos() - QPoint(2, 2));
        pressed_ = false;
    }

private:
    TIPAboard *pad_;
    int number_;
    QChar symbol_;
    bool highlighted_ = false;
    bool pressed_ = false;
    QString fontName_;
};

const std::array<QChar, 48> &TIPAboard::KeyCharacters()
{
    static const std::array<QChar, 48> keys = [] {
        const QString text = QStringLiteral("!\"#$%&'() -^|QWERTYUIOP`{ASDFGHJKL;:}ZXCVBNM<>?_");
        std::array<QChar, 48> characters;
        for (int i = 0; i < 48; ++i)
            characters[i] = text.at(i);
        return characters;
    }();
    return keys;
}

TIPAboard::TIPAboard(Context context, QWidget *parent) : QFrame(parent), context_(std::move(context)), entry_(*this)
{
    setObjectName(QStringLiteral("TIPAboard"));
    QFont frameFont = InstalledFont(QStringLiteral("Tahoma"));
    frameFont.setPixelSize(15);
    setFont(frameFont);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette navy = Panel1->palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    Panel1->setPalette(navy);
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    shape1_ = new TShape(Panel2);
    shape1_->setObjectName(QStringLiteral("Shape1"));

    for (int i = 0; i < 10; ++i) {
        auto *slot = new ChoiceSlot(this, i + 1, Panel1);
        slot->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        Slots[i] = slot;
        SlotLabels[i] = new QLabel(QString::number((i + 1) % 10), Panel1);
        SlotLabels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        SlotLabels[i]->setAlignment(Qt::AlignCenter);
    }
    for (int n = 0; n < 48; ++n) {
        auto *key = new QToolButton(Panel2);
        key->setObjectName(QStringLiteral("SpeedButton%1").arg(n + 1));
        SetSymbolCaption(key, n == 9 ? QStringLiteral("sp") : QString(KeyCharacters()[n]));
        key->setFocusPolicy(Qt::NoFocus);
        const QChar character = KeyCharacters()[n];
        connect(key, &QToolButton::clicked, this, [this, key, character] {
            // Candidate keys form one group of which at most one is down.
            if (key->isCheckable() && key->isChecked()) {
                for (QToolButton *other : Keys) {
                    if (other != key)
                        other->setChecked(false);
                }
            }
            entry_.KeyClicked(character, key->isCheckable() && key->isChecked());
        });
        Keys[n] = key;
    }
}

void TIPAboard::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    LayoutPad();  // FrameResize
}

void TIPAboard::LayoutPad()
{
    geometry_ = ComputeIpaPadGeometry(size());
    shape1_->SetBrush(QColor(93, 136, 189));
    shape1_->SetPen(QColor(93, 136, 189), 0);
    Panel1->setGeometry(geometry_.panel1);
    Panel2->setGeometry(geometry_.panel2);
    shape1_->setGeometry(QRect(QPoint(0, 0), geometry_.panel2.size()));

    QFont keyFont = font();
    keyFont.setPointSize(kFramePoints + 2);
    for (int n = 0; n < 48; ++n) {
        Keys[n]->setFont(keyFont);
        Keys[n]->setGeometry(geometry_.KeyRect(n + 1));
    }
    QFont labelFont = font();
    labelFont.setPointSize(kFramePoints - 2);
    QPalette yellow = SlotLabels[0]->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    for (int i = 0; i < 10; ++i) {
        Slots[i]->setGeometry(geometry_.SlotRect(i + 1));
        SlotLabels[i]->setFont(labelFont);
        SlotLabels[i]->setPalette(yellow);
        SlotLabels[i]->setGeometry(geometry_.LabelArea(i + 1));
    }
    // The symbol set is read when the pad first lays out and again only when the chosen set
    // changes; a resize resets the entry with the candidates it has.
    if (!loadedFullSet_ || *loadedFullSet_ != context_.fullSet()) {
        ReloadCandidates();
    } else {
        entry_.SetCandidates(entry_.Candidates());
        ClearChoices();
        for (QToolButton *key : Keys)
            key->setChecked(false);
    }
}

void TIPAboard::ReloadCandidates()
{
    const bool fullSet = context_.fullSet();
    CandidateFileResult result = ReadCandidateFile(context_.tblFolder, fullSet);
    loadedFullSet_ = fullSet;
    entry_.SetCandidates(result.table);
    ClearChoices();
    // A fault is told once per pad, not at every reload of the same broken file.
    const QString error = result.error ? CandidateFileErrorText(*result.error) : QString();
    if (!error.isEmpty() && error != reportedError_ && context_.reportError)
        context_.reportError(error);
    reportedError_ = error;
    if (!result.table)
        return;  // no symbol set: every key stays as it is, inert
    for (int n = 0; n < 48; ++n) {
        QToolButton *key = Keys[n];
        const QChar character = KeyCharacters()[n];
        const bool candidate = entry_.HasCandidates(character);
        const bool space = character == PhoneticEntry::SpaceKey;
        key->setChecked(false);
        key->setCheckable(candidate);
        QPalette palette = key->palette();
        palette.setColor(QPalette::ButtonText, candidate || space ? QColor(Qt::black) : kSilver);
        key->setPalette(palette);
        key->setToolTip(space ? QStringLiteral("Space") : QString());
    }
}

QToolButton *TIPAboard::KeyOf(QChar key) const
{
    for (int n = 0; n < 48; ++n) {
        if (KeyCharacters()[n] == key)
            return Keys[n];
    }
    return nullptr;
}

void TIPAboard::ShowChoices(const QString &choices, int highlighted)
{
    const QString font = context_.ipaFont ? context_.ipaFont() : QString();
    for (int i = 0; i < 10; ++i) {
        auto *slot = static_cast<ChoiceSlot *>(Slots[i]);
        if (i < choices.size())
            slot->Show(choices.at(i), i + 1 == highlighted, font);
        else
            slot->Empty();
    }
    if (highlighted >= 1 && highlighted <= choices.size())
        ShowSymbolInfo(choices.at(highlighted - 1).unicode());
}

void TIPAboard::ClearChoices()
{
    for (QWidget *slot : Slots)
        static_cast<ChoiceSlot *>(slot)->Empty();
}

void TIPAboard::SetKeyDown(QChar key, bool down)
{
    QToolButton *button = KeyOf(key);
    if (!button || !button->isCheckable())
        return;
    if (down) {
        for (QToolButton *other : Keys)
            other->setChecked(false);
    }
    button->setChecked(down);
}

void TIPAboard::InsertSymbol(const QString &) {}

void TIPAboard::ShowSymbolInfo(char16_t) {}
