#include "wordbook/TSearchFrm.h"

#include "app/AppPaths.h"
#include "app/SettingsStore.h"
#include "compose/CharacterKeyFilter.h"
#include "compose/ComposeFields.h"
#include "compose/CompositionEngine.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "pads/TIPAboard3.h"
#include "pads/TQuillmaren3.h"
#include "wordbook/WordSearch.h"
#include "wordbook/WordSearchDelegate.h"
#include "wordbook/WordSearchModel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDialogPoints = 10;  // Tahoma, 13 pixels high: the base of the field's fonts
constexpr int kListPoints = 11;    // Tahoma, 15 pixels high: the base of the list's fonts
constexpr int kMinimumRowHeight = 24;

enum Field { ForeignField, PhoneticField, KanaField, JapaneseField, NotesField };

/// Where the dialog was when it was last closed since the program started.
std::optional<QRect> &RememberedGeometry()
{
    static std::optional<QRect> geometry;
    return geometry;
}

}  // namespace

TSearchFrm::TSearchFrm(Context context, QWidget *parent) : QDialog(parent), context_(std::move(context))
{
    setObjectName(QStringLiteral("TSearchFrm"));
    setWindowTitle(QStringLiteral("単語帳検索"));
    setFont(InstalledFont(QStringLiteral("Tahoma"), kDialogPoints));
    setMinimumSize(500, 367);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    BuildTopBar();
    BuildPages();

    if (const std::optional<QRect> &remembered = RememberedGeometry()) {
        resize(remembered->size());
        move(remembered->topLeft());
    } else {
        resize(560, 367);
        if (parent) {
            const QRect main = parent->window()->frameGeometry();
            move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
        }
    }
    // At opening "日本語" is chosen, but the field keeps the dialog's own font until a field is
    // chosen.
    ComboBox1->blockSignals(true);
    ComboBox1->setCurrentIndex(JapaneseField);
    ComboBox1->blockSignals(false);
    Edit1->setFont(InstalledFont(QStringLiteral("Tahoma"), kDialogPoints + 3));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
    PageControl1->setCurrentWidget(TabSheet1);
    Edit1->setFocus(Qt::OtherFocusReason);
}

TSearchFrm::~TSearchFrm() = default;

void TSearchFrm::BuildTopBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("検索項目："), bar));
    ComboBox1 = new QComboBox(bar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({context_.languageName, QStringLiteral("発音記号"), QStringLiteral("発音カナ"),
                         QStringLiteral("日本語"), QStringLiteral("備考")});
    row->addWidget(ComboBox1);
    Edit1 = new QLineEdit(bar);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    row->addWidget(Edit1, 1);

    // The folders named as the word-book page names them, top to bottom bookA, bookG, bookS.
    auto *folders = new QVBoxLayout;
    folders->setSpacing(0);
    RadioButton1 = new QRadioButton(QStringLiteral("会話ﾌｫﾙﾀﾞ"), bar);
    RadioButton2 = new QRadioButton(
        context_.settings.Get().DicNameFlg ? QStringLiteral("辞書ﾌｫﾙﾀﾞ") : QStringLiteral("文法ﾌｫﾙﾀﾞ"), bar);
    RadioButton3 = new QRadioButton(QStringLiteral("語彙ﾌｫﾙﾀﾞ"), bar);
    const char *names[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
    const QList<QRadioButton *> radios{RadioButton1, RadioButton2, RadioButton3};
    for (int i = 0; i < 3; ++i) {
        radios[i]->setObjectName(QLatin1String(names[i]));
        radios[i]->setFocusPolicy(Qt::NoFocus);
        folders->addWidget(radios[i]);
    }
    const int stored = context_.settings.Get().SearchFolderIndex;
    radios[stored >= 0 && stored <= 2 ? stored : 0]->setChecked(true);
    row->addLayout(folders);

    Button2 = new QPushButton(QStringLiteral("検索"), bar);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button2->setFocusPolicy(Qt::NoFocus);
    row->addWidget(Button2);
    layout()->addWidget(bar);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TSearchFrm::ComboBox1Change);
    connect(Button2, &QPushButton::clicked, this, &TSearchFrm::Button2Click);
}

