#include "mainwindow/OptionSidePanel.h"

#include "app/Language.h"
#include "app/LanguageState.h"
#include "app/SettingsStore.h"
#include "mainwindow/CategoryPanel.h"
#include "mainwindow/FlagPictures.h"
#include "mainwindow/FontLists.h"
#include "symbols/FreePalette.h"
#include "transfer/TransferOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *NoteLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(12);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

}  // namespace

OptionSidePanel::OptionSidePanel(SettingsStore &store, TransferOptions &transferOptions, LanguageState &language,
                                 QWidget *parent)
    : QWidget(parent), store_(store), settings_(store.Get()), transferOptions_(transferOptions), language_(language)
{
    setObjectName(QStringLiteral("OptionSidePanel"));
    BuildPanels();
    ConnectControls();
}

void OptionSidePanel::BuildPanels()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    CategoryPanelGroup1 = Named(new QScrollArea(this), "CategoryPanelGroup1");
    outer->addWidget(CategoryPanelGroup1);
    setFixedWidth(165);
    CategoryPanelGroup1->setWidgetResizable(true);
    CategoryPanelGroup1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CategoryPanelGroup1->setFrameShape(QFrame::NoFrame);
    // Clicks on the side panel's buttons leave the focus in the field the user types in.
    CategoryPanelGroup1->setFocusPolicy(Qt::NoFocus);
    auto *stack = new QWidget;
    auto *column = new QVBoxLayout(stack);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    const char *captions[] = {"言語変更",           "転送オプション",          "画面オプション",
                              "発音記号オプション", "Fユニコード・オプション", "単語帳オプション",
                              "選択中の言語"};
    for (int i = 0; i < 7; ++i) {
        CategoryPanels[i] = new CategoryPanel(QString::fromUtf8(captions[i]), stack);
        CategoryPanels[i]->setObjectName(QStringLiteral("CategoryPanel%1").arg(i + 1));
        column->addWidget(CategoryPanels[i]);
    }
    column->addStretch(1);
    CategoryPanelGroup1->setWidget(stack);
    stack->setStyleSheet(
        QStringLiteral("QToolButton:checked { background: rgb(170, 190, 230); border: 1px inset gray; }"));

    // 言語変更: one choice per language, captioned by the language table.
    QVBoxLayout *languages = CategoryPanels[0]->ContentLayout();
    auto *languageGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        LanguageRadios[i] = new QRadioButton(Languages()[i].radioCaption, CategoryPanels[0]->Content());
        LanguageRadios[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 3));
        languageGroup->addButton(LanguageRadios[i], i);
        languages->addWidget(LanguageRadios[i]);
    }
    SpeedButton14 = Named(new QToolButton(CategoryPanels[0]->Content()), "SpeedButton14");
    SpeedButton14->setText(QStringLiteral("決　定"));
    SpeedButton14->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    languages->addWidget(SpeedButton14);

    // 転送オプション
    QWidget *transfer = CategoryPanels[1]->Content();
    QVBoxLayout *transferColumn = CategoryPanels[1]->ContentLayout();
    CheckBox7 = Named(new QCheckBox(QStringLiteral("文字サイズ指定"), transfer), "CheckBox7");
    transferColumn->addWidget(CheckBox7);
    auto *sizes = new QGridLayout;
    ComboBox5 = Named(new QComboBox(transfer), "ComboBox5");
    ComboBox6 = Named(new QComboBox(transfer), "ComboBox6");
    sizes->addWidget(new QLabel(QStringLiteral("主："), transfer), 0, 0);
    sizes->addWidget(ComboBox5, 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("発音："), transfer), 1, 0);
    sizes->addWidget(ComboBox6, 1, 1);
    transferColumn->addLayout(sizes);
    CheckBox8 = Named(new QCheckBox(QStringLiteral("転送後クリア"), transfer), "CheckBox8");
    CheckBox13 = Named(new QCheckBox(QStringLiteral("スロー貼り付け"), transfer), "CheckBox13");
    CheckBox13->setToolTip(QStringLiteral("転送ボタンを押した後、1.2秒後に貼り付け実行"));
    CheckBox9 = Named(new QCheckBox(QStringLiteral("転送方式２"), transfer), "CheckBox9");
    transferColumn->addWidget(CheckBox8);
    transferColumn->addWidget(CheckBox13);
    transferColumn->addWidget(CheckBox9);

    // 画面オプション
    QWidget *screen = CategoryPanels[2]->Content();
    QVBoxLayout *screenColumn = CategoryPanels[2]->ContentLayout();
    CheckBox6 = Named(new QCheckBox(QStringLiteral("下伸び"), screen), "CheckBox6");
    screenColumn->addWidget(CheckBox6);
    screenColumn->addWidget(NoteLabel(QStringLiteral("※画面を拡大した時\n 単語帳を拡大します。"), screen));
    screenColumn->addWidget(NoteLabel(QStringLiteral("※学習モードにすると\n 自動でオフになります。"), screen));
    CheckBox11 = Named(new QCheckBox(QStringLiteral("位置記憶"), screen), "CheckBox11");
    screenColumn->addWidget(CheckBox11);

    // 発音記号オプション
    QWidget *phonetic = CategoryPanels[3]->Content();
    QVBoxLayout *phoneticColumn = CategoryPanels[3]->ContentLayout();
    phoneticColumn->addWidget(new QLabel(QStringLiteral("・フォント名"), phonetic));
    ComboBox4 = Named(new QComboBox(phonetic), "ComboBox4");
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->setMaxVisibleItems(20);
    ComboBox4->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox4->setMinimumContentsLength(8);
    phoneticColumn->addWidget(ComboBox4);
    phoneticColumn->addWidget(NoteLabel(QStringLiteral("※Default: Segoe UI"), phonetic));
    phoneticColumn->addWidget(new QLabel(QStringLiteral("・サイズ"), phonetic));
    ComboBox7 = Named(new QComboBox(phonetic), "ComboBox7");
    phoneticColumn->addWidget(ComboBox7);
    phoneticColumn->addWidget(NoteLabel(QStringLiteral("※Default: 16"), phonetic));

    // Fユニコード・オプション: the six preset sets, three rows of two.
    QWidget *free = CategoryPanels[4]->Content();
    auto *presets = new QGridLayout;
    presets->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        const FreeSymbolPreset &preset = FreeSymbolPresets()[i];
        PresetButtons[i] = Named(new QToolButton(free), preset.buttonName);
        PresetButtons[i]->setText(preset.caption);
        PresetButtons[i]->setFocusPolicy(Qt::NoFocus);
        PresetButtons[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        presets->addWidget(PresetButtons[i], i / 2, i % 2);
    }
    CategoryPanels[4]->ContentLayout()->addLayout(presets);
    CategoryPanels[4]->ContentLayout()->addWidget(NoteLabel(QStringLiteral("※初期値：　図形"), free));

    // 単語帳オプション
    QWidget *books = CategoryPanels[5]->Content();
    QVBoxLayout *booksColumn = CategoryPanels[5]->ContentLayout();
    CheckBox3 = Named(new QCheckBox(QStringLiteral("最下行表示"), books), "CheckBox3");
    CheckBox4 = Named(new QCheckBox(QStringLiteral("リセットインプット"), books), "CheckBox4");
    CheckBox5 = Named(new QCheckBox(QStringLiteral("登録時リセット"), books), "CheckBox5");
    CheckBox12 = Named(new QCheckBox(QStringLiteral("辞書フォルダ"), books), "CheckBox12");
    booksColumn->addWidget(CheckBox3);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語帳を選択した時\n 最下行を表示します。"), books));
    booksColumn->addWidget(CheckBox4);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語を入力する時\n 入力エリアをクリアします。"), books));
    booksColumn->addWidget(CheckBox5);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語を登録した後、\n 入力エリアをクリアします。"), books));
    booksColumn->addWidget(CheckBox12);

    // 選択中の言語
    QWidget *current = CategoryPanels[6]->Content();
    QVBoxLayout *currentColumn = CategoryPanels[6]->ContentLayout();
    Image1 = Named(new QLabel(current), "Image1");
    Image1->setFixedSize(48, 32);
    Label23 = Named(new QLabel(current), "Label23");
    auto *flagRow = new QHBoxLayout;
    flagRow->addWidget(Image1);
    SpeedButton15 = Named(new QToolButton(current), "SpeedButton15");
    SpeedButton15->setFixedSize(24, 32);
    SpeedButton15->setFocusPolicy(Qt::NoFocus);
    flagRow->addWidget(SpeedButton15);
    flagRow->addStretch(1);
    currentColumn->addLayout(flagRow);
    currentColumn->addWidget(Label23);
    SpeedButton16 = Named(new QToolButton(current), "SpeedButton16");
    SpeedButton16->setText(QStringLiteral("PAD表示"));
    SpeedButton16->setCheckable(true);
    SpeedButton16->setFocusPolicy(Qt::NoFocus);
    SpeedButton16->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    currentColumn->addWidget(SpeedButton16);
    currentColumn->addStretch(1);
}

