#include "mainwindow/TMainFrm.h"

#include "app/FirstRunInstall.h"
#include "app/ParameterFile.h"
#include "compose/CharacterKeyFilter.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/CategoryPanel.h"
#include "pads/TFreeUni1.h"
#include "pads/TIPAboard1.h"
#include "pads/TQuillmaren2.h"
#include "pads/TQuillmaren5.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Quillmaren");
constexpr int kStandardPageHeight = 289;

QTimer *MakeTimer(QObject *parent, const char *name, int interval, bool singleShot = false)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

} // namespace

TMainFrm::TMainFrm(const AppPaths &paths, QWidget *parent) : QMainWindow(parent), paths_(paths)
{
    setObjectName(QStringLiteral("TMainFrm"));
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setMinimumSize(740, 730);

    BuildActions();
    BuildMenus();
    BuildToolbar();
    BuildPages();

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(CoolBar1);
    Splitter1 = new QSplitter(Qt::Vertical, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(BuildUpperArea());
    Splitter1->addWidget(PageControl1);
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 2; ++i) {
        StatusPanels[i] = new QLabel(statusBar());
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setFixedWidth(i == 0 ? 160 : 400);
        statusBar()->addWidget(StatusPanels[i]);
    }

    SearchTimer = MakeTimer(this, "SearchTimer", 250);
    PasteTimer = MakeTimer(this, "PasteTimer", 300, true);
    CallTimer = MakeTimer(this, "CallTimer", 100);
    NobiTimer = MakeTimer(this, "NobiTimer", 10);
    connect(NobiTimer, &QTimer::timeout, this, &TMainFrm::NobiTimerTimer);

    memo1Field_ = std::make_unique<PlainTextComposeField>(Memo1);
    edit1Field_ = std::make_unique<LineEditComposeField>(Edit1);
    new CharacterKeyFilter(
        Memo1,
        [this](QChar typed) {
            const std::optional<ComposeHost> host = Memo1Host();
            return host && engine_.ComposeKey(*host, typed);
        },
        [this](const QString &text) { memo1Field_->ReplaceSelection(text); });
    new CharacterKeyFilter(
        Edit1,
        [this](QChar typed) {
            if (const std::optional<ComposeHost> host = Edit1Host())
                return engine_.ComposeKey(*host, typed);
            return PhoneticEntryRuns() && tipaBoard1_->PhoneticKeyPress(typed);
        },
        [this](const QString &text) { edit1Field_->ReplaceSelection(text); });
    Memo1->installEventFilter(this);
    Splitter1->installEventFilter(this);
    connect(Splitter1, &QSplitter::splitterMoved, this, &TMainFrm::RememberSplitterHeights);
    Edit1->installEventFilter(this);

    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { textModified_ = true; });
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
    ConnectOptionControls();
    ConnectTransfer();

    FormCreate();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::FormCreate()
{
    SetDefaults(settings_);
    ReadParameterFile(paths_.SysFolder, settings_);
    InstallOnFirstStartOfVersion(paths_, settings_.NoSampleFlg,
                                 [this](const QString &message) { MessageSeam::Notify(this, message); });
    InitCaptions();
    InitOptions();

    quillmaren2_ = new TQuillmaren2(engine_, Memo1, Panel19);
    Panel19->layout()->addWidget(quillmaren2_);
    quillmaren2_->LayoutPad();

    freeUni1_ = new TFreeUni1(settings_.FreeUBox, Memo1, TabSheet5);
    freeUni1_->RefreshPaletteFont(settings_.MainFont);
    TabSheet5->layout()->addWidget(freeUni1_);
    freeUni1_->LayoutPalette();
}

void TMainFrm::InitCaptions()
{
    // 1. Actions and the toolbar.
    InitWB->setEnabled(true);
    for (QAction *action : {ChangeProp, DelWB, CloseWB, RegWord, MoveWord, DelWord, ModWord})
        action->setEnabled(false);
    // 2. Names of the language.
    language_.Switch(settings_.InpMode, settings_.RecFlagNumber);
    // 3. Timers.
    for (QTimer *timer : {SearchTimer, PasteTimer, CallTimer})
        timer->stop();
    // 4. Toolbar check boxes and the transfer-mode display.
    CheckBox10->setChecked(settings_.KanaFlg);
    CheckBox1->setToolTip(QStringLiteral("自動貼り付けを行う場合チェックを入れて下さい。"));
    CheckBox1->setChecked(settings_.AutoPasteFlg);
    QFont modeFont(QStringLiteral("ＭＳ Ｐゴシック"));
    modeFont.setPixelSize(font().pixelSize() + 1);
    Edit2->setFont(modeFont);
    ShowTransferMode();
    // 5. Main font and size selectors.
    FillFontSelector(ComboBox2, settings_.MainFont, QStringLiteral("Times New Roman"));
    FillSizes(ComboBox3, 9, 60, settings_.MainFontSize);
    // 6. Fields and the rich-text buffers of the transfer.
    ApplySecondFieldFont();
    richBuffers_ = RichBuffers::FromSettings(settings_);
    Memo1->clear();
    ApplyMemoFont();
    textModified_ = false;
    // 9. Folder buttons and the word order.
    CaptionFolderButtons();
    currentFolder_ = qBound(0, settings_.CurrentFolderIndex, 2);
    FolderButtons[currentFolder_]->setChecked(true);
    RadioButton1->setText(language_.PairForward);
    RadioButton2->setText(language_.PairBackward);
    (settings_.EiwaFlg ? RadioButton1 : RadioButton2)->setChecked(true);
    // 11. The second field.
    PDisp->setChecked(settings_.PFlg);
    Edit1->setVisible(settings_.PFlg);
    // 12. Pages.
    PageControl1->setTabText(EuropeanInputPage, QStringLiteral("欧文入力"));
    PageControl1->setTabText(WordBookPage, QStringLiteral("単語帳"));
    PageControl1->setTabText(TrainingPage, QStringLiteral("トレーニング"));
    PageControl1->blockSignals(true);
    PageControl1->setCurrentIndex(EuropeanInputPage);
    PageControl1->blockSignals(false);
    PageControl2->setCurrentIndex(0);
}

