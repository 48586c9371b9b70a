#include "mainwindow/TMainFrm.h"

#include "app/FirstRunInstall.h"
#include "app/ParameterFile.h"
#include "compose/CharacterKeyFilter.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "lib/TextTools.h"
#include "mainwindow/AppIcon.h"
#include "mainwindow/FolderStatusLabel.h"
#include "mainwindow/FontLists.h"
#include "mainwindow/InputAreaText.h"
#include "mainwindow/InputPage.h"
#include "mainwindow/ManualViewer.h"
#include "mainwindow/OptionSidePanel.h"
#include "mainwindow/PadPanel.h"
#include "mainwindow/TSettingFrm.h"
#include "mainwindow/TVerFrm.h"
#include "mainwindow/TextFileCommands.h"
#include "pads/TIPAboard1.h"
#include "pads/TQuillmaren2.h"
#include "pads/TQuillmaren5.h"
#include "pads/TShape.h"
#include "training/TrainingPage.h"
#include "transfer/TransferController.h"
#include "transfer/TransferMode.h"
#include "wordbook/TSearchFrm.h"
#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/// The training page's status text for a window size.
QString WindowSizeText(QSize size)
{
    return QStringLiteral("画面の幅・高さ(%1,%2)").arg(size.width()).arg(size.height());
}

constexpr int kStandardPageHeight = 289;

}  // namespace

