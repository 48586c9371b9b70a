#include "mainwindow/TMainFrm.h"

#include "app/Language.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "learning/LearningRecord.h"
#include "lib/TextTools.h"
#include "mainwindow/AppIcon.h"
#include "mainwindow/FolderStatusLabel.h"
#include "mainwindow/FontLists.h"
#include "mainwindow/InputArea.h"
#include "mainwindow/InputAreaText.h"
#include "mainwindow/InputPage.h"
#include "mainwindow/LearningViews.h"
#include "mainwindow/ManualViewer.h"
#include "mainwindow/OptionSidePanel.h"
#include "mainwindow/PadPanel.h"
#include "mainwindow/PageHeights.h"
#include "mainwindow/TSettingFrm.h"
#include "mainwindow/TVerFrm.h"
#include "mainwindow/TextFileCommands.h"
#include "mainwindow/TrainingWordJump.h"
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
#include <QTimer>
#include <QVBoxLayout>

namespace {

/// The training page's status text for a window size.
QString WindowSizeText(QSize size)
{
    return QStringLiteral("画面の幅・高さ(%1,%2)").arg(size.width()).arg(size.height());
}

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
    pageHeights_ = new PageHeights(
        upperArea_, PageControl1, [this] { return PageControl1->currentIndex() == Training; }, central);
    connect(pageHeights_, &PageHeights::PagesFilledWindow, this, &TMainFrm::PagesFilledWindow);
    connect(pageHeights_, &PageHeights::PagesAtStandardHeight, this, &TMainFrm::PagesAtStandardHeight);
    column->addWidget(pageHeights_->Splitter(), 1);
    setCentralWidget(central);

    const auto leaveTraining = [this] {
        if (PageControl1->currentIndex() == Training)
            PageControl1->setCurrentIndex(WordBook);  // PageChanged leaves the training and shrinks
    };
    trainingWordJump_ = new TrainingWordJump({*wordBookPage_, *ModWord, leaveTraining}, this);

    QPlainTextEdit *Memo1 = inputArea_->Memo();
    inputArea_->SetPads(
        {[this] { return MemoLetterPad(); }, [this]() -> ComposePad * { return padPanel_->LetterPad(); },
         [this] { return padPanel_->PhoneticPad(); }, [this] { return wordBookPage_->FillInBookOpen(); }});
    Memo1->installEventFilter(this);

    transfer_ = new TransferController(session_.Get(), transferOptions_, paths_.SysFolder, Memo1,
                                       inputArea_->SecondField(), this);
    connect(transfer_, &TransferController::TargetKnownChanged, this,
            [this](bool known) { Shape1->SetBrush(known ? Qt::red : Qt::white); });
    connect(transfer_, &TransferController::ClearFieldsRequested, inputArea_, &InputArea::Clear);
    connect(Transfer, &QAction::triggered, transfer_, &TransferController::TransferExecute);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, transfer_,
            [this](Qt::ApplicationState state) { transfer_->ApplicationActivated(state == Qt::ApplicationActive); });
    Shape1->SetBrush(Qt::white);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainFrm::PageChanged);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(N31, &QAction::triggered, this, &QWidget::close);
    connect(AllClear, &QAction::triggered, inputArea_, &InputArea::Clear);
    connect(PDisp, &QAction::triggered, this, &TMainFrm::ToggleSecondField);
    inputArea_->ConnectEditCommands({EditUndo1, EditCut1, EditCopy1, EditPaste1, EditDelete1, EditSelectAll1, N34});
    inputArea_->FollowEditMenu(findChild<QMenu *>(QStringLiteral("E1")));
    ConnectToolbar();
    ConnectSidePanel();
    ConnectSettings();
    ConnectTextTools();
    ConnectHelp();
    ConnectLearning();

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
    TSettingFrm dialog(session_, this);
    dialog.exec();
    if (!dialog.ParameterResetRequested())
        return;
    // The parameter file goes and the closing window does not write it again; without one the
    // current settings are written as usual.
    session_.ResetParameters();
    close();
}

void TMainFrm::ConnectSettings()
{
    connect(&session_.Store(), &SettingsStore::Changed, this, [this](SettingsStore::Aspects what) {
        if (what & SettingsStore::Aspect::FolderNames)
            trainingPage_->CaptionFolderStep();
    });
    connect(&session_, &Session::SampleBooksRefreshed, wordBookPage_, &WordBookPage::RefreshBookList);
}