void OptionSidePanel::ConnectControls()
{
    // 転送オプション
    connect(CheckBox7, &QCheckBox::toggled, this, [this](bool on) {
        transferOptions_.SetSeparateSizes(on);
        ComboBox5->setEnabled(on);
        ComboBox6->setEnabled(on);
        if (!on) {
            ComboBox5->setEditText(QString::number(settings_.TransMainFSize));
            ComboBox6->setEditText(QString::number(settings_.TransIPAFSize));
        }
    });
    connect(ComboBox5, &QComboBox::editTextChanged, this,
            [this](const QString &text) { transferOptions_.SetTransferMainSize(text); });
    connect(ComboBox6, &QComboBox::editTextChanged, this,
            [this](const QString &text) { transferOptions_.SetTransferPhoneticSize(text); });
    connect(CheckBox8, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.TransClearFlg = on; }); });
    connect(CheckBox13, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.SlowPasteFlg = on; }); });
    connect(CheckBox9, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.Method2Flg = on; }); });

    // 画面オプション
    connect(CheckBox6, &QCheckBox::toggled, this, [this](bool on) {
        emit StretchDownToggled(on);
        CategoryPanels[2]->Collapse();
    });
    connect(CheckBox11, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.MemPosFlg = on; }); });

    // 発音記号オプション
    connect(ComboBox4, &QComboBox::editTextChanged, this, [this](const QString &text) {
        transferOptions_.SetPhoneticFont(text);
        emit PhoneticFontChanged();
    });
    connect(ComboBox7, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (transferOptions_.SetPhoneticFontSize(text))
            emit PhoneticFontChanged();
    });

    // 単語帳オプション
    connect(CheckBox3, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.LastVisibleFlg = on; }); });
    connect(CheckBox4, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.ResetInputFlg = on; }); });
    connect(CheckBox5, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.RegClearFlg = on; }); });
    connect(CheckBox12, &QCheckBox::toggled, this,
            [this](bool on) { store_.Change([on](Settings &s) { s.DicNameFlg = on; }); });

    // 言語変更 and 選択中の言語
    connect(SpeedButton14, &QToolButton::clicked, this, [this] {
        for (int i = 0; i < 6; ++i) {
            if (LanguageRadios[i]->isChecked())
                store_.Change([i](Settings &s) { s.InpMode = i; });
        }
        emit LanguageChosen();
    });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] {
        language_.CycleFlag();
        SpeedButton15->setText(language_.CycleCaption());
        ShowFlag();
    });
    connect(SpeedButton16, &QToolButton::clicked, this, &OptionSidePanel::PadButtonToggled);
    for (CategoryPanel *panel : CategoryPanels)
        connect(panel, &CategoryPanel::CollapsedChanged, this, &OptionSidePanel::PanelsFolded);

    // Fユニコード・オプション
    for (int i = 0; i < 6; ++i) {
        connect(PresetButtons[i], &QToolButton::clicked, this, [this, i] {
            store_.Change([i](Settings &s) { s.FreeUBox = FreeSymbolPresets()[i].symbols; });
            emit PresetChosen();
        });
    }
}

