#include "wordbook/WordBookPage.h"

#include "app/AppPaths.h"
#include "app/Language.h"
#include "app/LanguageState.h"
#include "app/SettingsStore.h"
#include "dialogs/FileDialogSeam.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "wordbook/BookProgressDelegate.h"
#include "wordbook/BookPropertiesForm.h"
#include "wordbook/BookSets.h"
#include "wordbook/BookTextExchange.h"
#include "wordbook/TMoveFrm.h"
#include "wordbook/TRegFrm.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordList.h"
#include "wordbook/WordListDelegate.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kPanelOpenWidth = 400;
constexpr int kPanelClosedWidth = 40;

/// The settings that hold the widths of the word list's columns 0 to 5.
constexpr std::array<int Settings::*, 6> kColumnWidthSettings{&Settings::ColWidth0, &Settings::ColWidth1,
                                                              &Settings::ColWidth2, &Settings::ColWidth3,
                                                              &Settings::ColWidth4, &Settings::ColWidth5};

/// The selected row of a list that selects whole rows, if any.
std::optional<int> SelectedRowOf(const QAbstractItemView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.constFirst().row();
}

/// What the undo and redo captions call a change.
QString ChangeName(OpenBook::ChangeKind kind)
{
    switch (kind) {
    case OpenBook::ChangeKind::Register: return QStringLiteral("単語の登録");
    case OpenBook::ChangeKind::Insert: return QStringLiteral("単語の挿入");
    case OpenBook::ChangeKind::Edit: return QStringLiteral("単語の編集");
    case OpenBook::ChangeKind::Delete: return QStringLiteral("単語の削除");
    case OpenBook::ChangeKind::Move: return QStringLiteral("単語の移動");
    case OpenBook::ChangeKind::Sort: return QStringLiteral("並べ替え");
    case OpenBook::ChangeKind::Properties: return QStringLiteral("単語帳のプロパティ変更");
    }
    return {};
}

/// The undo and redo keys of the word list; the text fields keep Ctrl+Z for their own undo.
const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKey(Qt::CTRL | Qt::Key_Y);

/// Makes a row the current and selected one and scrolls it into view.
void ShowRow(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->setCurrentIndex(index);
    view->scrollTo(index);
}

}  // namespace

WordBookPage::WordBookPage(SettingsStore &store, const AppPaths &paths, WordBookActions actions,
                           std::array<QLabel *, 2> statusPanels, QWidget *parent)
    : QWidget(parent), store_(store), settings_(store.Get()), paths_(paths), actions_(actions),
      statusPanels_(statusPanels)
{
    setObjectName(QStringLiteral("WordBookPage"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    BuildWordList();
    row->addWidget(ListView1, 1);
    BuildPanel();
    row->addWidget(Panel8);

    connect(actions_.InitWB, &QAction::triggered, this, &WordBookPage::InitWBExecute);
    connect(actions_.OpenWB, &QAction::triggered, this, &WordBookPage::OpenWBExecute);
    connect(actions_.CloseWB, &QAction::triggered, this, &WordBookPage::CloseWBExecute);
    connect(actions_.DelWB, &QAction::triggered, this, &WordBookPage::DelWBExecute);
    connect(actions_.NewWordBook, &QAction::triggered, this, &WordBookPage::NewWordBookExecute);
    connect(actions_.ChangeProp, &QAction::triggered, this, &WordBookPage::ChangePropExecute);
    connect(actions_.N501, &QAction::triggered, this, [this] { GenerateSet(true); });
    connect(actions_.bookG1, &QAction::triggered, this, [this] { GenerateSet(false); });
    connect(actions_.DelWord, &QAction::triggered, this, &WordBookPage::DelWordExecute);
    connect(actions_.MoveWord, &QAction::triggered, this, &WordBookPage::MoveWordExecute);
    connect(actions_.ExportText, &QAction::triggered, this, [this] { Exchange().ExportTextExecute(); });
    connect(actions_.ImportText, &QAction::triggered, this, [this] { Exchange().ImportTextExecute(); });
    actions_.ExportText->setEnabled(false);
    connect(this, &WordBookPage::OpenBookChanged, this, [this] { actions_.ExportText->setEnabled(book_.IsOpen()); });

    // Undo and redo work on the word list: its keys reach them only while it has the focus.
    for (auto [action, key] : {std::pair{actions_.UndoWord, kUndoKey}, std::pair{actions_.RedoWord, kRedoKey}}) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ListView1->addAction(action);
    }
    connect(actions_.UndoWord, &QAction::triggered, this, [this] { UndoWordExecute(true); });
    connect(actions_.RedoWord, &QAction::triggered, this, [this] { UndoWordExecute(false); });
    connect(&openBook_, &OpenBook::UndoStateChanged, this, &WordBookPage::ShowUndoState);
    ShowUndoState();
}

BookTextExchange &WordBookPage::Exchange()
{
    if (!exchange_) {
        exchange_ = new BookTextExchange(
            {[this]() -> const WordBook & { return book_; }, [this] { return languageName_; },
             [this](const QList<WordEntry> &words, const QString &title) { return NewBook(words, title); }},
            this);
    }
    return *exchange_;
}

void WordBookPage::BuildWordList()
{
    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    wordList_ = new WordListModel(openBook_, this);
    ListView1->setModel(wordList_);
    ListView1->setItemDelegate(new WordListDelegate(
        settings_, [this] { return wordList_->ForeignFirst(); }, [this] { return book_.Type(); }, ListView1));
    QFont listFont = InstalledFont(QStringLiteral("Tahoma"));
    listFont.setPixelSize(15);
    ListView1->setFont(listFont);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    // A click gives the list the focus, so that its undo and redo keys reach it; choosing a
    // book and taking a word over give it back to the input area.
    ListView1->setFocusPolicy(Qt::ClickFocus);
    ListView1->installEventFilter(this);
    ListView1->verticalHeader()->hide();
    // Every row the same height: the view lays out and paints only the rows in sight.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setMinimumSectionSize(1);  // the reserve column is 1 pixel wide
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(ListView1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({actions_.ModWord, actions_.MoveWord, actions_.DelWord});
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at)); });
    connect(ListView1, &QAbstractItemView::clicked, this, &WordBookPage::ListView1Click);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &WordBookPage::ListView1Click);
    connect(ListView1, &QAbstractItemView::doubleClicked, this, &WordBookPage::ListView1DblClick);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &WordBookPage::SortByColumn);
    connect(&store_, &SettingsStore::Changed, this, [this](SettingsStore::Aspects what) {
        if (what & SettingsStore::Aspect::RowHeight)
            ApplyRowHeight();
        if (what & SettingsStore::Aspect::WordListFonts)
            RepaintWordList();
        if (what & SettingsStore::Aspect::FolderNames)
            CaptionFolderButtons();
    });
}