void TSearchFrm::BuildPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setFocusPolicy(Qt::NoFocus);
    BuildResultPage();

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto *letters = new QVBoxLayout(TabSheet2);
    letters->setContentsMargins(0, 0, 0, 0);
    quillmaren3_ = new TQuillmaren3(context_.engine, Edit1, TabSheet2);
    letters->addWidget(quillmaren3_);
    PageControl1->addTab(TabSheet2, QStringLiteral("特殊文字"));

    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    auto *phonetic = new QVBoxLayout(TabSheet3);
    phonetic->setContentsMargins(0, 0, 0, 0);
    auto *panel4 = new QWidget(TabSheet3);
    panel4->setObjectName(QStringLiteral("Panel4"));
    auto *panelLayout = new QVBoxLayout(panel4);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    ipaBoard3_ = new TIPAboard3(context_.phonetic, Edit1, panel4);
    panelLayout->addWidget(ipaBoard3_);
    phonetic->addWidget(panel4);
    PageControl1->addTab(TabSheet3, QStringLiteral("発音記号"));
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), false);
    layout()->addWidget(PageControl1);

    // The search field's keys: composition for the foreign field, phonetic entry for the
    // phonetic field, plain for the others.
    editField_ = std::make_unique<LineEditComposeField>(Edit1);
    new CharacterKeyFilter(
        Edit1,
        [this](QStringView typed) {
            switch (ComboBox1->currentIndex()) {
            case ForeignField: return context_.engine.ComposeCharacter({quillmaren3_, editField_.get()}, typed);
            case PhoneticField: return typed.size() == 1 && ipaBoard3_->PhoneticKeyPress(typed.front());
            default: return false;
            }
        },
        [this](const QString &text) { editField_->ReplaceSelection(text); });
    // Installed after the key filter, so it sees Enter first.
    Edit1->installEventFilter(this);
}

void TSearchFrm::BuildResultPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *page = new QVBoxLayout(TabSheet1);
    page->setContentsMargins(2, 2, 2, 2);
    page->setSpacing(4);

    ListView1 = new QTableView(TabSheet1);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    results_ = new WordSearchModel(this);
    ListView1->setModel(results_);
    auto *delegate = new WordSearchDelegate(context_.settings.Get(), ListView1);
    ListView1->setItemDelegate(delegate);
    ListView1->setFont(InstalledFont(QStringLiteral("Tahoma"), kListPoints));
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    ListView1->verticalHeader()->hide();
    // Every row the same height: the view lays out and paints only the rows in sight.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int rowHeight = kMinimumRowHeight;
    for (int column = 0; column < WordSearchModel::ColumnCount; ++column)
        rowHeight = qMax(rowHeight, QFontMetrics(delegate->ColumnFont(column, kListPoints)).height() + 2);
    ListView1->verticalHeader()->setDefaultSectionSize(rowHeight);
    ListView1->horizontalHeader()->setMinimumSectionSize(1);  // the reserve column is 1 pixel wide
    ListView1->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {90, 80, 80, 80, 60, 90, 100, 1};
    for (int column = 0; column < WordSearchModel::ColumnCount; ++column)
        ListView1->setColumnWidth(column, widths[column]);
    page->addWidget(ListView1, 1);

    auto *buttons = new QHBoxLayout;
    SpeedButton2 = new QToolButton(TabSheet1);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("この単語を入力"));
    SpeedButton3 = new QToolButton(TabSheet1);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("この単語を編集"));
    Button1 = new QPushButton(QStringLiteral("閉じる"), TabSheet1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    for (QWidget *button : {static_cast<QWidget *>(SpeedButton2), static_cast<QWidget *>(SpeedButton3),
                            static_cast<QWidget *>(Button1)}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(26);
    }
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton3);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    page->addLayout(buttons);
    PageControl1->addTab(TabSheet1, QStringLiteral("検索結果"));

    SpeedButton2->setEnabled(false);
    SpeedButton3->setEnabled(false);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TSearchFrm::SelectionChanged);
    connect(results_, &QAbstractItemModel::modelReset, this, &TSearchFrm::SelectionChanged);
    connect(SpeedButton2, &QToolButton::clicked, this, &TSearchFrm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TSearchFrm::SpeedButton3Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
}