void TMainFrm::InitOptions()
{
    // 1. Language.
    const int radio = settings_.InpMode >= 1 && settings_.InpMode <= 5 ? settings_.InpMode : 0;
    LanguageRadios[radio]->setChecked(true);
    SwitchLanguage();
    // 2. Transfer options.
    FillSizes(ComboBox5, 9, 60, settings_.TransMainFSize);
    FillSizes(ComboBox6, 9, 40, settings_.TransIPAFSize);
    CheckBox7->setChecked(settings_.TransFSFlg);
    ComboBox5->setEnabled(settings_.TransFSFlg);
    ComboBox6->setEnabled(settings_.TransFSFlg);
    CheckBox8->setChecked(settings_.TransClearFlg);
    CheckBox13->setChecked(settings_.SlowPasteFlg);
    CheckBox9->setChecked(settings_.Method2Flg);
    // 3. Screen options.
    CheckBox6->setChecked(stretchDown_);
    CheckBox11->setChecked(settings_.MemPosFlg);
    // 4. Phonetic font and size.
    FillFontSelector(ComboBox4, settings_.IPAFont, QStringLiteral("Segoe UI"));
    FillSizes(ComboBox7, 9, 40, settings_.IPAFontSize);
    ApplySecondFieldFont();
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
    setWindowTitle(kTitle);
    resize(settings_.MainWidth, settings_.MainHeight);
    if (settings_.MainLeft != -1 && settings_.MemPosFlg) {
        move(settings_.MainLeft, settings_.MainTop);
    } else if (const QScreen *screen = this->screen()) {
        const QSize size = screen->geometry().size();
        move((size.width() - settings_.MainWidth) / 2, (size.height() - settings_.MainHeight) / 2);
    }
    lowerHeight_ = kStandardPageHeight;
    KeepSplitterHeights();
    quillmaren2_->LayoutPad();
    freeUni1_->LayoutPalette();

    if (settings_.FirstPage >= 0 && settings_.FirstPage < PageControl1->count())
        PageControl1->setCurrentIndex(settings_.FirstPage);
    const bool wordBook = PageControl1->currentIndex() == WordBookPage;
    PDisp->setEnabled(wordBook);
    SpeedButton16->setEnabled(wordBook);

    CheckBox2->setChecked(true);
    Panel4->setFixedHeight(1);
    Panel4->hide();
    Memo1->setFocus(Qt::OtherFocusReason);
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainFrm::FormClose()
{
    ReleasePadPanelPads();
    delete quillmaren2_;
    quillmaren2_ = nullptr;
    delete freeUni1_;
    freeUni1_ = nullptr;
    if (parameterResetRequested_)
        return;

    const QSize screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    const WindowGeometry saved = GeometryToSave({x(), y(), width(), height()}, screenSize);
    settings_.MainLeft = saved.left;
    settings_.MainTop = saved.top;
    settings_.MainWidth = saved.width;
    settings_.MainHeight = saved.height;
    settings_.FirstPage = PageControl1->currentIndex();
    settings_.RecFlagNumber = language_.FlagIndex;
    settings_.CurrentFolderIndex = currentFolder_;

    QString error;
    if (!WriteParameterFile(paths_.SysFolder, settings_, &error)) {
        MessageSeam::Notify(this, QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2")
                                      .arg(QDir::toNativeSeparators(paths_.SysFolder + u'/' + ParameterFileName),
                                           error));
    }
}

std::optional<ComposeHost> TMainFrm::Memo1Host()
{
    switch (PageControl1->currentIndex()) {
    case EuropeanInputPage: return ComposeHost{quillmaren2_, memo1Field_.get()};
    case WordBookPage:
        if (SpeedButton16->isChecked())
            return ComposeHost{quillmaren5_, memo1Field_.get()};
        return std::nullopt;
    default: return std::nullopt;
    }
}

void TMainFrm::ReleasePadPanelPads()
{
    delete quillmaren5_;
    quillmaren5_ = nullptr;
    delete tipaBoard1_;
    tipaBoard1_ = nullptr;
}

TIPAboard::Context TMainFrm::PhoneticPadContext()
{
    return {paths_.TblFolder, [this] { return settings_.IpaFullFlg; }, [this] { return settings_.IPAFont; },
            [this](const QString &message) { MessageSeam::Notify(this, message); }};
}

void TMainFrm::ReloadPhoneticSymbolSet()
{
    if (tipaBoard1_)
        tipaBoard1_->LayoutPad();
}

bool TMainFrm::PhoneticEntryRuns() const
{
    return tipaBoard1_ && !settings_.KanaFlg && openBookType_ != QStringLiteral("空欄補充");
}

std::optional<ComposeHost> TMainFrm::Edit1Host()
{
    // The second field composes only for fill-in books, whose second field holds a sentence
    // in the foreign language, while the word-book pads are open and kana input is off.
    if (!tipaBoard1_ || settings_.KanaFlg || openBookType_ != QStringLiteral("空欄補充"))
        return std::nullopt;
    return ComposeHost{quillmaren5_, edit1Field_.get()};
}

void TMainFrm::PageChanged()
{
    const int page = PageControl1->currentIndex();
    if (page == EuropeanInputPage) {
        if (PDisp->isChecked() || settings_.PFlg) {
            PDisp->setChecked(false);
            ToggleSecondField();
        }
        PDisp->setEnabled(false);
        if (SpeedButton16->isChecked()) {
            SpeedButton16->setChecked(false);
            TogglePadPanel();
        }
        Panel4->hide();
        CategoryPanelGroup1->show();
        SpeedButton16->setEnabled(false);
    } else if (page == WordBookPage) {
        PDisp->setEnabled(true);
        Panel4->show();
        CategoryPanelGroup1->show();
        SpeedButton16->setEnabled(true);
    } else {
        return;
    }
    if (PageControl1->height() != kStandardPageHeight && shown_) {
        if (stretchDown_) {
            stretchDown_ = false;
            CheckBox6->setChecked(false);
        }
        lowerHeight_ = kStandardPageHeight;
        KeepSplitterHeights();
    }
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

void TMainFrm::TogglePadPanel()
{
    if (SpeedButton16->isChecked()) {
        if (padPanel_.StartOpening())
            NobiTimer->start();
        return;
    }
    ReleasePadPanelPads();
    if (padPanel_.StartClosing())
        NobiTimer->start();
}

void TMainFrm::NobiTimerTimer()
{
    Panel4->show();
    const PadPanelSlide::Step step = padPanel_.Tick();
    Panel4->setFixedHeight(qMax(1, padPanel_.Height()));
    if (step == PadPanelSlide::Step::Moving)
        return;
    NobiTimer->stop();
    if (step == PadPanelSlide::Step::Opened && SpeedButton16->isChecked()) {
        quillmaren5_ = new TQuillmaren5(engine_, Memo1, Edit1, TabSheet6);
        TabSheet6->layout()->addWidget(quillmaren5_);
        quillmaren5_->show();
        quillmaren5_->LayoutPad();
        tipaBoard1_ = new TIPAboard1(PhoneticPadContext(), Edit1, RichEdit2, TabSheet7);
        TabSheet7->layout()->addWidget(tipaBoard1_);
        tipaBoard1_->show();
        tipaBoard1_->LayoutPad();
        const bool phonetic = Edit1->hasFocus() && openBookType_ != QStringLiteral("空欄補充");
        PageControl3->setCurrentWidget(phonetic ? TabSheet7 : TabSheet6);
    }
    FormResize();
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && padPanel_.Open()) {
        if (watched == Memo1)
            PageControl3->setCurrentWidget(TabSheet6);
        else if (watched == Edit1)
            PageControl3->setCurrentWidget(openBookType_ == QStringLiteral("空欄補充") ? TabSheet6 : TabSheet7);
    }
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
    if (quillmaren2_)
        quillmaren2_->LayoutPad();
    FormResize();
}

void TMainFrm::FormResize()
{
    if (ComboBox2->lineEdit())
        ComboBox2->lineEdit()->deselect();
    if (PageControl1->currentIndex() == TrainingPage)
        StatusPanels[0]->setText(QStringLiteral("画面の幅・高さ(%1,%2)").arg(width()).arg(height()));
    else if (openBookType_.isNull())
        StatusPanels[0]->clear();

    // With every other option panel folded, 選択中の言語 reaches down to the input areas' foot.
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
    const int padPanel = padPanel_.Open() ? Panel4->height() : 0;
    const int content = settings_.PFlg ? Memo1->height() + Edit1->height() + padPanel - 7 * header - 4
                                       : Memo1->height() + padPanel - 7 * header - 11;
    current->setFixedHeight(qMax(current->minimumSizeHint().height(), content + header));
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