void WordBookPage::ApplyRowHeight()
{
    // The line height needs the list's font loaded: a hidden page waits for its show.
    rowHeightPending_ = !isVisible();
    if (rowHeightPending_)
        return;
    ListView1->verticalHeader()->setDefaultSectionSize(qMax(settings_.LV1LNHeight, ListView1->fontMetrics().height()));
}

void WordBookPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (rowHeightPending_)
        ApplyRowHeight();
}

void WordBookPage::RepaintWordList()
{
    ListView1->viewport()->update();
}

void WordBookPage::SetLanguageName(const QString &languageName)
{
    languageName_ = languageName;
    wordList_->SetLanguageName(languageName);
}

void WordBookPage::SaveColumnWidths()
{
    store_.Change([this](Settings &s) {
        for (int c = 0; c < 6; ++c)
            s.*kColumnWidthSettings[std::size_t(c)] = BoundColumnWidth(c, ListView1->columnWidth(c));
    });
}

std::optional<int> WordBookPage::SelectedWord() const
{
    return SelectedRowOf(ListView1);
}

void WordBookPage::SelectWord(qsizetype row)
{
    ShowRow(ListView1, int(row));
    ListView1Click();
}

void WordBookPage::SetWordDialogServices(CompositionEngine *engine, TIPAboard::Context phonetic)
{
    engine_ = engine;
    phoneticContext_ = std::move(phonetic);
}

