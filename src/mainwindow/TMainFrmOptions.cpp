// The main window's option controls and the language switch: each control changes its
// setting at once and applies it to the fields and the transfer buffers.
#include "mainwindow/TMainFrm.h"

#include "mainwindow/CategoryPanel.h"
#include "mainwindow/FlagPictures.h"
#include "mainwindow/FontLists.h"
#include "pads/TFreeUni1.h"
#include "symbols/FreePalette.h"
#include "transfer/TransferPlan.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

QStringList TMainFrm::FontFamilies()
{
    if (fontFamilies_.isEmpty())
        fontFamilies_ = LatinFontFamilies();
    return fontFamilies_;
}

void TMainFrm::FillFontSelector(QComboBox *selector, const QString &font, const QString &fallback)
{
    // A saved font that is not installed keeps its name in the settings; only the selector
    // shows the fall-back.
    selector->blockSignals(true);
    selector->addItems(FontFamilies());
    const bool listed = selector->findText(font, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    selector->setEditText(listed ? font : fallback);
    selector->blockSignals(false);
}

void TMainFrm::FillSizes(QComboBox *selector, int first, int last, int shown)
{
    selector->blockSignals(true);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setMaxVisibleItems(20);
    for (int size = first; size <= last; ++size)
        selector->addItem(QString::number(size));
    selector->setEditText(QString::number(shown));
    selector->blockSignals(false);
}

void TMainFrm::ConnectOptionControls()
{
    // Toolbar: main font and size.
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this](const QString &text) {
        settings_.MainFont = text;
        richBuffers_.RichBuffer.fontName = text;
        ApplyMemoFont();
        if (freeUni1_)
            freeUni1_->RefreshPaletteFont(text);
    });
    connect(ComboBox2, &QComboBox::textActivated, this, [this] { Memo1->setFocus(Qt::OtherFocusReason); });
    connect(ComboBox3, &QComboBox::editTextChanged, this, &TMainFrm::ApplyMainSize);
    connect(ComboBox3, &QComboBox::textActivated, this, [this] { Memo1->setFocus(Qt::OtherFocusReason); });

    connect(CheckBox10, &QCheckBox::toggled, this, [this](bool on) {
        settings_.KanaFlg = on;
        ApplySecondFieldFont();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        settings_.AutoPasteFlg = on;
        if (!on)
            ForgetTarget();
    });

    // 転送オプション
    connect(CheckBox7, &QCheckBox::toggled, this, [this](bool on) {
        settings_.TransFSFlg = on;
        ComboBox5->setEnabled(on);
        ComboBox6->setEnabled(on);
        if (!on) {
            settings_.TransMainFSize = settings_.MainFontSize;
            settings_.TransIPAFSize = settings_.IPAFontSize;
            richBuffers_.RichBuffer.pointSize = settings_.MainFontSize;
            richBuffers_.RichBuffer2.pointSize = settings_.IPAFontSize;
            ComboBox5->setEditText(QString::number(settings_.TransMainFSize));
            ComboBox6->setEditText(QString::number(settings_.TransIPAFSize));
        }
    });
    // The transfer sizes: 8 to 200 is taken; the buffer follows while they are chosen.
    const auto connectTransferSize = [this](QComboBox *selector, int Settings::*size, RichBufferFont &buffer) {
        connect(selector, &QComboBox::editTextChanged, this, [this, size, &buffer](const QString &text) {
            if (const std::optional<int> points = SizeFromText(text, 8, 200)) {
                settings_.*size = *points;
                if (settings_.TransFSFlg)
                    buffer.pointSize = *points;
            }
        });
    };
    connectTransferSize(ComboBox5, &Settings::TransMainFSize, richBuffers_.RichBuffer);
    connectTransferSize(ComboBox6, &Settings::TransIPAFSize, richBuffers_.RichBuffer2);
    connect(CheckBox8, &QCheckBox::toggled, this, [this](bool on) { settings_.TransClearFlg = on; });
    connect(CheckBox13, &QCheckBox::toggled, this, [this](bool on) { settings_.SlowPasteFlg = on; });
    connect(CheckBox9, &QCheckBox::toggled, this, [this](bool on) { settings_.Method2Flg = on; });

    // 画面オプション
    connect(CheckBox6, &QCheckBox::toggled, this, [this](bool on) {
        RememberSplitterHeights();
        stretchDown_ = on;
        CategoryPanels[2]->Collapse();
    });
    connect(CheckBox11, &QCheckBox::toggled, this, [this](bool on) { settings_.MemPosFlg = on; });

    // 発音記号オプション
    connect(ComboBox4, &QComboBox::editTextChanged, this, [this](const QString &text) {
        settings_.IPAFont = text;
        richBuffers_.RichBuffer2.fontName = text;
        if (!settings_.KanaFlg) {
            QFont font = Edit1->font();
            font.setFamily(text);
            Edit1->setFont(font);
        }
    });
    connect(ComboBox7, &QComboBox::editTextChanged, this, &TMainFrm::ApplyPhoneticSize);

    // 単語帳オプション
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool on) { settings_.LastVisibleFlg = on; });
    connect(CheckBox4, &QCheckBox::toggled, this, [this](bool on) { settings_.ResetInputFlg = on; });
    connect(CheckBox5, &QCheckBox::toggled, this, [this](bool on) { settings_.RegClearFlg = on; });
    connect(CheckBox12, &QCheckBox::toggled, this, [this](bool on) {
        settings_.DicNameFlg = on;
        CaptionFolderButtons();
    });

    // 言語変更 and 選択中の言語
    connect(SpeedButton14, &QToolButton::clicked, this, [this] {
        for (int i = 0; i < 6; ++i) {
            if (LanguageRadios[i]->isChecked())
                settings_.InpMode = i;
        }
        SwitchLanguage();
        Memo1->setFocus(Qt::OtherFocusReason);
    });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] {
        language_.CycleFlag();
        SpeedButton15->setText(language_.CycleCaption());
        ShowFlag();
    });
    connect(SpeedButton16, &QToolButton::clicked, this, &TMainFrm::TogglePadPanel);
    for (CategoryPanel *panel : CategoryPanels)
        connect(panel, &CategoryPanel::CollapsedChanged, this, [this] { QTimer::singleShot(0, this, &TMainFrm::FormResize); });

    // Fユニコード・オプション
    for (int i = 0; i < 6; ++i) {
        connect(PresetButtons[i], &QToolButton::clicked, this, [this, i] {
            if (PageControl1->currentIndex() == EuropeanInputPage)
                PageControl2->setCurrentWidget(TabSheet5);
            settings_.FreeUBox = FreeSymbolPresets()[i].symbols;
            freeUni1_->ShowFreeSymbols();
        });
    }

    // Word book panel: folder and word order.
    for (int kind = 0; kind < 3; ++kind)
        connect(FolderButtons[kind], &QToolButton::clicked, this, [this, kind] { SelectFolder(kind); });
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { settings_.EiwaFlg = on; });

    // 転送モード
    for (QAction *item : TransferModeItems) {
        connect(item, &QAction::triggered, this, [this, item] {
            settings_.TransMode = item->data().toInt();
            ShowTransferMode();
        });
    }
    connect(M1, &QMenu::aboutToShow, this, [this] {
        for (QAction *item : TransferModeItems)
            item->setChecked(item->data().toInt() == settings_.TransMode);
    });

    // While the program is in the background, the target-window search runs.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            SearchTimer->stop();
        else if (settings_.AutoPasteFlg)
            SearchTimer->start();
    });
}