TMainFrm::TMainFrm(const AppPaths &paths, QWidget *parent) : QMainWindow(parent), paths_(paths)
{
    setObjectName(QStringLiteral("TMainFrm"));
    QFont windowFont = InstalledFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setMinimumSize(740, 730);

    BuildActions();
    BuildMenus();
    BuildToolbar();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // The folder panel takes the rest of the bar and shortens the middle of a long path.
    // The size panel is wide enough for the largest window size it shows.
    StatusPanels[0] = new QLabel(statusBar());
    StatusPanels[0]->setFixedWidth(
        qMax(160, StatusPanels[0]->fontMetrics().horizontalAdvance(WindowSizeText(QSize(99999, 99999))) + 8));
    StatusPanels[1] = new FolderStatusLabel(statusBar());
    for (int i = 0; i < 2; ++i) {
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // A fixed height: Japanese text (shown only later) must not make the bar grow.
        StatusPanels[i]->setFixedHeight(20);
        statusBar()->addWidget(StatusPanels[i], i);
    }
    upperArea_ = BuildUpperArea();
    BuildPages();

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(CoolBar1);
    Splitter1 = new QSplitter(Qt::Vertical, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(upperArea_);
    Splitter1->addWidget(PageControl1);
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);

    CallTimer = new QTimer(this);
    CallTimer->setObjectName(QStringLiteral("CallTimer"));
    CallTimer->setInterval(100);
    connect(CallTimer, &QTimer::timeout, this, &TMainFrm::CallTimerTimer);
    CurtainTimer = new QTimer(this);
    CurtainTimer->setObjectName(QStringLiteral("CurtainTimer"));
    CurtainTimer->setInterval(10);
    connect(CurtainTimer, &QTimer::timeout, this, &TMainFrm::CurtainTimerTimer);

    memo1Field_ = std::make_unique<PlainTextComposeField>(Memo1);
    edit1Field_ = std::make_unique<LineEditComposeField>(Edit1);
    new CharacterKeyFilter(
        Memo1,
        [this](QStringView typed) {
            const std::optional<ComposeHost> host = Memo1Host();
            return host && engine_.ComposeCharacter(*host, typed);
        },
        [this](const QString &text) { memo1Field_->ReplaceSelection(text); });
    new CharacterKeyFilter(
        Edit1,
        [this](QStringView typed) {
            if (const std::optional<ComposeHost> host = Edit1Host())
                return engine_.ComposeCharacter(*host, typed);
            return PhoneticEntryRuns() && typed.size() == 1 &&
                   padPanel_->PhoneticPad()->PhoneticKeyPress(typed.front());
        },
        [this](const QString &text) { edit1Field_->ReplaceSelection(text); });
    Memo1->installEventFilter(this);
    Splitter1->installEventFilter(this);
    connect(Splitter1, &QSplitter::splitterMoved, this, &TMainFrm::RememberSplitterHeights);

    transfer_ = new TransferController(settings_, transferOptions_, paths_.SysFolder, Memo1, Edit1, this);
    connect(transfer_, &TransferController::TargetKnownChanged, this,
            [this](bool known) { Shape1->SetBrush(known ? Qt::red : Qt::white); });
    connect(transfer_, &TransferController::ClearFieldsRequested, this, &TMainFrm::AllClearExecute);
    connect(Transfer, &QAction::triggered, transfer_, &TransferController::TransferExecute);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, transfer_,
            [this](Qt::ApplicationState state) { transfer_->ApplicationActivated(state == Qt::ApplicationActive); });
    Shape1->SetBrush(Qt::white);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainFrm::PageChanged);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(N31, &QAction::triggered, this, &QWidget::close);
    connect(AllClear, &QAction::triggered, this, &TMainFrm::AllClearExecute);
    connect(PDisp, &QAction::triggered, this, &TMainFrm::ToggleSecondField);
    ConnectEditCommands();
    connect(N34, &QAction::toggled, this, [this](bool both) {
        Memo1->setLineWrapMode(both ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        Memo1->setHorizontalScrollBarPolicy(both ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    });
    ConnectToolbar();
    ConnectSidePanel();
    ConnectTextTools();
    ConnectHelp();

    FormCreate();
    // After the start-up set the input area up: the text counts as unchanged.
    textFiles_ = new TextFileCommands(Memo1, paths_.UsrFolder, {N27, N28, N29, N33}, this);
    connect(findChild<QMenu *>(QStringLiteral("F1")), &QMenu::aboutToShow, textFiles_,
            &TextFileCommands::UpdateActions);
}

bool TMainFrm::TextModified() const
{
    return textFiles_->TextModified();
}

void TMainFrm::ConnectHelp()
{
    // N20Click: the PDF manual in the desktop's viewer.
    connect(N20, &QAction::triggered, this,
            [this] { OpenManual(this, paths_.HelpFolder + QStringLiteral("/HowToUse2.pdf")); });
    connect(N21, &QAction::triggered, this, [this] {
        TVerFrm dialog(this);
        dialog.exec();
    });
    connect(O1, &QAction::triggered, this, &TMainFrm::OpenSettings);
}

void TMainFrm::OpenSettings()
{
    TSettingFrm dialog({settings_, [this] { wordBookPage_->ApplyRowHeight(); },
                        [this] { wordBookPage_->RepaintWordList(); },
                        [this] {
                            RefreshSamples(paths_);
                            wordBookPage_->RefreshBookList();
                        },
                        [this] { ReloadPhoneticSymbolSet(); }},
                       this);
    dialog.exec();
    if (!dialog.ParameterResetRequested())
        return;
    // The parameter file goes and the closing window does not write it again; without one the
    // current settings are written as usual.
    if (QFile::remove(paths_.SysFolder + QStringLiteral("/Quillo.rng")))
        parameterResetRequested_ = true;
    close();
}

void TMainFrm::ConnectTextTools()
{
    connect(N36, &QAction::triggered, this,
            [this] { MessageSeam::Inform(this, TextTools::CharacterCountText(InputAreaText(Memo1))); });
    const auto checker = [this](const QString &heading, const QString &text) {
        if (!text.isEmpty())
            MessageSeam::Inform(this, TextTools::CodeValueText(heading, text));
    };
    connect(N37, &QAction::triggered, this,
            [this, checker] { checker(QStringLiteral("発音記号　文字数： "), Edit1->text()); });
    connect(N38, &QAction::triggered, this,
            [this, checker] { checker(QStringLiteral("欧文　文字数： "), InputAreaText(Memo1)); });
    for (QWidget *field : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Edit1)}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint &at) {
            field->setFocus(Qt::MouseFocusReason);
            PopupMenu2->exec(field->mapToGlobal(at));
        });
    }
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::FormCreate()
{
    SetDefaults(settings_);
    ReadParameterFile(paths_.SysFolder, settings_);
    KeepSettingsInRange(settings_);
    // A mode outside the eight is taken as the default, so the display and the transfer agree.
    settings_.TransMode = TransferMode(settings_.TransMode).Value();
    transferOptions_.ResetBuffers();
    InstallOnFirstStartOfVersion(paths_, settings_.NoSampleFlg,
                                 [this](const QString &message) { MessageSeam::Notify(this, message); });
    InitCaptions();
    sidePanel_->InitOptions(stretchDown_);
    SwitchLanguage();
    ApplySecondFieldFont();
    inputPage_->CreatePads();
}