void WordBookPage::RegWordExecute(const QString &memo, const QString &edit)
{
    if (!book_.IsOpen() || !engine_)
        return;
    TRegFrm dialog({*engine_, store_, phoneticContext_, ForeignCaption()}, TRegFrm::Mode::Register, book_, this);
    dialog.TakeInputAreas(memo, edit);
    dialog.SetApply([this](const TRegFrm::Result &result) { return RegisterWord(result); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (settings_.RegClearFlg)
        emit ClearInputAreasRequested();
}

bool WordBookPage::MayChangeBook()
{
    if (openBook_.HeaderOnly()) {
        // The training took the book by its header alone: its words are read before a change,
        // or writing the change would leave the file with none of them.
        const QString path = book_.Path();
        const WordBookReadResult read = openBook_.Reread();
        if (read.status == WordBookStatus::Missing) {
            MessageSeam::Notify(
                this, FileErrorText(FileError::Because(FileError::Code::Missing, path, FileError::Reason::NotFound)));
            return false;
        }
        ShowReadBook(read, false);
        if (read.status != WordBookStatus::Read)
            return false;
    }
    if (book_.IsOpen())
        return true;
    MessageSeam::Notify(this, QStringLiteral("単語帳が開かれていないため、単語を保存できません。"));
    return false;
}

bool WordBookPage::RegisterWord(const TRegFrm::Result &result)
{
    if (!MayChangeBook())
        return false;
    qsizetype row = book_.Entries.size();
    // The insert position was offered when the dialog opened; a book read again since then
    // may have fewer words.
    if (result.insertAt && *result.insertAt <= row)
        row = *result.insertAt - 1;
    OpenBook::ChangeResult change = openBook_.Insert(row, result.word);
    if (!Settle(change))
        return false;
    SelectWord(row);
    UpdateBookCount(book_.FileName);
    return true;
}

void WordBookPage::ModWordExecute()
{
    if (!book_.IsOpen() || !engine_)
        return;
    const std::optional<int> row = SelectedWord();
    TRegFrm dialog({*engine_, store_, phoneticContext_, ForeignCaption()}, TRegFrm::Mode::Edit, book_, this);
    if (row) {
        const WordEntry original = book_.Entries.at(*row);
        dialog.ShowWord(original);
        dialog.SetApply([this, row = *row, original](const TRegFrm::Result &result) {
            return EditWord(row, original, result.word);
        });
    }
    dialog.exec();
}

bool WordBookPage::EditWord(qsizetype row, const WordEntry &original, WordEntry word)
{
    if (!MayChangeBook())
        return false;
    // The book may have been read again from its file while the dialog was open.
    if (row >= book_.Entries.size() || book_.Entries.at(row) != original) {
        MessageSeam::Notify(this, QStringLiteral("編集中の単語は、単語帳がファイルから読み直されたため見つかりません。"
                                                 "変更は保存されていません。"));
        return false;
    }
    word.Reserve = original.Reserve;  // the reserve stays as the file holds it
    OpenBook::ChangeResult change = openBook_.Replace(row, word);
    if (!Settle(change))
        return false;
    SelectWord(row);
    return true;
}

QString WordBookPage::ForeignCaption() const
{
    return wordList_->headerData(wordList_->ForeignFirst() ? 0 : 4, Qt::Horizontal, Qt::DisplayRole).toString();
}

void WordBookPage::ListView1Click()
{
    const bool selected = SelectedWord().has_value();
    for (QAction *action : {actions_.ModWord, actions_.DelWord, actions_.MoveWord})
        action->setEnabled(selected);
}

void WordBookPage::ListView1DblClick(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const TakeOverTexts texts = TakeOver(book_.Entries.at(index.row()), book_.Type(), settings_.KanaFlg);
    emit TakeOverRequested(texts.secondField, texts.foreign);
}

void WordBookPage::SortByColumn(int column)
{
    if (column == 1 || column >= 6 || !book_.IsOpen())
        return;
    const QString caption = wordList_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    if (!MessageSeam::Ask(
            this, QStringLiteral("項目「") + caption +
                      QStringLiteral("」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？")))
        return;
    if (!MayChangeBook())
        return;
    sortDirections_[std::size_t(column)] = -sortDirections_[std::size_t(column)];
    OpenBook::ChangeResult change =
        openBook_.Sort(FieldOfColumn(column, wordList_->ForeignFirst()), sortDirections_[std::size_t(column)]);
    Settle(change);
    ListView1Click();
}

bool WordBookPage::Settle(OpenBook::ChangeResult &result)
{
    // The list shows the changed book, also while the question below waits over it. Another
    // program's change to the file is not dropped without asking; kept, it is shown.
    if (result.outcome == OpenBook::Outcome::ChangedOnDisk) {
        if (!MessageSeam::Ask(
                this, QStringLiteral("単語帳「%1」のファイルは、開いた後にほかのプログラムで変更されています。\n\n"
                                     "「はい」：上書きします（ほかのプログラムでの変更は失われます）。\n"
                                     "「いいえ」：この変更は保存せず、ファイルから読み直します。")
                          .arg(ShownHeaderLine(book_.Title)))) {
            const QString fileName = book_.FileName;
            ReadBook(fileName, false);
            UpdateBookCount(fileName);
            return false;
        }
        result = openBook_.Overwrite();
    }
    if (result.outcome != OpenBook::Outcome::Failed)
        return result.Written();
    // The change was taken back: the list shows what the file holds.
    ListView1Click();
    MessageSeam::Notify(this, FileErrorText(result.error));
    return false;
}

void WordBookPage::UndoWordExecute(bool undo)
{
    const std::optional<OpenBook::ChangeKind> kind = undo ? openBook_.UndoKind() : openBook_.RedoKind();
    if (!kind || !MayChangeBook())
        return;
    OpenBook::ChangeResult change = undo ? openBook_.Undo() : openBook_.Redo();
    if (change.outcome == OpenBook::Outcome::Refused)
        return;
    const bool written = Settle(change);
    if (written && *kind == OpenBook::ChangeKind::Properties)
        ShowChangedHeader();
    if (written && change.row)
        SelectWord(*change.row);
    else
        ListView1Click();
    if (book_.IsOpen())
        UpdateBookCount(book_.FileName);
}

void WordBookPage::ShowUndoState()
{
    const std::optional<OpenBook::ChangeKind> undo = openBook_.UndoKind();
    const std::optional<OpenBook::ChangeKind> redo = openBook_.RedoKind();
    actions_.UndoWord->setEnabled(undo.has_value());
    actions_.UndoWord->setText(undo ? QStringLiteral("元に戻す（%1）").arg(ChangeName(*undo))
                                    : QStringLiteral("元に戻す"));
    actions_.RedoWord->setEnabled(redo.has_value());
    actions_.RedoWord->setText(redo ? QStringLiteral("やり直し（%1）").arg(ChangeName(*redo))
                                    : QStringLiteral("やり直し"));
}

bool WordBookPage::eventFilter(QObject *watched, QEvent *event)
{
    // The window's own Ctrl+Z (the text fields' undo) would make the key ambiguous while the
    // list has the focus: the list takes its two keys before any shortcut sees them.
    if (watched == ListView1 && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        const bool undo = pressed == kUndoKey;
        if (undo || pressed == kRedoKey) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                QAction *action = undo ? actions_.UndoWord : actions_.RedoWord;
                if (action->isEnabled())
                    action->trigger();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WordBookPage::DelWordExecute()
{
    const std::optional<int> row = SelectedWord();
    if (!row || !book_.IsOpen())
        return;
    const WordEntry entry = book_.Entries.at(*row);
    const QString language = ForeignCaption();
    if (!MessageSeam::Ask(this, QStringLiteral("■") + language + QStringLiteral("： ") + entry.Foreign +
                                    QStringLiteral("\r\n■日本語： ") + entry.Japanese +
                                    QStringLiteral("\r\n\r\nこの単語を削除しますがよろしいですか？")))
        return;
    OpenBook::ChangeResult change = openBook_.Remove(*row);
    if (!Settle(change))
        return;
    ListView1Click();
    UpdateBookCount(book_.FileName);
}

void WordBookPage::MoveWordExecute()
{
    const std::optional<int> row = SelectedWord();
    if (!row || !book_.IsOpen())
        return;
    const WordEntry entry = book_.Entries.at(*row);
    const QString language = ForeignCaption();
    TMoveFrm dialog(*row + 1, book_.Entries.size(), language, entry, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The word goes directly above the word of number Target (1-based).
    const qsizetype before = dialog.Target() - 1;
    const qsizetype to = before <= *row ? before : before - 1;
    OpenBook::ChangeResult change = openBook_.Move(*row, to);
    if (!Settle(change))
        return;
    SelectWord(to);
}

void WordBookPage::BuildPanel()
{
    Panel8 = new QFrame(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setFixedWidth(kPanelOpenWidth);
    auto *column = new QVBoxLayout(Panel8);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(3);

    auto *menuRow = new QHBoxLayout;
    SpeedButton13 = new QToolButton(Panel8);
    SpeedButton13->setObjectName(QStringLiteral("SpeedButton13"));
    SpeedButton13->setText(QStringLiteral("→"));
    SpeedButton13->setFixedSize(32, 28);
    SpeedButton13->setFocusPolicy(Qt::NoFocus);
    menuRow->addWidget(SpeedButton13);
    Label1 = new QLabel(QStringLiteral("単語帳メニュー："), Panel8);
    Label1->setObjectName(QStringLiteral("Label1"));
    menuRow->addWidget(Label1);
    SpeedButton9 = new QToolButton(Panel8);
    SpeedButton9->setObjectName(QStringLiteral("SpeedButton9"));
    SpeedButton9->setDefaultAction(actions_.NewWordBook);
    SpeedButton9->setFocusPolicy(Qt::NoFocus);
    menuRow->addWidget(SpeedButton9);
    menuRow->addStretch(1);
    column->addLayout(menuRow);

    auto *folderRow = new QHBoxLayout;
    for (int kind = 0; kind < 3; ++kind) {
        // One group in which at most one button is down; clicking the one that is down
        // releases it (so none is down) and changes nothing else.
        FolderButtons[kind] = new QToolButton(Panel8);
        FolderButtons[kind]->setObjectName(QStringLiteral("SpeedButton%1").arg(10 + kind));
        FolderButtons[kind]->setCheckable(true);
        FolderButtons[kind]->setFixedSize(60, 40);
        FolderButtons[kind]->setFocusPolicy(Qt::NoFocus);
        folderRow->addWidget(FolderButtons[kind]);
        connect(FolderButtons[kind], &QToolButton::clicked, this, [this, kind] { FolderButtonClicked(kind); });
    }
    folderRow->addStretch(1);
    column->addLayout(folderRow);

    ListView2 = new QTreeView(Panel8);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setModel(&bookList_);
    ListView2->setRootIsDecorated(false);
    ListView2->setItemsExpandable(false);
    ListView2->setUniformRowHeights(true);
    ListView2->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView2->setFocusPolicy(Qt::NoFocus);
    ListView2->header()->setStretchLastSection(false);
    ListView2->header()->setSectionsMovable(false);
    // All six columns fit the open panel, 習得 included: the group (a number and a short name),
    // the count and the type letter take only the room their captions need.
    const int widths[BookListModel::ColumnCount] = {116, 96, 66, 44, 24, 44};
    for (int c = 0; c < BookListModel::ColumnCount; ++c)
        ListView2->setColumnWidth(c, widths[c]);
    ListView2->setItemDelegateForColumn(BookListModel::MasteredColumn, new BookProgressDelegate(ListView2));
    QPalette dark = ListView2->palette();
    dark.setColor(QPalette::Base, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::Text, Qt::white);
    ListView2->setPalette(dark);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu3 = new QMenu(ListView2);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    PopupMenu3->addAction(actions_.DelWB);
    connect(ListView2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu3->popup(ListView2->viewport()->mapToGlobal(at)); });
    connect(ListView2, &QAbstractItemView::clicked, this, &WordBookPage::ListView2Click);
    column->addWidget(ListView2, 1);

    auto *orderRow = new QHBoxLayout;
    RadioButton1 = new QRadioButton(Panel8);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(Panel8);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    CheckBox2 = new QCheckBox(Panel8);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setFocusPolicy(Qt::NoFocus);
    for (QRadioButton *radio : {RadioButton1, RadioButton2}) {
        radio->setFocusPolicy(Qt::NoFocus);
        orderRow->addWidget(radio);
    }
    orderRow->addStretch(1);
    orderRow->addWidget(CheckBox2);
    column->addLayout(orderRow);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { WordOrderClicked(true); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { WordOrderClicked(false); });

    DoorTimer = new QTimer(this);
    DoorTimer->setObjectName(QStringLiteral("DoorTimer"));
    DoorTimer->setInterval(10);
    connect(DoorTimer, &QTimer::timeout, this, &WordBookPage::DoorTimerTimer);
    connect(SpeedButton13, &QToolButton::clicked, this, &WordBookPage::SpeedButton13Click);
}

void WordBookPage::InitCaptions(const LanguageState &language)
{
    // The saved widths as they were saved, whatever the word order (no exchange at start).
    for (int c = 0; c < 6; ++c)
        ListView1->setColumnWidth(c, BoundColumnWidth(c, settings_.*kColumnWidthSettings[std::size_t(c)]));
    ListView1->setColumnWidth(6, 1);
    ApplyRowHeight();
    wordList_->SetWordOrder(settings_.EiwaFlg);
    SetLanguageName(language.LanguageName);
    CaptionFolderButtons();
    store_.Change([folder = CurrentFolder()](Settings &s) { s.CurrentFolderIndex = folder; });
    FolderButtons[CurrentFolder()]->setChecked(true);
    RadioButton1->setText(language.PairForward);
    RadioButton2->setText(language.PairBackward);
    (settings_.EiwaFlg ? RadioButton1 : RadioButton2)->setChecked(true);
}

void WordBookPage::ShowLanguage(const LanguageState &language)
{
    SetLanguageName(language.LanguageName);
    RadioButton1->setText(language.PairForward);
    RadioButton2->setText(language.PairBackward);
    const int kind = CurrentFolder();
    for (int k = 0; k < 3; ++k)
        FolderButtons[k]->setChecked(k == kind);
    if (shown_)  // before the first show the list waits for it
        SelectFolder(kind);
}

void WordBookPage::FormShow()
{
    shown_ = true;
    CheckBox2->setChecked(true);
    RefreshBookList();
}

int WordBookPage::CurrentFolder() const
{
    return qBound(0, settings_.CurrentFolderIndex, 2);
}

QString WordBookPage::CurrentFolderPath() const
{
    switch (CurrentFolder()) {
    case 0: return paths_.BookAFolder;
    case 1: return paths_.BookGFolder;
    default: return paths_.BookSFolder;
    }
}

void WordBookPage::FolderButtonClicked(int kind)
{
    // The handler acts only when its button is down: a click on the button that was down
    // releases it and does nothing else.
    for (int k = 0; k < 3; ++k) {
        if (k != kind)
            FolderButtons[k]->setChecked(false);
    }
    if (FolderButtons[kind]->isChecked())
        SelectFolder(kind);
}

void WordBookPage::SelectFolder(int kind)
{
    store_.Change([kind](Settings &s) { s.CurrentFolderIndex = kind; });
    RefreshBookList();
}

void WordBookPage::CaptionFolderButtons()
{
    FolderButtons[0]->setText(QStringLiteral("会話\nﾌｫﾙﾀﾞ"));
    FolderButtons[1]->setText(settings_.DicNameFlg ? QStringLiteral("辞書\nﾌｫﾙﾀﾞ") : QStringLiteral("文法\nﾌｫﾙﾀﾞ"));
    FolderButtons[2]->setText(QStringLiteral("語彙\nﾌｫﾙﾀﾞ"));
}

void WordBookPage::RefreshBookList()
{
    InitWBExecute();
    FillBookList();
}

void WordBookPage::FillBookList()
{
    bookList_.SetRows(ReadBookFolder(CurrentFolderPath()));
    RefreshMasteredShares();
    ShowFolderTotal(bookList_.Total());
}

void WordBookPage::SetMasteredShares(MasteredShares shares)
{
    masteredShares_ = std::move(shares);
    RefreshMasteredShares();
}

void WordBookPage::RefreshMasteredShares()
{
    if (masteredShares_ && !bookList_.Rows().isEmpty())
        bookList_.SetMasteredShares(masteredShares_(CurrentFolder(), bookList_.Rows()));
}

void WordBookPage::ShowFolderTotal(qsizetype total)
{
    statusPanels_[1]->setText(QStringLiteral("●単語帳ﾌｫﾙﾀﾞ：") + QDir::toNativeSeparators(CurrentFolderPath()) +
                              QStringLiteral("…[") + QString::number(total) + u']');
}

void WordBookPage::UpdateBookCount(const QString &fileName)
{
    bookList_.SetCount(fileName, book_.Entries.size());
    ShowFolderTotal(bookList_.Total());
}

std::optional<int> WordBookPage::SelectedRow() const
{
    return SelectedRowOf(ListView2);
}

void WordBookPage::SelectRow(int row)
{
    ShowRow(ListView2, row);
    ListView2Click();
}

bool WordBookPage::SelectBookByFileName(const QString &fileName)
{
    for (int row = 0; row < bookList_.Rows().size(); ++row) {
        if (bookList_.Rows()[row].fileName == fileName) {
            SelectRow(row);
            return true;
        }
    }
    return false;
}

void WordBookPage::TakeTrainingBook(const QString &fileName, const QString &title, const QString &group,
                                    const QString &typeName)
{
    openBook_.OpenHeader(CurrentFolderPath(), fileName, title, group, typeName);
}

void WordBookPage::ClearBookSelection()
{
    ListView2->clearSelection();
}

bool WordBookPage::EditSearchHit(int folder, const QString &fileName, qsizetype number)
{
    if (!FolderButtons[folder]->isChecked()) {
        for (int k = 0; k < 3; ++k)
            FolderButtons[k]->setChecked(k == folder);
        SelectFolder(folder);
    }
    // Choosing a book no longer slides the panel, until the next start.
    CheckBox2->setChecked(false);
    // The hit's own file: several books may share its title.
    if (!SelectBookByFileName(fileName) || book_.FileName != fileName)
        return false;  // the book is gone since the search
    if (number < 1 || number > book_.Entries.size())
        return false;
    SelectWord(number - 1);
    ModWordExecute();
    return true;
}

void WordBookPage::CloseBookPanelOnce()
{
    if (SpeedButton13->text() != u"→")
        return;
    suppressSlideOpen_ = true;
    SpeedButton13Click();
}

void WordBookPage::ListView2Click()
{
    if (!SelectedRow()) {
        if (book_.Title.isEmpty()) {
            for (QAction *action : {actions_.ChangeProp, actions_.DelWB, actions_.CloseWB, actions_.RegWord})
                action->setEnabled(false);
        }
        return;
    }
    InitWBExecute();
    for (QAction *action : {actions_.ChangeProp, actions_.DelWB, actions_.CloseWB, actions_.RegWord})
        action->setEnabled(true);
    if (!CheckBox2->isChecked() || (opensAtOnce_ && opensAtOnce_()))
        OpenWBExecute();
    else
        SpeedButton13Click();
    if (auto *memo = window()->findChild<QPlainTextEdit *>(QStringLiteral("Memo1")))
        memo->setFocus(Qt::OtherFocusReason);
}

void WordBookPage::InitWBExecute()
{
    openBook_.Close();
    statusPanels_[0]->clear();
    for (QAction *action : {actions_.ChangeProp, actions_.CloseWB, actions_.DelWB, actions_.RegWord, actions_.ModWord,
                            actions_.DelWord, actions_.MoveWord})
        action->setEnabled(false);
    emit OpenBookChanged();
}

void WordBookPage::ReadBook(QString fileName, bool tellUnreadLines)
{
    const WordBookReadResult result = openBook_.Open(CurrentFolderPath(), fileName);
    if (result.status == WordBookStatus::Missing)
        return;
    ShowReadBook(result, tellUnreadLines);
}

void WordBookPage::ShowReadBook(const WordBookReadResult &result, bool tellUnreadLines)
{
    if (const std::optional<QuestionType> type = QuestionTypeFromName(book_.TypeName))
        wordList_->SetPhoneticCaption(PhoneticCaption(*type));
    ListView1Click();
    if (settings_.LastVisibleFlg && !book_.Entries.isEmpty())
        ListView1->scrollToBottom();
    ShowOpenBookTitle();
    emit OpenBookChanged();
    // Told once the list shows the book: while a message box waits, the list is painted.
    if (result.error)
        MessageSeam::Notify(this, FileErrorText(*result.error));
    if (tellUnreadLines && result.unreadLines > 0)
        MessageSeam::Notify(this, QStringLiteral("単語帳「%1」には、単語として読めない行が %2 行あります。\n"
                                                 "これらの行は一覧に表示されませんが、ファイルにはそのまま残ります。")
                                      .arg(ShownHeaderLine(book_.Title))
                                      .arg(result.unreadLines));
}

void WordBookPage::ShowOpenBookTitle()
{
    statusPanels_[0]->setText(book_.IsOpen() ? QStringLiteral("●ﾀｲﾄﾙ：[") + ShownHeaderLine(book_.Title) + u']'
                                             : QString());
}

void WordBookPage::ShowChangedHeader()
{
    // The book stays open (its undo list with it); the book list reads the new header.
    FillBookList();
    ShowOpenBookTitle();
    emit OpenBookChanged();
}

void WordBookPage::OpenWBExecute()
{
    const std::optional<int> row = SelectedRow();
    if (!row)
        return;
    ReadBook(bookList_.Rows()[*row].fileName, true);
    actions_.RegWord->setEnabled(book_.IsOpen());
}

QString WordBookPage::BookLines() const
{
    return QStringLiteral("■単語帳タイトル： [") + ShownHeaderLine(book_.Title) +
           QStringLiteral("]\r\n■ファイル名：　　\"") + book_.FileName + QStringLiteral("\"\r\n\r\n");
}

void WordBookPage::CloseWBExecute()
{
    if (book_.Title.isEmpty())
        return;
    if (!MessageSeam::Ask(this, BookLines() + QStringLiteral("この単語帳を閉じますが、よろしいですか？")))
        return;
    InitWBExecute();
    SpeedButton13Click();
    ListView2->clearSelection();
    ListView2->setCurrentIndex({});
}

void WordBookPage::DelWBExecute()
{
    if (book_.Title.isEmpty())
        return;
    if (!MessageSeam::Ask(this, BookLines() + QStringLiteral("この単語帳を削除しますがよろしいですか？")))
        return;
    const QString path = CurrentFolderPath() + u'/' + book_.FileName;
    if (!QFileInfo::exists(path))
        return;
    if (!QFile::remove(path)) {
        MessageSeam::Notify(this, QStringLiteral("ファイル %1 を削除できません。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    RefreshBookList();
}

void WordBookPage::NewWordBookExecute()
{
    NewBook({}, {});
}

bool WordBookPage::NewBook(const QList<WordEntry> &words, const QString &proposedTitle)
{
    const QString folder = CurrentFolderPath();
    bool made = false;
    TNewFrm dialog(
        folder,
        [this, folder, &words, &made](const BookProperties &properties) {
            FileDialogSeam::Request request;
            request.caption =
                words.isEmpty()
                    ? QStringLiteral("単語帳のファイル名指定　（「保存」ボタンを押し、空のファイルを作って下さい。）")
                    : QStringLiteral(
                          "単語帳のファイル名指定　（「保存」ボタンを押すと、取り込んだ単語の単語帳を作ります。）");
            request.proposedPath = folder + u'/' + FileNameOfTitle(properties.title) + WordBookExtension;
            request.filter = QStringLiteral("（ユニコードテキスト）　*.utx (*.utx)");
            request.defaultSuffix = QStringLiteral("utx");
            const QString path = FileDialogSeam::SaveFileName(this, request);
            if (path.isEmpty())
                return false;
            // Choosing an existing book would replace it: ask first.
            if (QFileInfo::exists(path) &&
                !MessageSeam::Ask(this,
                                  QStringLiteral("■ファイル名：　　\"") + QFileInfo(path).fileName() +
                                      (words.isEmpty() ? QStringLiteral("\"\r\n\r\nこのファイルは既にあります。"
                                                                        "空の単語帳で置き換えますか？")
                                                       : QStringLiteral("\"\r\n\r\nこのファイルは既にあります。"
                                                                        "取り込んだ単語の単語帳で置き換えますか？"))))
                return false;
            FileError error;
            if (!CreateWordBookFile(path, properties.title, properties.group, properties.typeName, &error, words)) {
                MessageSeam::Notify(this, FileErrorText(error));
                return false;
            }
            RefreshBookList();
            SelectBookByFileName(QFileInfo(path).fileName());
            made = true;
            return true;
        },
        this);
    if (!proposedTitle.isEmpty())
        dialog.SetProperties(proposedTitle.left(20), {}, QuestionType::W);
    dialog.exec();
    return made;
}

void WordBookPage::ChangePropExecute()
{
    if (!book_.IsOpen())
        return;
    TPropFrm dialog(
        CurrentFolderPath(),
        [this](const BookProperties &properties) {
            if (!MayChangeBook())
                return false;
            OpenBook::ChangeResult change =
                openBook_.SetProperties(properties.title, properties.group, properties.typeName);
            if (!Settle(change))
                return false;  // the dialog stays open with what was typed
            ShowChangedHeader();
            for (QAction *action : {actions_.RegWord, actions_.ChangeProp, actions_.DelWB, actions_.CloseWB})
                action->setEnabled(true);
            ListView1Click();
            return true;
        },
        this);
    dialog.SetProperties(book_.Title, book_.Group, book_.Type());
    dialog.exec();
}

void WordBookPage::GenerateSet(bool dictionary)
{
    const QString question =
        dictionary ? QStringLiteral("bookGフォルダに46個の空の辞書ファイルを生成します。よろしいですか？")
                   : QStringLiteral("bookGフォルダに28個の空の英語の文法ファイルを生成します。よろしいですか？");
    if (!MessageSeam::Ask(this, question))
        return;
    const int language = settings_.InpMode >= 0 && settings_.InpMode < LanguageCount ? settings_.InpMode : 0;
    const QString letter = Languages()[language].code;
    FileError error;
    const bool made = dictionary ? CreateDictionarySet(paths_.BookGFolder, letter, &error)
                                 : CreateGrammarSet(paths_.BookGFolder, letter, &error);
    if (!made)
        MessageSeam::Notify(this, FileErrorText(error));
    for (int k = 0; k < 3; ++k)
        FolderButtons[k]->setChecked(k == 1);
    SelectFolder(1);
}

void WordBookPage::WordOrderClicked(bool foreignFirst)
{
    store_.Change([foreignFirst](Settings &s) { s.EiwaFlg = foreignFirst; });
    if (wordList_->ForeignFirst() != foreignFirst) {
        // Each field keeps its width when it changes column.
        const int first = ListView1->columnWidth(0);
        ListView1->setColumnWidth(0, ListView1->columnWidth(4));
        ListView1->setColumnWidth(4, first);
        wordList_->SetWordOrder(foreignFirst);
    }
    emit WordOrderSwitched(foreignFirst);
    if (book_.IsOpen())
        ReadBook(book_.FileName, false);
    if (CheckBox2->isChecked() && SelectedRow())
        SpeedButton13Click();
}

void WordBookPage::SpeedButton13Click()
{
    if (SpeedButton13->text() == u"→")
        SpeedButton9->hide();
    DoorTimer->start();
}

void WordBookPage::DoorTimerTimer()
{
    const bool closing = SpeedButton13->text() == u"→";
    const int width = Panel8->width();
    if (closing) {
        if (width > kPanelClosedWidth) {
            Panel8->setFixedWidth(width - 20);
            return;
        }
        Panel8->setFixedWidth(kPanelClosedWidth);
        SpeedButton13->setText(QStringLiteral("←"));
        Label1->hide();
    } else {
        if (width < kPanelOpenWidth) {
            Panel8->setFixedWidth(width + 20);
            return;
        }
        Panel8->setFixedWidth(kPanelOpenWidth);
        SpeedButton13->setText(QStringLiteral("→"));
        SpeedButton9->show();
        Label1->show();
    }
    // The slide has ended: the selected book opens, unless the search asked otherwise.
    if (!suppressSlideOpen_) {
        if (const std::optional<int> row = SelectedRow()) {
            if (bookList_.Rows()[*row].fileName != book_.FileName)
                OpenWBExecute();
            else
                ListView1->viewport()->update();
        }
    }
    suppressSlideOpen_ = false;
    DoorTimer->stop();
}

std::optional<QuestionType> WordBookPage::OpenBookType() const
{
    if (!book_.IsOpen())
        return std::nullopt;
    return book_.Type();
}