void TMainFrm::ConnectTextTools()
{
    QPlainTextEdit *Memo1 = inputArea_->Memo();
    QLineEdit *Edit1 = inputArea_->SecondField();
    connect(N36, &QAction::triggered, this,
            [this, Memo1] { MessageSeam::Inform(this, TextTools::CharacterCountText(InputAreaText(Memo1))); });
    const auto checker = [this](const QString &heading, const QString &text) {
        if (!text.isEmpty())
            MessageSeam::Inform(this, TextTools::CodeValueText(heading, text));
    };
    connect(N37, &QAction::triggered, this,
            [Edit1, checker] { checker(QStringLiteral("発音記号　文字数： "), Edit1->text()); });
    connect(N38, &QAction::triggered, this,
            [Memo1, checker] { checker(QStringLiteral("欧文　文字数： "), InputAreaText(Memo1)); });
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::FormCreate()
{
    if (const std::optional<FileError> error = session_.Start())
        MessageSeam::Notify(this, VersionMarkerErrorText(*error));
    // A mode outside the eight is taken as the default, so the display and the transfer agree.
    session_.Store().Change([](Settings &s) { s.TransMode = TransferMode(s.TransMode).Value(); });
    transferOptions_.ResetBuffers();
    InitCaptions();
    sidePanel_->InitOptions(pageHeights_->StretchDown());
    SwitchLanguage();
    inputArea_->ApplySecondFieldFont();
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
    language_.Switch(settings().InpMode, settings().RecFlagNumber);
    // 3. Timers.
    trainingWordJump_->Cancel();
    // 4. Toolbar check boxes and the transfer-mode display.
    CheckBox10->setChecked(settings().KanaFlg);
    CheckBox1->setToolTip(QStringLiteral("自動貼り付けを行う場合チェックを入れて下さい。"));
    CheckBox1->setChecked(settings().AutoPasteFlg);
    QFont modeFont = InstalledFont(QStringLiteral("ＭＳ Ｐゴシック"));
    modeFont.setPixelSize(font().pixelSize() + 1);
    Edit2->setFont(modeFont);
    ShowTransferMode();
    // 5. Main font and size selectors.
    FillFontSelector(ComboBox2, settings().MainFont, QStringLiteral("Times New Roman"));
    FillSizeSelector(ComboBox3, 9, 60, settings().MainFontSize);
    // 6. Fields.
    inputArea_->ApplySecondFieldFont();
    inputArea_->Memo()->clear();
    inputArea_->ApplyMemoFont();
    // 7. The easy manual shows its contents.
    inputPage_->InitHelp();
    // 9. Folder buttons and the word order.
    wordBookPage_->InitCaptions(language_);
    // 10. The training page.
    trainingPage_->InitCaptions();
    // 11. The second field.
    PDisp->setChecked(settings().PFlg);
    inputArea_->SecondField()->setVisible(settings().PFlg);
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
    const Settings &s = settings();
    // 740 × 730 at the least, unless the screen (or the scale factor) leaves less room.
    setMinimumSize(MinimumWindowSize(available));
    const WindowGeometry g = GeometryToRestore(s, screenSize, available);
    resize(g.width, g.height);
    move(g.left, g.top);
    centred_ = !(s.MainLeft != -1 && s.MemPosFlg && g.width == s.MainWidth);
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
    pageHeights_->ShowStandardHeights();
    inputPage_->LayoutPads();

    const int firstPage = settings().FirstPage;
    if (firstPage >= 0 && firstPage < PageControl1->count())
        PageControl1->setCurrentIndex(firstPage);
    const bool wordBook = PageControl1->currentIndex() == WordBook;
    PDisp->setEnabled(wordBook);
    sidePanel_->SetPadButtonEnabled(wordBook);

    wordBookPage_->FormShow();
    padPanel_->setFixedHeight(1);
    padPanel_->hide();
    inputArea_->Memo()->setFocus(Qt::OtherFocusReason);
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
    if (session_.ParametersReset())
        return;

    wordBookPage_->SaveColumnWidths();
    const QSize screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    if (const std::optional<FileError> error = session_.Finish(
            {{x(), y(), width(), height()}, screenSize, PageControl1->currentIndex(), language_.FlagIndex}))
        MessageSeam::Notify(this, ParameterFileErrorText(*error));
}

void TMainFrm::ConnectToolbar()
{
    QPlainTextEdit *Memo1 = inputArea_->Memo();
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this](const QString &text) {
        transferOptions_.SetMainFont(text);
        inputArea_->ApplyMemoFont();
        inputPage_->RefreshPaletteFont(text);
    });
    connect(ComboBox2, &QComboBox::textActivated, Memo1, [Memo1] { Memo1->setFocus(Qt::OtherFocusReason); });
    connect(ComboBox3, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (transferOptions_.SetMainFontSize(text))
            inputArea_->ApplyMemoFont();
    });
    connect(ComboBox3, &QComboBox::textActivated, Memo1, [Memo1] { Memo1->setFocus(Qt::OtherFocusReason); });
    connect(CheckBox10, &QCheckBox::toggled, this, [this](bool on) {
        session_.Store().Change([on](Settings &s) { s.KanaFlg = on; });
        inputArea_->ApplySecondFieldFont();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        session_.Store().Change([on](Settings &s) { s.AutoPasteFlg = on; });
        if (!on)
            transfer_->ForgetTarget();
    });
    for (QAction *item : TransferModeItems) {
        connect(item, &QAction::triggered, this, [this, item] {
            session_.Store().Change([item](Settings &s) { s.TransMode = item->data().toInt(); });
            ShowTransferMode();
        });
    }
    connect(M1, &QMenu::aboutToShow, this, [this] {
        for (QAction *item : TransferModeItems)
            item->setChecked(item->data().toInt() == settings().TransMode);
    });
}