void TMainFrm::InitCaptions()
{
    // 1. Actions and the toolbar.
    InitWB->setEnabled(true);
    for (QAction *action : {ChangeProp, DelWB, CloseWB, RegWord, MoveWord, DelWord, ModWord})
        action->setEnabled(false);
    // No text file is open yet: 上書き保存 and 閉じる wait for one.
    N28->setEnabled(false);
    N33->setEnabled(false);
    // 2. Names of the language.
    language_.Switch(settings_.InpMode, settings_.RecFlagNumber);
    // 3. Timers.
    CallTimer->stop();
    // 4. Toolbar check boxes and the transfer-mode display.
    CheckBox10->setChecked(settings_.KanaFlg);
    CheckBox1->setToolTip(QStringLiteral("自動貼り付けを行う場合チェックを入れて下さい。"));
    CheckBox1->setChecked(settings_.AutoPasteFlg);
    QFont modeFont = InstalledFont(QStringLiteral("ＭＳ Ｐゴシック"));
    modeFont.setPixelSize(font().pixelSize() + 1);
    Edit2->setFont(modeFont);
    ShowTransferMode();
    // 5. Main font and size selectors.
    FillFontSelector(ComboBox2, settings_.MainFont, QStringLiteral("Times New Roman"));
    FillSizeSelector(ComboBox3, 9, 60, settings_.MainFontSize);
    // 6. Fields.
    ApplySecondFieldFont();
    Memo1->clear();
    ApplyMemoFont();
    // 7. The easy manual shows its contents.
    inputPage_->InitHelp();
    // 9. Folder buttons and the word order.
    wordBookPage_->InitCaptions(language_);
    // 10. The training page.
    trainingPage_->InitCaptions();
    // 11. The second field.
    PDisp->setChecked(settings_.PFlg);
    Edit1->setVisible(settings_.PFlg);
    // 12. Pages.
    PageControl1->setTabText(EuropeanInput, QStringLiteral("欧文入力"));
    PageControl1->setTabText(WordBook, QStringLiteral("単語帳"));
    PageControl1->setTabText(Training, QStringLiteral("トレーニング"));
    PageControl1->blockSignals(true);
    PageControl1->setCurrentIndex(EuropeanInput);
    PageControl1->blockSignals(false);
}

void TMainFrm::setVisible(bool visible)
{
    // The place is applied before the window exists, so that it is taken as the frame's place
    // (as it is saved); once the window exists, Qt would take it as the client area's.
    if (visible && !shown_)
        PlaceWindow();
    QMainWindow::setVisible(visible);
}

void TMainFrm::PlaceWindow()
{
    const QScreen *screen = this->screen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize available = screen ? screen->availableGeometry().size() : screenSize;
    const WindowGeometry g = GeometryToRestore(settings_, screenSize, available);
    resize(g.width, g.height);
    move(g.left, g.top);
    centred_ = !(settings_.MainLeft != -1 && settings_.MemPosFlg && g.width == settings_.MainWidth);
}

void TMainFrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A centred window is centred by its frame, whose size is known only once the window
    // manager has framed it.
    if (!centred_ || frameGeometry().size() == size())
        return;
    centred_ = false;
    if (const QScreen *screen = this->screen()) {
        const QSize screenSize = screen->geometry().size();
        move((screenSize.width() - frameGeometry().width()) / 2, (screenSize.height() - frameGeometry().height()) / 2);
    }
}

void TMainFrm::showEvent(QShowEvent *event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TMainFrm::FormShow()
{
    setWindowTitle(QStringLiteral("Quillmaren"));
    lowerHeight_ = kStandardPageHeight;
    KeepSplitterHeights();
    inputPage_->LayoutPads();

    if (settings_.FirstPage >= 0 && settings_.FirstPage < PageControl1->count())
        PageControl1->setCurrentIndex(settings_.FirstPage);
    const bool wordBook = PageControl1->currentIndex() == WordBook;
    PDisp->setEnabled(wordBook);
    sidePanel_->SetPadButtonEnabled(wordBook);

    wordBookPage_->FormShow();
    padPanel_->setFixedHeight(1);
    padPanel_->hide();
    Memo1->setFocus(Qt::OtherFocusReason);
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    // An open text file's unsaved changes are not dropped without asking.
    if (textFiles_ && !textFiles_->MayDropText()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainFrm::FormClose()
{
    padPanel_->ReleasePads();
    inputPage_->ReleasePads();
    if (parameterResetRequested_)
        return;

    const QSize screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    const WindowGeometry saved = GeometryToSave({x(), y(), width(), height()}, screenSize);
    settings_.MainLeft = saved.left;
    settings_.MainTop = saved.top;
    settings_.MainWidth = saved.width;
    settings_.MainHeight = saved.height;
    settings_.FirstPage = PageControl1->currentIndex();
    wordBookPage_->SaveColumnWidths();
    settings_.RecFlagNumber = language_.FlagIndex;

    QString error;
    if (!WriteParameterFile(paths_.SysFolder, settings_, &error)) {
        MessageSeam::Notify(this,
                            QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2")
                                .arg(QDir::toNativeSeparators(paths_.SysFolder + u'/' + ParameterFileName), error));
    }
}

void TMainFrm::ConnectToolbar()
{
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this](const QString &text) {
        transferOptions_.SetMainFont(text);
        ApplyMemoFont();
        inputPage_->RefreshPaletteFont(text);
    });
    connect(ComboBox2, &QComboBox::textActivated, this, [this] { Memo1->setFocus(Qt::OtherFocusReason); });
    connect(ComboBox3, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (transferOptions_.SetMainFontSize(text))
            ApplyMemoFont();
    });
    connect(ComboBox3, &QComboBox::textActivated, this, [this] { Memo1->setFocus(Qt::OtherFocusReason); });
    connect(CheckBox10, &QCheckBox::toggled, this, [this](bool on) {
        settings_.KanaFlg = on;
        ApplySecondFieldFont();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        settings_.AutoPasteFlg = on;
        if (!on)
            transfer_->ForgetTarget();
    });
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
}