void TSearchFrm::ComboBox1Change(int field)
{
    if (ComboBox1->currentIndex() != field) {
        ComboBox1->setCurrentIndex(field);  // comes back here through the signal
        return;
    }
    const Settings &s = context_.settings.Get();
    Edit1->clear();
    switch (field) {
    case ForeignField:
        Edit1->setFont(InstalledFont(s.MainFont, kDialogPoints + 3));
        Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
        PageControl1->setCurrentWidget(TabSheet2);
        break;
    case PhoneticField:
        Edit1->setFont(InstalledFont(s.IPAFont, kDialogPoints + 5));
        Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
        PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), true);
        PageControl1->setCurrentWidget(TabSheet3);
        break;
    default:
        // Kana and Japanese are typed through the input method.
        Edit1->setFont(InstalledFont(QStringLiteral("MS UI Gothic"), kDialogPoints + 3));
        Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
        PageControl1->setCurrentWidget(TabSheet1);
        break;
    }
    Edit1->setFocus(Qt::OtherFocusReason);
}

int TSearchFrm::CheckedFolder() const
{
    return RadioButton2->isChecked() ? 1 : RadioButton3->isChecked() ? 2 : 0;
}

QString TSearchFrm::FolderPath(int folder) const
{
    switch (folder) {
    case 1: return context_.paths.BookGFolder;
    case 2: return context_.paths.BookSFolder;
    default: return context_.paths.BookAFolder;
    }
}

void TSearchFrm::Button2Click()
{
    searchedFolder_ = CheckedFolder();
    const QString text = Edit1->text();
    PageControl1->setCurrentWidget(TabSheet1);
    if (text.isEmpty()) {
        results_->Clear();
        return;
    }
    WordSearch search(ComboBox1->currentIndex(), text);
    search.SearchFolder(FolderPath(searchedFolder_));
    results_->ShowHits(search.Books(), search.TakeHits());
    // Books that share a title are told apart by their file names: the book column widens to
    // show them (within reason; the tooltip holds the whole text).
    if (results_->TitlesRepeat()) {
        const auto *delegate = static_cast<WordSearchDelegate *>(ListView1->itemDelegate());
        const int wanted = QFontMetrics(delegate->ColumnFont(WordSearchModel::Title, kListPoints))
                               .horizontalAdvance(results_->LongestTitle()) +
                           12;
        ListView1->setColumnWidth(WordSearchModel::Title,
                                  qBound(ListView1->columnWidth(WordSearchModel::Title), wanted, 260));
    }
    ListView1->scrollToTop();
    if (!search.Unreadable().isEmpty()) {
        telling_ = true;
        MessageSeam::Notify(this, UnreadableBooksText(search.Unreadable()));
        telling_ = false;
    }
}

void TSearchFrm::SelectionChanged()
{
    const bool selected = ListView1->selectionModel()->hasSelection();
    SpeedButton2->setEnabled(selected);
    SpeedButton3->setEnabled(selected);
}

void TSearchFrm::SpeedButton2Click()
{
    const QModelIndex current = ListView1->currentIndex();
    if (!current.isValid() || !results_->HitAt(current.row()))
        return;  // "- なし -" is no word
    emit InsertWordRequested(results_->index(current.row(), WordSearchModel::Foreign).data().toString());
    close();
}

void TSearchFrm::SpeedButton3Click()
{
    const QModelIndex current = ListView1->currentIndex();
    const WordSearchHit *hit = current.isValid() ? results_->HitAt(current.row()) : nullptr;
    if (!hit)
        return;
    emit EditWordRequested(searchedFolder_, results_->FileOf(*hit), hit->number);
}

bool TSearchFrm::EntryPending() const
{
    switch (ComboBox1->currentIndex()) {
    case ForeignField: return context_.engine.PendingTrigger().has_value();
    case PhoneticField: return ipaBoard3_->Entry().Selecting();
    default: return false;
    }
}

bool TSearchFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !EntryPending()) {
                Button2Click();
                return true;
            }
        } else if (event->type() == QEvent::FocusIn && ComboBox1->currentIndex() == PhoneticField) {
            PageControl1->setCurrentWidget(TabSheet3);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSearchFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    quillmaren3_->LayoutPad();
}

void TSearchFrm::closeEvent(QCloseEvent *event)
{
    // The dialog goes when the user has read its message: closed under the open message box,
    // it would be deleted while the box still runs from inside one of its handlers.
    if (telling_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSearchFrm::done(int result)
{
    if (telling_)
        return;
    const int folder = CheckedFolder();
    context_.settings.Change([folder](Settings &s) { s.SearchFolderIndex = folder; });
    RememberedGeometry() = QRect(pos(), size());  // pos() is the frame's corner, as move() takes it
    QDialog::done(result);
}