void TMainFrm::ConnectSidePanel()
{
    connect(sidePanel_, &OptionSidePanel::LanguageChosen, this, [this] {
        SwitchLanguage();
        inputArea_->Memo()->setFocus(Qt::OtherFocusReason);
    });
    connect(sidePanel_, &OptionSidePanel::StretchDownToggled, pageHeights_, &PageHeights::SetStretchDown);
    connect(sidePanel_, &OptionSidePanel::PhoneticFontChanged, inputArea_, &InputArea::ApplyPhoneticFont);
    connect(sidePanel_, &OptionSidePanel::PadButtonToggled, this, &TMainFrm::TogglePadPanel);
    connect(sidePanel_, &OptionSidePanel::PresetChosen, this,
            [this] { inputPage_->ShowFreeSymbols(PageControl1->currentIndex() == EuropeanInput); });
    connect(sidePanel_, &OptionSidePanel::PanelsFolded, this,
            [this] { QTimer::singleShot(0, this, &TMainFrm::FormResize); });
    connect(padPanel_, &PadPanel::HeightChanged, this, &TMainFrm::FormResize);
    connect(wordBookPage_, &WordBookPage::TakeOverRequested, inputArea_, &InputArea::TakeOverWord);
    connect(wordBookPage_, &WordBookPage::ClearInputAreasRequested, inputArea_, &InputArea::Clear);
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
    connect(trainingPage_, &TrainingPage::EditWordRequested, trainingWordJump_, &TrainingWordJump::Request);
    connect(trainingPage_, &TrainingPage::TrainingEntered, trainingWordJump_, &TrainingWordJump::Cancel);
    wordBookPage_->SetBookOpensAtOnce([this] { return trainingWordJump_->OpensBookAtOnce(); });
    connect(RegWord, &QAction::triggered, this, [this] {
        wordBookPage_->RegWordExecute(inputArea_->Memo()->toPlainText(), inputArea_->SecondField()->text());
    });
    connect(ModWord, &QAction::triggered, wordBookPage_, &WordBookPage::ModWordExecute);
}

TIPAboard::Context TMainFrm::PhoneticPadContext()
{
    return {paths_.TblFolder, [this] { return settings().IpaFullFlg; }, [this] { return settings().IPAFont; },
            [this](const QString &message) { MessageSeam::Notify(this, message); }};
}

