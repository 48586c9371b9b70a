#include "mainwindow/PadPanel.h"

#include "app/SettingsStore.h"
#include "pads/TIPAboard1.h"
#include "pads/TQuillmaren5.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

PadPanel::PadPanel(CompositionEngine &engine, const SettingsStore &settings, TIPAboard::Context phoneticContext,
                   QPlainTextEdit *memo, QLineEdit *edit, std::function<bool()> fillInBook, QWidget *parent)
    : QWidget(parent), engine_(engine), phoneticContext_(std::move(phoneticContext)), memo_(memo), edit_(edit),
      fillInBook_(std::move(fillInBook))
{
    setObjectName(QStringLiteral("Panel4"));
    connect(&settings, &SettingsStore::Changed, this, [this](SettingsStore::Aspects what) {
        if (what & SettingsStore::Aspect::PhoneticSymbolSet)
            ReloadPhoneticSymbolSet();
    });
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    PageControl3 = new QTabWidget(this);
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setFocusPolicy(Qt::NoFocus);
    TabSheet6 = new QWidget;
    TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
    TabSheet7 = new QWidget;
    TabSheet7->setObjectName(QStringLiteral("TabSheet7"));
    for (QWidget *sheet : {TabSheet6, TabSheet7})
        (new QVBoxLayout(sheet))->setContentsMargins(0, 0, 0, 0);
    PageControl3->addTab(TabSheet6, QStringLiteral("特殊文字"));
    PageControl3->addTab(TabSheet7, QStringLiteral("発音記号"));
    row->addWidget(PageControl3, 1);
    RichEdit2 = new QTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setReadOnly(true);
    RichEdit2->setFixedWidth(200);
    row->addWidget(RichEdit2);
    setFixedHeight(1);
    hide();

    NobiTimer = new QTimer(this);
    NobiTimer->setObjectName(QStringLiteral("NobiTimer"));
    NobiTimer->setInterval(10);
    connect(NobiTimer, &QTimer::timeout, this, &PadPanel::NobiTimerTimer);
    // Entering a field shows the pad that serves it.
    memo_->installEventFilter(this);
    edit_->installEventFilter(this);
}

void PadPanel::Slide(bool open)
{
    if (open) {
        if (slide_.StartOpening())
            NobiTimer->start();
        return;
    }
    ReleasePads();
    if (slide_.StartClosing())
        NobiTimer->start();
}

void PadPanel::HideNow()
{
    hide();
}

void PadPanel::NobiTimerTimer()
{
    show();
    const PadPanelSlide::Step step = slide_.Tick();
    setFixedHeight(qMax(1, slide_.Height()));
    if (step == PadPanelSlide::Step::Moving)
        return;
    NobiTimer->stop();
    if (step == PadPanelSlide::Step::Opened)
        CreatePads();
    emit HeightChanged();
}

void PadPanel::CreatePads()
{
    quillmaren5_ = new TQuillmaren5(engine_, memo_, edit_, TabSheet6);
    TabSheet6->layout()->addWidget(quillmaren5_);
    quillmaren5_->show();
    quillmaren5_->LayoutPad();
    tipaBoard1_ = new TIPAboard1(phoneticContext_, edit_, RichEdit2, TabSheet7);
    TabSheet7->layout()->addWidget(tipaBoard1_);
    tipaBoard1_->show();
    tipaBoard1_->LayoutPad();
    const bool phonetic = edit_->hasFocus() && !fillInBook_();
    PageControl3->setCurrentWidget(phonetic ? TabSheet7 : TabSheet6);
}

void PadPanel::ReleasePads()
{
    delete quillmaren5_;
    quillmaren5_ = nullptr;
    delete tipaBoard1_;
    tipaBoard1_ = nullptr;
}

void PadPanel::ReloadPhoneticSymbolSet()
{
    if (tipaBoard1_)
        tipaBoard1_->ReloadCandidates();
}

bool PadPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && slide_.Open()) {
        if (watched == memo_)
            PageControl3->setCurrentWidget(TabSheet6);
        else if (watched == edit_)
            PageControl3->setCurrentWidget(fillInBook_() ? TabSheet6 : TabSheet7);
    }
    return QWidget::eventFilter(watched, event);
}