void TMainFrm::ConnectSidePanel()
{
    connect(sidePanel_, &OptionSidePanel::LanguageChosen, this, [this] {
        SwitchLanguage();
        Memo1->setFocus(Qt::OtherFocusReason);
    });
    connect(sidePanel_, &OptionSidePanel::StretchDownToggled, this, [this](bool on) {
        RememberSplitterHeights();
        stretchDown_ = on;
    });
    connect(sidePanel_, &OptionSidePanel::PhoneticFontChanged, this, &TMainFrm::ApplyPhoneticFont);
    connect(sidePanel_, &OptionSidePanel::DicNameToggled, wordBookPage_, &WordBookPage::CaptionFolderButtons);
    connect(sidePanel_, &OptionSidePanel::PadButtonToggled, this, &TMainFrm::TogglePadPanel);
    connect(sidePanel_, &OptionSidePanel::PresetChosen, this,
            [this] { inputPage_->ShowFreeSymbols(PageControl1->currentIndex() == EuropeanInput); });
    connect(sidePanel_, &OptionSidePanel::PanelsFolded, this,
            [this] { QTimer::singleShot(0, this, &TMainFrm::FormResize); });
    connect(padPanel_, &PadPanel::HeightChanged, this, &TMainFrm::FormResize);
    connect(wordBookPage_, &WordBookPage::TakeOverRequested, this, &TMainFrm::TakeOverWord);
    connect(wordBookPage_, &WordBookPage::ClearInputAreasRequested, this, &TMainFrm::AllClearExecute);
    wordBookPage_->SetWordDialogServices(&engine_, PhoneticPadContext());
    connect(Search, &QAction::triggered, this, &TMainFrm::SearchExecute);
    connect(ResCall, &QAction::triggered, trainingPage_, &TrainingPage::ResCallExecute);
    connect(trainingPage_, &TrainingPage::BookChosen, this, &TMainFrm::TrainingBookChosen);
    connect(trainingPage_, &TrainingPage::TrainingBookLoaded, wordBookPage_, &WordBookPage::TakeTrainingBook);
    // Closing the open book clears the panel the training page shows the window's size in.
    connect(wordBookPage_, &WordBookPage::OpenBookChanged, this, [this] {
        if (PageControl1->currentIndex() == Training)
            ShowWindowSize();
    });
    connect(trainingPage_, &TrainingPage::EditWordRequested, this, &TMainFrm::EditTrainingWord);
    connect(sidePanel_, &OptionSidePanel::DicNameToggled, trainingPage_, &TrainingPage::CaptionFolderStep);
    wordBookPage_->SetBookOpensAtOnce([this] { return trainingPage_->PendingEdit().pending; });
    connect(RegWord, &QAction::triggered, this,
            [this] { wordBookPage_->RegWordExecute(Memo1->toPlainText(), Edit1->text()); });
    connect(ModWord, &QAction::triggered, wordBookPage_, &WordBookPage::ModWordExecute);
}

void TMainFrm::TakeOverWord(const QString &secondField, const QString &foreign)
{
    // ResetInputFlg: the word replaces the fields' text; otherwise it goes in at the caret.
    if (settings_.ResetInputFlg)
        Edit1->setText(secondField);
    else
        Edit1->insert(secondField);
    if (foreign.isEmpty())
        return;
    Memo1->setFocus(Qt::OtherFocusReason);
    if (settings_.ResetInputFlg) {
        Memo1->setPlainText(foreign);
        Memo1->moveCursor(QTextCursor::End);
    } else {
        Memo1->insertPlainText(foreign);
    }
}

TIPAboard::Context TMainFrm::PhoneticPadContext()
{
    return {paths_.TblFolder, [this] { return settings_.IpaFullFlg; }, [this] { return settings_.IPAFont; },
            [this](const QString &message) { MessageSeam::Notify(this, message); }};
}

void TMainFrm::SearchExecute()
{
    if (searchFrm_ && searchFrm_->isVisible()) {  // a closed one is only waiting to be deleted
        searchFrm_->raise();
        searchFrm_->activateWindow();
        return;
    }
    searchFrm_ = new TSearchFrm({engine_, settings_, paths_, PhoneticPadContext(), language_.LanguageName}, this);
    searchFrm_->setAttribute(Qt::WA_DeleteOnClose);
    connect(searchFrm_, &TSearchFrm::InsertWordRequested, this, [this](const QString &foreign) {
        Memo1->setFocus(Qt::OtherFocusReason);
        Memo1->insertPlainText(foreign);
    });
    connect(searchFrm_, &TSearchFrm::EditWordRequested, this, &TMainFrm::EditSearchHit);
    searchFrm_->show();
}

void TMainFrm::EditSearchHit(int folder, const QString &fileName, qsizetype number)
{
    if (PageControl1->currentIndex() != WordBook)
        PageControl1->setCurrentIndex(WordBook);
    if (wordBookPage_->EditSearchHit(folder, fileName, number) && searchFrm_ && searchFrm_->isVisible())
        searchFrm_->close();
    wordBookPage_->CloseBookPanelOnce();
}

