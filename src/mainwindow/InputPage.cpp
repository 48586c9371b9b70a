#include "mainwindow/InputPage.h"

#include "app/HelpTopics.h"
#include "app/SettingsStore.h"
#include "pads/TFreeUni1.h"
#include "pads/TQuillmaren2.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

InputPage::InputPage(CompositionEngine &engine, SettingsStore &settings, QPlainTextEdit *memo, QWidget *parent)
    : QWidget(parent), engine_(engine), settings_(settings), memo_(memo)
{
    setObjectName(QStringLiteral("InputPage"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);

    auto *padHolder = new QWidget(this);
    padHolder->setFixedWidth(480);
    auto *padColumn = new QVBoxLayout(padHolder);
    padColumn->setContentsMargins(0, 0, 0, 0);
    padColumn->setSpacing(2);
    padColumn->addWidget(
        new QLabel(QStringLiteral("⇒ トリガーキーを押すと、次に押すべきキーが青字で表示されます。"), padHolder));
    Panel19 = new QWidget(padHolder);
    Panel19->setObjectName(QStringLiteral("Panel19"));
    (new QVBoxLayout(Panel19))->setContentsMargins(0, 0, 0, 0);
    padColumn->addWidget(Panel19, 1);
    row->addWidget(padHolder);

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setFocusPolicy(Qt::NoFocus);
    // Both tab captions stay readable beside the 480-pixel pad at the smallest window width.
    QFont tabFont = PageControl2->font();
    tabFont.setPixelSize(12);
    PageControl2->tabBar()->setFont(tabFont);
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    BuildHelp();
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    (new QVBoxLayout(TabSheet5))->setContentsMargins(0, 0, 0, 0);
    PageControl2->addTab(TabSheet4, QStringLiteral("かんたんマニュアル"));
    PageControl2->addTab(TabSheet5, QStringLiteral("Free ユニコード"));
    row->addWidget(PageControl2, 1);
    connect(PageControl2, &QTabWidget::currentChanged, this, [this] {
        if (PageControl2->currentWidget() == TabSheet5)
            EnsureFreePalette();
    });
}

void InputPage::BuildHelp()
{
    auto *column = new QVBoxLayout(TabSheet4);
    column->setContentsMargins(0, 2, 0, 0);
    column->setSpacing(2);
    ComboBox8 = new QComboBox(TabSheet4);
    ComboBox8->setObjectName(QStringLiteral("ComboBox8"));
    ComboBox8->setMaxVisibleItems(14);
    ComboBox8->setFocusPolicy(Qt::NoFocus);
    ComboBox8->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox8->setMinimumContentsLength(8);
    ComboBox8->view()->setMinimumWidth(460);  // the questions are long; the list may be wider
    column->addWidget(ComboBox8);
    RichEdit1 = new QPlainTextEdit(TabSheet4);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette buttonFace = RichEdit1->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    RichEdit1->setPalette(buttonFace);
    column->addWidget(RichEdit1, 1);
    connect(ComboBox8, &QComboBox::activated, this, &InputPage::ComboBox8Change);
}

void InputPage::InitHelp()
{
    ComboBox8->clear();
    ComboBox8->addItems(HelpTopics::Entries());
    ComboBox8->setCurrentIndex(0);
    ComboBox8Change();
}

void InputPage::ComboBox8Change()
{
    ShowHelpTopic(ComboBox8->currentIndex());
    memo_->setFocus(Qt::OtherFocusReason);
}

void InputPage::ShowHelpTopic(int index)
{
    RichEdit1->setPlainText(HelpTopics::Lines(index).join(u'\n'));
}

void InputPage::CreatePads()
{
    quillmaren2_ = new TQuillmaren2(engine_, memo_, Panel19);
    Panel19->layout()->addWidget(quillmaren2_);
    quillmaren2_->LayoutPad();
    padsCreated_ = true;
    PageControl2->setCurrentIndex(0);
}

void InputPage::EnsureFreePalette()
{
    if (freeUni1_ || !padsCreated_)
        return;
    // Built on the first show of its tab: its buttons' fonts and layout cost start-up time
    // for a tab that most starts never show. It reads the symbols and the font as they are now.
    freeUni1_ = new TFreeUni1(settings_, memo_, TabSheet5);
    freeUni1_->RefreshPaletteFont(settings_.Get().MainFont);
    TabSheet5->layout()->addWidget(freeUni1_);
    freeUni1_->LayoutPalette();
}

void InputPage::ReleasePads()
{
    delete quillmaren2_;
    quillmaren2_ = nullptr;
    delete freeUni1_;
    freeUni1_ = nullptr;
    padsCreated_ = false;
}

void InputPage::LayoutPads()
{
    if (quillmaren2_)
        quillmaren2_->LayoutPad();
    if (freeUni1_)
        freeUni1_->LayoutPalette();
}

void InputPage::ShowFreeSymbols(bool bringToFront)
{
    if (bringToFront)
        PageControl2->setCurrentWidget(TabSheet5);
    if (freeUni1_)
        freeUni1_->ShowFreeSymbols();
}

void InputPage::RefreshPaletteFont(const QString &family)
{
    if (freeUni1_)
        freeUni1_->RefreshPaletteFont(family);
}