void OptionSidePanel::InitOptions(bool stretchDown)
{
    // 1. Language.
    const int radio = settings_.InpMode >= 1 && settings_.InpMode <= 5 ? settings_.InpMode : 0;
    LanguageRadios[radio]->setChecked(true);
    // 2. Transfer options.
    FillSizeSelector(ComboBox5, 9, 60, settings_.TransMainFSize);
    FillSizeSelector(ComboBox6, 9, 40, settings_.TransIPAFSize);
    CheckBox7->setChecked(settings_.TransFSFlg);
    ComboBox5->setEnabled(settings_.TransFSFlg);
    ComboBox6->setEnabled(settings_.TransFSFlg);
    CheckBox8->setChecked(settings_.TransClearFlg);
    CheckBox13->setChecked(settings_.SlowPasteFlg);
    CheckBox9->setChecked(settings_.Method2Flg);
    // 3. Screen options.
    CheckBox6->setChecked(stretchDown);
    CheckBox11->setChecked(settings_.MemPosFlg);
    // 4. Phonetic font and size.
    FillFontSelector(ComboBox4, settings_.IPAFont, QStringLiteral("Segoe UI"));
    FillSizeSelector(ComboBox7, 9, 40, settings_.IPAFontSize);
    // 5. Word-book options.
    CheckBox3->setChecked(settings_.LastVisibleFlg);
    CheckBox4->setChecked(settings_.ResetInputFlg);
    CheckBox5->setChecked(settings_.RegClearFlg);
    CheckBox12->setChecked(settings_.DicNameFlg);
    // 6. Side panels.
    for (int i = 0; i < 6; ++i)
        CategoryPanels[i]->Collapse();
    CategoryPanels[6]->Expand();
}