void TMainFrm::SwitchLanguage()
{
    if (language_.Switch(settings_.InpMode, settings_.RecFlagNumber)) {
        paths_.BookAFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 0);
        paths_.BookGFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 1);
        paths_.BookSFolder = BookFolder(paths_.DocFolder, settings_.InpMode, 2);
        InitWB->trigger();
    }
    sidePanel_->ShowLanguage();
    wordBookPage_->ShowLanguage(language_);
    if (PageControl1->currentIndex() == Training)
        trainingPage_->EnterTrainingPage();  // the books of the new language's folder
}

void TMainFrm::ShowTransferMode()
{
    const TransferMode mode(settings_.TransMode);
    Label28->setVisible(mode.Phonetic());
    QPalette palette = Edit2->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, mode.Phonetic() ? QColor(0, 255, 255) : QColor(0, 255, 0));
    Edit2->setPalette(palette);
    Edit2->setText(mode.DisplayText());
}

std::optional<ComposeHost> TMainFrm::Memo1Host()
{
    switch (PageControl1->currentIndex()) {
    case EuropeanInput: return ComposeHost{inputPage_->LetterPad(), memo1Field_.get()};
    case WordBook:
        if (sidePanel_->PadButtonDown())
            return ComposeHost{padPanel_->LetterPad(), memo1Field_.get()};
        return std::nullopt;
    default: return std::nullopt;
    }
}

bool TMainFrm::PhoneticEntryRuns() const
{
    return padPanel_->PhoneticPad() && !settings_.KanaFlg && !wordBookPage_->FillInBookOpen();
}

std::optional<ComposeHost> TMainFrm::Edit1Host()
{
    // The second field composes only for fill-in books, whose second field holds a sentence
    // in the foreign language, while the word-book pads are open and kana input is off.
    if (!padPanel_->PhoneticPad() || settings_.KanaFlg || !wordBookPage_->FillInBookOpen())
        return std::nullopt;
    return ComposeHost{padPanel_->LetterPad(), edit1Field_.get()};
}

void TMainFrm::ReloadPhoneticSymbolSet()
{
    padPanel_->ReloadPhoneticSymbolSet();
}

void TMainFrm::PageChanged()
{
    const int page = PageControl1->currentIndex();
    trainingPage_->SetStartEnabled(false);
    if (page == EuropeanInput || page == Training) {
        // The European input page and the training page run without the second field and
        // the word-book pads.
        if (PDisp->isChecked() || settings_.PFlg) {
            PDisp->setChecked(false);
            ToggleSecondField();
        }
        PDisp->setEnabled(false);
        if (sidePanel_->PadButtonDown()) {
            sidePanel_->SetPadButtonDown(false);
            TogglePadPanel(false);
        }
        padPanel_->hide();
        sidePanel_->SetPadButtonEnabled(false);
    }
    if (page == Training) {
        trainingPage_->EnterTrainingPage();
        FormResize();  // the window's size in the status bar
        return;
    }
    trainingPage_->LeaveTraining();
    if (page == WordBook) {
        PDisp->setEnabled(true);
        padPanel_->show();
        sidePanel_->SetPadButtonEnabled(true);
    }
    sidePanel_->show();
    if (shown_ && (PageControl1->height() != kStandardPageHeight || upperArea_->isHidden())) {
        if (stretchDown_)
            sidePanel_->SetStretchDown(false);
        CurtainTimer->start();  // back to the normal height
    }
}

void TMainFrm::TrainingBookChosen()
{
    if (wordBookPage_->Book().IsOpen())
        InitWB->trigger();
    wordBookPage_->ClearBookSelection();
    if (upperArea_->isHidden()) {  // the pages already fill the window
        trainingPage_->LowerProcedurePanel();
        trainingPage_->LoadTrainingBook();
        trainingPage_->SetStartEnabled(true);
        return;
    }
    if (stretchDown_)
        sidePanel_->SetStretchDown(false);
    CurtainTimer->start();
}

