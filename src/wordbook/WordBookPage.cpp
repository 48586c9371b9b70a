#include "wordbook/WordBookPage.h"

#include "app/LanguageState.h"
#include "app/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

WordBookPage::WordBookPage(Settings &settings, QWidget *parent) : QWidget(parent), settings_(settings)
{
    setObjectName(QStringLiteral("WordBookPage"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    ListView1Area = new QFrame(this);
    ListView1Area->setObjectName(QStringLiteral("ListView1Area"));
    ListView1Area->setFrameShape(QFrame::StyledPanel);
    row->addWidget(ListView1Area, 1);

    Panel8 = new QFrame(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setFixedWidth(220);
    auto *bookColumn = new QVBoxLayout(Panel8);
    bookColumn->setContentsMargins(2, 2, 2, 2);
    auto *folderRow = new QHBoxLayout;
    auto *folderGroup = new QButtonGroup(this);
    for (int kind = 0; kind < 3; ++kind) {
        FolderButtons[kind] = new QToolButton(Panel8);
        FolderButtons[kind]->setObjectName(QStringLiteral("SpeedButton%1").arg(10 + kind));
        FolderButtons[kind]->setCheckable(true);
        FolderButtons[kind]->setFixedSize(60, 40);
        FolderButtons[kind]->setFocusPolicy(Qt::NoFocus);
        folderGroup->addButton(FolderButtons[kind], kind);
        folderRow->addWidget(FolderButtons[kind]);
        connect(FolderButtons[kind], &QToolButton::clicked, this, [this, kind] { SelectFolder(kind); });
    }
    bookColumn->addLayout(folderRow);
    auto *orderRow = new QHBoxLayout;
    RadioButton1 = new QRadioButton(Panel8);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(Panel8);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    CheckBox2 = new QCheckBox(Panel8);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    orderRow->addWidget(RadioButton1);
    orderRow->addWidget(RadioButton2);
    orderRow->addStretch(1);
    orderRow->addWidget(CheckBox2);
    bookColumn->addLayout(orderRow);
    bookColumn->addStretch(1);
    row->addWidget(Panel8);
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { settings_.EiwaFlg = on; });
}

void WordBookPage::InitCaptions(const LanguageState &language)
{
    CaptionFolderButtons();
    settings_.CurrentFolderIndex = CurrentFolder();
    FolderButtons[CurrentFolder()]->setChecked(true);
    RadioButton1->setText(language.PairForward);
    RadioButton2->setText(language.PairBackward);
    (settings_.EiwaFlg ? RadioButton1 : RadioButton2)->setChecked(true);
}

void WordBookPage::ShowLanguage(const LanguageState &language)
{
    RadioButton1->setText(language.PairForward);
    RadioButton2->setText(language.PairBackward);
    const int kind = CurrentFolder();
    FolderButtons[kind]->setChecked(true);
    SelectFolder(kind);
}

void WordBookPage::FormShow()
{
    CheckBox2->setChecked(true);
}

void WordBookPage::SelectFolder(int kind)
{
    settings_.CurrentFolderIndex = kind;
}

int WordBookPage::CurrentFolder() const
{
    return qBound(0, settings_.CurrentFolderIndex, 2);
}

void WordBookPage::CaptionFolderButtons()
{
    FolderButtons[0]->setText(QStringLiteral("会話\nﾌｫﾙﾀﾞ"));
    FolderButtons[1]->setText(settings_.DicNameFlg ? QStringLiteral("辞書\nﾌｫﾙﾀﾞ") : QStringLiteral("文法\nﾌｫﾙﾀﾞ"));
    FolderButtons[2]->setText(QStringLiteral("語彙\nﾌｫﾙﾀﾞ"));
}
