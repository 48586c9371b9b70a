#include "app/AppPaths.h"
#include "app/LanguageState.h"
#include "app/SettingsStore.h"
#include "dialogs/MessageSeam.h"
#include "support/BookFiles.h"
#include "support/BookListClicks.h"
#include "support/WidgetLookup.h"
#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {

QString Line(const QString &foreign)
{
    return QStringLiteral("\"%1\",\"\",\"\",\"j%1\",\"\",\"\"").arg(foreign);
}

}  // namespace

/// The word-book page built alone, in a window of its own with an input area and the window's
/// Ctrl+Z for the text fields: undo and redo of the open book from the word list.
class tst_WordBookPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> settings_;
    AppPaths paths_;
    std::unique_ptr<QWidget> window_;
    WordBookPage *page_ = nullptr;
    QPlainTextEdit *memo_ = nullptr;
    QStringList asked_, told_;

    QString Path() const { return paths_.BookSFolder + "/words.utx"; }
    QTableView *List() const { return Find<QTableView>(window_.get(), "ListView1"); }
    QAction *Action(const char *name) const { return Find<QAction>(window_.get(), name); }
    QStringList WordsInFile() const
    {
        OpenBook read;
        read.Open(paths_.BookSFolder, "words.utx");
        QStringList words;
        for (const WordEntry &entry : read.Book().Entries.ToList())
            words << entry.Foreign;
        return words;
    }
    QStringList WordsInList() const
    {
        QStringList words;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            words << List()->model()->index(row, 0).data().toString();
        return words;
    }
    /// A click on a word, as the mouse gives it: the list takes the focus.
    void ClickWord(int row)
    {
        const QRect cell = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        paths_.BookAFolder = dir_->filePath("bookA");
        paths_.BookGFolder = dir_->filePath("bookG");
        paths_.BookSFolder = dir_->filePath("bookS");
        for (const QString &folder : {paths_.BookAFolder, paths_.BookGFolder, paths_.BookSFolder})
            QDir().mkpath(folder);
        settings_ = std::make_unique<SettingsStore>();
        settings_->Change([](Settings &s) { s.CurrentFolderIndex = 2; });
        WriteBook(Path(), {"Words", "01", "単語理解", Line("banana"), Line("apple"), Line("cherry")});
        asked_.clear();
        told_.clear();
        MessageSeam::Replace([this](const QString &m) { told_ << m; },
                             [this](const QString &q) {
                                 asked_ << q;
                                 return true;
                             });

        window_ = std::make_unique<QWidget>();
        auto *column = new QVBoxLayout(window_.get());
        memo_ = new QPlainTextEdit(window_.get());
        memo_->setObjectName("Memo1");
        column->addWidget(memo_);
        const auto action = [this](const char *name) {
            auto *made = new QAction(QString::fromLatin1(name), window_.get());
            made->setObjectName(QString::fromLatin1(name));
            return made;
        };
        // The main window's undo of the text fields: Ctrl+Z for the whole window.
        QAction *editUndo = action("EditUndo1");
        editUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        window_->addAction(editUndo);
        connect(editUndo, &QAction::triggered, memo_, &QPlainTextEdit::undo);
        const WordBookActions actions{
            action("NewWordBook"), action("ChangeProp"), action("DelWB"),    action("CloseWB"),
            action("InitWB"),      action("OpenWB"),     action("RegWord"),  action("ModWord"),
            action("DelWord"),     action("MoveWord"),   action("N501"),     action("bookG1"),
            action("ExportText"),  action("ImportText"), action("UndoWord"), action("RedoWord")};
        std::array<QLabel *, 2> status{new QLabel(window_.get()), new QLabel(window_.get())};
        page_ = new WordBookPage(*settings_, paths_, actions, status, window_.get());
        column->addWidget(page_, 1);
        page_->InitCaptions(LanguageState{});
        window_->resize(900, 600);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        page_->FormShow();
        OpenBookByFileName(window_.get(), "words.utx");
        QCOMPARE(WordsInList(), (QStringList{"banana", "apple", "cherry"}));
    }
    void cleanup()
    {
        window_.reset();
        MessageSeam::Replace({}, {});
    }

    void undoAndRedoFromTheFocusedList()
    {
        QVERIFY(!Action("UndoWord")->isEnabled());
        QVERIFY(!Action("RedoWord")->isEnabled());
        ClickWord(1);
        QCOMPARE(QApplication::focusWidget(), List());
        Action("DelWord")->trigger();
        QCOMPARE(WordsInFile(), (QStringList{"banana", "cherry"}));
        QVERIFY(Action("UndoWord")->isEnabled());
        QCOMPARE(Action("UndoWord")->text(), QStringLiteral("元に戻す（単語の削除）"));

        QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WordsInFile(), (QStringList{"banana", "apple", "cherry"}));
        QCOMPARE(WordsInList(), WordsInFile());
        QCOMPARE(page_->SelectedWord(), 1);  // the word brought back is selected
        QVERIFY(!Action("UndoWord")->isEnabled());
        QCOMPARE(Action("RedoWord")->text(), QStringLiteral("やり直し（単語の削除）"));

        QTest::keyClick(List(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(WordsInFile(), (QStringList{"banana", "cherry"}));
        QCOMPARE(WordsInList(), WordsInFile());
        QVERIFY(!Action("RedoWord")->isEnabled());
    }

    void ctrlZInTheInputAreaIsTheFieldsOwnUndo()
    {
        ClickWord(0);
        Action("DelWord")->trigger();
        QCOMPARE(WordsInFile(), (QStringList{"apple", "cherry"}));
        memo_->setFocus();
        QTest::keyClicks(memo_, "abc");
        QTest::keyClick(memo_, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(memo_->toPlainText() != QStringLiteral("abc"));     // the typing was undone
        QCOMPARE(WordsInFile(), (QStringList{"apple", "cherry"}));  // the book was not
        QVERIFY(Action("UndoWord")->isEnabled());
    }

    void aSortIsUndoneToTheEarlierOrder()
    {
        emit List()->horizontalHeader()->sectionClicked(0);  // descending first
        QCOMPARE(WordsInFile(), (QStringList{"cherry", "banana", "apple"}));
        QCOMPARE(Action("UndoWord")->text(), QStringLiteral("元に戻す（並べ替え）"));
        Action("UndoWord")->trigger();
        QCOMPARE(WordsInFile(), (QStringList{"banana", "apple", "cherry"}));
        QCOMPARE(WordsInList(), WordsInFile());
    }

    void aFailedUndoIsToldAndKept()
    {
        ClickWord(2);
        Action("DelWord")->trigger();
        QVERIFY(QDir().rename(paths_.BookSFolder, paths_.BookSFolder + "-away"));
        Action("UndoWord")->trigger();
        QCOMPARE(told_.size(), 1);
        QVERIFY2(told_[0].contains(QStringLiteral("を作成できません。")), qPrintable(told_[0]));
        QCOMPARE(WordsInList(), (QStringList{"banana", "apple"}));
        QVERIFY(QDir().rename(paths_.BookSFolder + "-away", paths_.BookSFolder));
        Action("UndoWord")->trigger();  // still there to undo
        QCOMPARE(WordsInFile(), (QStringList{"banana", "apple", "cherry"}));
        QCOMPARE(page_->SelectedWord(), 2);
    }

    /// A book the training took is open by its header alone: a change then (here a sort) is
    /// made to the book's words read from its file, never written over them.
    void aChangeToABookTheTrainingTookKeepsItsWords()
    {
        page_->TakeTrainingBook("words.utx", "Words", "01", QStringLiteral("単語理解"));
        QCOMPARE(WordsInList(), QStringList());
        emit List()->horizontalHeader()->sectionClicked(0);  // descending first
        QCOMPARE(WordsInFile(), (QStringList{"cherry", "banana", "apple"}));
        QCOMPARE(WordsInList(), WordsInFile());
    }

    void anotherBookClearsTheUndoList()
    {
        WriteBook(paths_.BookSFolder + "/other.utx", {"Other", "01", "単語理解", Line("fig")});
        ClickWord(0);
        Action("DelWord")->trigger();
        QVERIFY(Action("UndoWord")->isEnabled());
        page_->RefreshBookList();
        OpenBookByFileName(window_.get(), "other.utx");
        QVERIFY(!Action("UndoWord")->isEnabled());
        QCOMPARE(Action("UndoWord")->text(), QStringLiteral("元に戻す"));
    }

    /// The 習得 column shows what the page's provider gives for each book, asked whenever the
    /// list is filled; a book without record keeps an empty cell.
    void theMasteredColumnShowsTheProvidersShares()
    {
        WriteBook(paths_.BookSFolder + "/fresh.utx", {"Fresh", "02", "単語理解", Line("kiwi")});
        page_->RefreshBookList();
        auto *list = Find<QTreeView>(window_.get(), "ListView2");
        const QAbstractItemModel *model = list->model();
        QCOMPARE(model->headerData(BookListModel::MasteredColumn, Qt::Horizontal).toString(), QStringLiteral("習得"));
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(!model->index(0, BookListModel::MasteredColumn).data().isValid());  // no provider

        QList<int> askedFolders;
        page_->SetMasteredShares([&askedFolders](int folderKind, const QList<BookRow> &rows) {
            askedFolders << folderKind;
            QList<std::optional<int>> shares;
            for (const BookRow &row : rows)
                shares << (row.fileName == "words.utx" ? std::optional<int>(40) : std::nullopt);
            return shares;
        });
        page_->RefreshBookList();
        QCOMPARE(askedFolders, (QList<int>{2, 2}));
        const int words = model->index(0, 1).data().toString() == "words.utx" ? 0 : 1;
        const QModelIndex shown = model->index(words, BookListModel::MasteredColumn);
        const QModelIndex empty = model->index(1 - words, BookListModel::MasteredColumn);
        QCOMPARE(shown.data().toString(), QStringLiteral("40%"));
        QCOMPARE(shown.data(BookListModel::MasteredRole).toInt(), 40);
        QVERIFY(!empty.data().isValid());
        QVERIFY(!empty.data(BookListModel::MasteredRole).isValid());

        // Every column fits the open panel without scrolling; the delegate fills about 40% of
        // the cell's bar and nothing for the book without record.
        QVERIFY2(list->header()->length() <= list->viewport()->width(),
                 qPrintable(QString("%1 > %2").arg(list->header()->length()).arg(list->viewport()->width())));
        const QImage image = list->viewport()->grab().toImage();
        const auto greenIn = [&image](const QRect &cell) {
            int widest = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                int green = 0;
                for (int x = cell.left(); x <= cell.right(); ++x)
                    green += image.pixelColor(x, y) == QColor(0x2e, 0x9e, 0x5b);
                widest = std::max(widest, green);
            }
            return widest;
        };
        const QRect cell = list->visualRect(shown);
        QVERIFY(list->viewport()->rect().contains(cell));
        const double filled = greenIn(cell) / double(cell.width());
        QVERIFY2(filled > 0.2 && filled < 0.45, qPrintable(QString::number(filled)));
        QCOMPARE(greenIn(list->visualRect(empty)), 0);

        // A provider that gives too few shares or one out of range leaves no row unsafe.
        page_->SetMasteredShares([](int, const QList<BookRow> &) { return QList<std::optional<int>>{150}; });
        QCOMPARE(model->index(0, BookListModel::MasteredColumn).data().toString(), QStringLiteral("100%"));
        QVERIFY(!model->index(1, BookListModel::MasteredColumn).data().isValid());
    }
};

QTEST_MAIN(tst_WordBookPage)
#include "tst_WordBookPage.moc"