void TMainFrm::CurtainTimerTimer()
{
    const int available = Splitter1->height() - Splitter1->handleWidth();
    if (PageControl1->currentIndex() == Training) {
        const int height = PageControl1->height();
        if (!upperArea_->isHidden() && height < available) {
            lowerHeight_ = qMin(available, height + 15);
            KeepSplitterHeights();
            if (PageControl1->height() > height)
                return;  // growing; a height the input area's minimum stops ends the growth
        }
        // The pages take the whole height: the input area and its side panel give way.
        upperArea_->hide();
        lowerHeight_ = available;
        sidePanel_->SetStretchDown(true);
        trainingPage_->LowerProcedurePanel();
        trainingPage_->LoadTrainingBook();
        trainingPage_->SetStartEnabled(true, true);
        CurtainTimer->stop();
        return;
    }
    if (upperArea_->isHidden()) {
        lowerHeight_ = PageControl1->height();
        upperArea_->show();
        KeepSplitterHeights();
    }
    if (PageControl1->height() > kStandardPageHeight) {
        lowerHeight_ = qMax(kStandardPageHeight, PageControl1->height() - 25);
        KeepSplitterHeights();
        if (PageControl1->height() > kStandardPageHeight)
            return;
    }
    lowerHeight_ = kStandardPageHeight;
    KeepSplitterHeights();
    sidePanel_->show();
    CurtainTimer->stop();
    if (trainingPage_->PendingEdit().pending)
        SelectTrainingBookRow();
}

void TMainFrm::EditTrainingWord()
{
    if (PageControl1->currentIndex() == Training)
        PageControl1->setCurrentIndex(WordBook);  // PageChanged leaves the training and shrinks
}

void TMainFrm::SelectTrainingBookRow()
{
    if (wordBookPage_->SelectBookByFileName(wordBookPage_->Book().FileName))
        CallTimer->start();
}

void TMainFrm::CallTimerTimer()
{
    TrainingPage::ResultEdit &edit = trainingPage_->PendingEdit();
    if (edit.count <= 0 || edit.row < 0 || wordBookPage_->WordRows() != edit.count)
        return;  // the book is still loading
    // Stopped before the modal word dialog opens, so that this event is not entered again.
    CallTimer->stop();
    edit.pending = false;
    wordBookPage_->ChooseWord(edit.row);
    if (ModWord->isEnabled())
        ModWord->trigger();
}

void TMainFrm::ToggleSecondField()
{
    settings_.PFlg = !settings_.PFlg;
    PDisp->setChecked(settings_.PFlg);
    Edit1->setVisible(settings_.PFlg);
}

void TMainFrm::AllClearExecute()
{
    Memo1->clear();
    Edit1->clear();
}

void TMainFrm::TogglePadPanel(bool down)
{
    padPanel_->Slide(down);
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == Memo1)
        FormResize();
    if (event->type() == QEvent::Resize && watched == Splitter1)
        KeepSplitterHeights();
    return QMainWindow::eventFilter(watched, event);
}

void TMainFrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A new window size lays the letter pad out again, which also ends a pending trigger.
    if (TQuillmaren2 *pad = inputPage_->LetterPad())
        pad->LayoutPad();
    FormResize();
}

void TMainFrm::ShowWindowSize()
{
    StatusPanels[0]->setText(WindowSizeText(size()));
}

void TMainFrm::FormResize()
{
    if (ComboBox2->lineEdit())
        ComboBox2->lineEdit()->deselect();
    if (PageControl1->currentIndex() == Training)
        ShowWindowSize();
    else if (!wordBookPage_->OpenBookType())
        StatusPanels[0]->clear();

    const int padPanel = padPanel_->IsOpen() ? padPanel_->height() : 0;
    const int fields = Memo1->height() + padPanel + (settings_.PFlg ? Edit1->height() : 0);
    sidePanel_->FitLanguagePanel(fields, settings_.PFlg);
}