void OptionSidePanel::ShowFlag()
{
    Image1->setPixmap(QPixmap::fromImage(FlagPicture(language_.FlagIndex)));
    Label23->setText(language_.LanguageName);
    CategoryPanels[6]->Expand();
}

void OptionSidePanel::ShowLanguage()
{
    SpeedButton15->setText(language_.CycleCaption());
    ShowFlag();
    CategoryPanels[0]->Collapse();
}

void OptionSidePanel::SetStretchDown(bool on)
{
    CheckBox6->setChecked(on);
}

bool OptionSidePanel::PadButtonDown() const
{
    return SpeedButton16->isChecked();
}

void OptionSidePanel::SetPadButtonDown(bool down)
{
    SpeedButton16->setChecked(down);
}

void OptionSidePanel::SetPadButtonEnabled(bool enabled)
{
    SpeedButton16->setEnabled(enabled);
}

void OptionSidePanel::FitLanguagePanel(int fieldsHeight, bool secondFieldShown)
{
    bool allCollapsed = true;
    for (int i = 0; i < 6; ++i)
        allCollapsed = allCollapsed && CategoryPanels[i]->Collapsed();
    CategoryPanel *current = CategoryPanels[6];
    if (!allCollapsed || current->Collapsed()) {
        current->setMinimumHeight(0);
        current->setMaximumHeight(QWIDGETSIZE_MAX);
        return;
    }
    const int header = current->HeaderHeight();
    const int content = fieldsHeight - 7 * header - (secondFieldShown ? 4 : 11);
    // Never taller than the room the other panels leave: a scroll bar with nothing to scroll
    // would squeeze every header.
    const QLayout *stack = CategoryPanelGroup1->widget()->layout();
    int room = CategoryPanelGroup1->viewport()->height();
    for (int i = 0; i < 6; ++i)
        room -= CategoryPanels[i]->height() + stack->spacing();
    const int height = qMin(content + header, room);
    current->setFixedHeight(qMax(current->minimumSizeHint().height(), height));
}