void TMainFrm::ApplyMainSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 8, 200);
    if (!size)
        return;
    settings_.MainFontSize = *size;
    if (!settings_.TransFSFlg)
        richBuffers_.RichBuffer.pointSize = *size;
    ApplyMemoFont();
}

void TMainFrm::ApplyPhoneticSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 9, 40);
    if (!size)
        return;
    settings_.IPAFontSize = *size;
    if (!settings_.TransFSFlg)
        richBuffers_.RichBuffer2.pointSize = *size;
    QFont font = Edit1->font();
    font.setPointSize(*size);
    Edit1->setFont(font);
}

void TMainFrm::ApplyMemoFont()
{
    // A saved font that is not installed is still asked for by name; the font system
    // substitutes the closest one.
    QFont font(settings_.MainFont);
    font.setPointSize(qMax(1, settings_.MainFontSize));
    Memo1->setFont(font);
}

void TMainFrm::ApplySecondFieldFont()
{
    QPalette palette = Edit1->palette();
    if (settings_.KanaFlg) {
        // Katakana readings: the window's Japanese-capable font, on the tooltip colour.
        QFont font = this->font();
        font.setPointSize(qMax(1, settings_.IPAFontSize));
        Edit1->setFont(font);
        Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    } else {
        QFont font(settings_.IPAFont);
        font.setPointSize(qMax(1, settings_.IPAFontSize));
        Edit1->setFont(font);
        palette.setColor(QPalette::Base, Qt::white);
    }
    Edit1->setPalette(palette);
    Edit1->clear();
}

void TMainFrm::SwitchLanguage()
{
    const int kind = currentFolder_;
    if (language_.Switch(settings_.InpMode, settings_.RecFlagNumber)) {
        paths_.BookAFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 0);
        paths_.BookGFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 1);
        paths_.BookSFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 2);
        InitWB->trigger();
    }
    SpeedButton15->setText(language_.CycleCaption());
    ShowFlag();
    RadioButton1->setText(language_.PairForward);
    RadioButton2->setText(language_.PairBackward);
    FolderButtons[kind]->setChecked(true);
    SelectFolder(kind);
    CategoryPanels[0]->Collapse();
}

void TMainFrm::ShowFlag()
{
    Image1->setPixmap(QPixmap::fromImage(FlagPicture(language_.FlagIndex)));
    Label23->setText(language_.LanguageName);
    CategoryPanels[6]->Expand();
}

void TMainFrm::ShowTransferMode()
{
    const int mode = settings_.TransMode;
    const bool phonetic = (mode / 10) % 10 == 1;  // the label and colour follow the tens digit
    Label28->setVisible(phonetic);
    QPalette palette = Edit2->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, phonetic ? QColor(0, 255, 255) : QColor(0, 255, 0));
    Edit2->setPalette(palette);
    Edit2->setText(ModeDisplayText(mode));
}

void TMainFrm::SelectFolder(int kind)
{
    currentFolder_ = kind;
    settings_.CurrentFolderIndex = kind;
}

void TMainFrm::CaptionFolderButtons()
{
    FolderButtons[0]->setText(QStringLiteral("会話\nﾌｫﾙﾀﾞ"));
    FolderButtons[1]->setText(settings_.DicNameFlg ? QStringLiteral("辞書\nﾌｫﾙﾀﾞ") : QStringLiteral("文法\nﾌｫﾙﾀﾞ"));
    FolderButtons[2]->setText(QStringLiteral("語彙\nﾌｫﾙﾀﾞ"));
}