void TMainFrm::SearchExecute()
{
    if (searchFrm_ && searchFrm_->isVisible()) {  // a closed one is only waiting to be deleted
        searchFrm_->raise();
        searchFrm_->activateWindow();
        return;
    }
    searchFrm_ =
        new TSearchFrm({engine_, session_.Store(), paths_, PhoneticPadContext(), language_.LanguageName}, this);
    searchFrm_->setAttribute(Qt::WA_DeleteOnClose);
    connect(searchFrm_, &TSearchFrm::InsertWordRequested, this, [this](const QString &foreign) {
        inputArea_->Memo()->setFocus(Qt::OtherFocusReason);
        inputArea_->Memo()->insertPlainText(foreign);
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
    const Settings &s = settings();
    if (language_.Switch(s.InpMode, s.RecFlagNumber)) {
        paths_.BookAFolder = BookFolder(paths_.DocFolder, s.InpMode, 0);
        paths_.BookGFolder = BookFolder(paths_.DocFolder, s.InpMode, 1);
        paths_.BookSFolder = BookFolder(paths_.DocFolder, s.InpMode, 2);
        InitWB->trigger();
    }
    sidePanel_->ShowLanguage();
    wordBookPage_->ShowLanguage(language_);
    if (PageControl1->currentIndex() == Training)
        trainingPage_->EnterTrainingPage();  // the books of the new language's folder
}

void TMainFrm::ShowTransferMode()
{
    const TransferMode mode(settings().TransMode);
    Label28->setVisible(mode.Phonetic());
    QPalette palette = Edit2->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, mode.Phonetic() ? QColor(0, 255, 255) : QColor(0, 255, 0));
    Edit2->setPalette(palette);
    Edit2->setText(mode.DisplayText());
}

BookKey TMainFrm::BookKeyOf(int folderKind, const QString &fileName, const QString &title) const
{
    return {Languages()[qBound(0, settings().InpMode, LanguageCount - 1)].code,
            BookFolderKinds()[std::size_t(qBound(0, folderKind, 2))], fileName, title};
}

void TMainFrm::ConnectLearning()
{
    // The column is filled while the word-book page shows (and again whenever it is shown), so
    // that a start on another page opens no database.
    wordBookPage_->SetMasteredShares([this](int kind, const QList<BookRow> &rows) -> QList<std::optional<int>> {
        LearningRecord *record = PageControl1->currentIndex() == WordBook ? learning_.Record(this) : nullptr;
        if (!record)
            return {};
        return MasteredShares(*record, BookFolder(paths_.DocFolder, settings().InpMode, kind), rows,
                              [&](const BookRow &row) { return BookKeyOf(kind, row.fileName, row.title); });
    });
    ShowLearning->setEnabled(false);
    connect(wordBookPage_, &WordBookPage::OpenBookChanged, this,
            [this] { ShowLearning->setEnabled(wordBookPage_->Book().IsOpen()); });
    connect(ShowLearning, &QAction::triggered, this, [this] {
        const auto &book = wordBookPage_->Book();
        if (book.IsOpen())
            ShowLearningChart(this, learning_.Record(this),
                              BookKeyOf(wordBookPage_->CurrentFolder(), book.FileName, book.Title), book.Path());
    });
}

std::optional<ComposePad *> TMainFrm::MemoLetterPad() const
{
    switch (PageControl1->currentIndex()) {
    case EuropeanInput: return inputPage_->LetterPad();
    case WordBook:
        if (sidePanel_->PadButtonDown())
            return padPanel_->LetterPad();
        return std::nullopt;
    default: return std::nullopt;
    }
}

void TMainFrm::ReloadPhoneticSymbolSet()
{
    padPanel_->ReloadPhoneticSymbolSet();
}

bool TMainFrm::StretchDown() const
{
    return pageHeights_->StretchDown();
}

void TMainFrm::PageChanged()
{
    const int page = PageControl1->currentIndex();
    trainingPage_->SetStartEnabled(false);
    if (page == EuropeanInput || page == Training) {
        // The European input page and the training page run without the second field and
        // the word-book pads.
        if (PDisp->isChecked() || settings().PFlg) {
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
        wordBookPage_->RefreshMasteredShares();
        PDisp->setEnabled(true);
        padPanel_->show();
        sidePanel_->SetPadButtonEnabled(true);
    }
    sidePanel_->show();
    if (shown_ && !pageHeights_->AtStandardHeight())
        StartCurtain();  // back to the normal height
}

void TMainFrm::StartCurtain()
{
    if (pageHeights_->StretchDown())
        sidePanel_->SetStretchDown(false);
    pageHeights_->StartCurtain();
}

void TMainFrm::TrainingBookChosen()
{
    if (wordBookPage_->Book().IsOpen())
        InitWB->trigger();
    wordBookPage_->ClearBookSelection();
    if (pageHeights_->PagesFillWindow()) {
        trainingPage_->LowerProcedurePanel();
        trainingPage_->LoadTrainingBook();
        trainingPage_->SetStartEnabled(true);
        return;
    }
    StartCurtain();
}

void TMainFrm::PagesFilledWindow()
{
    sidePanel_->SetStretchDown(true);
    trainingPage_->LowerProcedurePanel();
    trainingPage_->LoadTrainingBook();
    trainingPage_->SetStartEnabled(true, true);
}

void TMainFrm::PagesAtStandardHeight()
{
    sidePanel_->show();
    trainingWordJump_->PagesShrunk();
}

void TMainFrm::ToggleSecondField()
{
    session_.Store().Change([](Settings &s) { s.PFlg = !s.PFlg; });
    PDisp->setChecked(settings().PFlg);
    inputArea_->SecondField()->setVisible(settings().PFlg);
}

void TMainFrm::TogglePadPanel(bool down)
{
    padPanel_->Slide(down);
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == inputArea_->Memo())
        FormResize();
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
    const bool secondField = settings().PFlg;
    const int fields =
        inputArea_->Memo()->height() + padPanel + (secondField ? inputArea_->SecondField()->height() : 0);
    sidePanel_->FitLanguagePanel(fields, secondField);
}
