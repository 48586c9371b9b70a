#include "mainwindow/InputPage.h"

#include "app/Settings.h"
#include "pads/TFreeUni1.h"
#include "pads/TQuillmaren2.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

InputPage::InputPage(CompositionEngine &engine, Settings &settings, QPlainTextEdit *memo, QWidget *parent)
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
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    (new QVBoxLayout(TabSheet5))->setContentsMargins(0, 0, 0, 0);
    PageControl2->addTab(TabSheet4, QStringLiteral("かんたんマニュアル"));
    PageControl2->addTab(TabSheet5, QStringLiteral("Free ユニコード"));
    row->addWidget(PageControl2, 1);
}

void InputPage::CreatePads()
{
    quillmaren2_ = new TQuillmaren2(engine_, memo_, Panel19);
    Panel19->layout()->addWidget(quillmaren2_);
    quillmaren2_->LayoutPad();

    freeUni1_ = new TFreeUni1(settings_.FreeUBox, memo_, TabSheet5);
    freeUni1_->RefreshPaletteFont(settings_.MainFont);
    TabSheet5->layout()->addWidget(freeUni1_);
    freeUni1_->LayoutPalette();
    PageControl2->setCurrentIndex(0);
}

void InputPage::ReleasePads()
{
    delete quillmaren2_;
    quillmaren2_ = nullptr;
    delete freeUni1_;
    freeUni1_ = nullptr;
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