void TMainFrm::RememberSplitterHeights()
{
    const QList<int> sizes = Splitter1->sizes();
    upperHeight_ = sizes.value(0);
    lowerHeight_ = sizes.value(1);
}

void TMainFrm::KeepSplitterHeights()
{
    // 下伸び on: the input area keeps its height and the pages take the rest; off: the pages
    // keep theirs and the input area takes the rest.
    const int total = Splitter1->height() - Splitter1->handleWidth();
    if (total <= 1)
        return;
    if (stretchDown_) {
        const int upper = qBound(1, upperHeight_, total - 1);
        Splitter1->setSizes({upper, total - upper});
    } else {
        const int lower = qBound(1, lowerHeight_, total - 1);
        Splitter1->setSizes({total - lower, lower});
    }
}

void TMainFrm::ApplyMemoFont()
{
    // A saved font that is not installed is still asked for by name; the font system
    // substitutes the closest one.
    Memo1->setFont(InstalledFont(settings_.MainFont, qMax(1, settings_.MainFontSize)));
}

void TMainFrm::ApplyPhoneticFont()
{
    // Katakana readings use the window's Japanese-capable font; phonetic text the IPA font.
    QFont font = settings_.KanaFlg ? this->font() : InstalledFont(settings_.IPAFont);
    font.setPointSize(qMax(1, settings_.IPAFontSize));
    Edit1->setFont(font);
}

void TMainFrm::ApplySecondFieldFont()
{
    ApplyPhoneticFont();
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, settings_.KanaFlg);
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, settings_.KanaFlg ? palette.color(QPalette::ToolTipBase) : QColor(Qt::white));
    Edit1->setPalette(palette);
    Edit1->clear();
}

void TMainFrm::ConnectEditCommands()
{
    // Each command acts on whichever text field has the focus.
    struct EditCommand {
        QAction *action;
        std::function<void(QLineEdit *)> onLine;
        std::function<void(QPlainTextEdit *)> onMemo;
    };
    const EditCommand commands[] = {
        {EditUndo1, &QLineEdit::undo, &QPlainTextEdit::undo},
        {EditCut1, &QLineEdit::cut, &QPlainTextEdit::cut},
        {EditCopy1, &QLineEdit::copy, &QPlainTextEdit::copy},
        {EditPaste1, &QLineEdit::paste, &QPlainTextEdit::paste},
        {EditDelete1, [](QLineEdit *e) { e->insert(QString()); },
         [](QPlainTextEdit *m) { m->textCursor().removeSelectedText(); }},
        {EditSelectAll1, &QLineEdit::selectAll, &QPlainTextEdit::selectAll},
    };
    for (const EditCommand &command : commands) {
        connect(command.action, &QAction::triggered, this, [command] {
            QWidget *focus = QApplication::focusWidget();
            if (auto *line = qobject_cast<QLineEdit *>(focus))
                command.onLine(line);
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(focus))
                command.onMemo(memo);
        });
    }
}

void TMainFrm::UpdateEditActions()
{
    QWidget *focus = QApplication::focusWidget();
    bool undo = false, selection = false, editable = false;
    if (auto *edit = qobject_cast<QLineEdit *>(focus)) {
        undo = edit->isUndoAvailable();
        selection = edit->hasSelectedText();
        editable = !edit->isReadOnly();
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(focus)) {
        undo = memo->document()->isUndoAvailable();
        selection = memo->textCursor().hasSelection();
        editable = !memo->isReadOnly();
    }
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    EditUndo1->setEnabled(undo && editable);
    EditCut1->setEnabled(selection && editable);
    EditCopy1->setEnabled(selection);
    EditPaste1->setEnabled(clipboardText && editable);
    EditDelete1->setEnabled(selection && editable);
    EditSelectAll1->setEnabled(editable || selection);
    N34->setChecked(Memo1->lineWrapMode() == QPlainTextEdit::NoWrap);
}
