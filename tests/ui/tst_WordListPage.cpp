#include "support/BookFiles.h"
#include "support/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

namespace {

/// F4 as the keyboard delivers it to the dialog's field that has the focus.
void PressF4(QWidget *dialog)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(dialog->focusWidget() ? dialog->focusWidget() : dialog, &press);
}

QString Word(const QString &foreign, const QString &japanese, const QString &notes = {})
{
    return QStringLiteral("\"%1\",\"ph-%1\",\"カナ%1\",\"%2\",\"%3\",\"\"").arg(foreign, japanese, notes);
}

}  // namespace

/// The word list of the word-book page with a real book: what it shows, sorting, deleting,
/// moving, taking a word over, and the word order with its column widths across a restart.
class tst_WordListPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    QString Path() const { return f_->home->documentsFolder() + "/English/bookS/words.utx"; }
    QTableView *List() const { return Find<QTableView>(w_, "ListView1"); }
    QString Cell(int row, int column) const { return List()->model()->index(row, column).data().toString(); }
    QString Caption(int column) const
    {
        return List()->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    void Start(const QByteArray &parameters = {})
    {
        f_->WriteParameters("CurrentFolderIndex,2\r\nFirstPage,1\r\n" + parameters);
        QDir().mkpath(QFileInfo(Path()).path());
        if (!QFile::exists(Path()))
            WriteBook(Path(), {"Words", "01", "単語理解", Word("banana", "バナナ"), Word("Apple", "りんご", "a#$0Db"),
                               Word("cherry", "さくらんぼ"), Word("apple", "りんご2")});
        w_ = f_->Start();
        QVERIFY(w_);
        Find<QCheckBox>(w_, "CheckBox2")->setChecked(false);
        ClickRow(Find<QTreeView>(w_, "ListView2"), 0);
    }
    void Select(int row) { ClickRow(List(), row); }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f_.reset(); }

    void showsTheOpenBook()
    {
        Start();
        QCOMPARE(List()->model()->rowCount(), 4);
        QCOMPARE(QStringList({Caption(0), Caption(1), Caption(2), Caption(3), Caption(4), Caption(5)}),
                 (QStringList{"英　語", "No", "発音記号", "発音カナ", "日本語", "備考"}));
        QCOMPARE(Cell(1, 0), QStringLiteral("Apple"));
        QCOMPARE(Cell(1, 1), QStringLiteral("2"));
        QCOMPARE(Cell(1, 5), QStringLiteral("a#$0Db"));  // stored form
        QCOMPARE(List()->columnWidth(0), 150);
        QVERIFY(List()->verticalHeader()->defaultSectionSize() >= 26);
        QVERIFY(!Find<QAction>(w_, "DelWord")->isEnabled());
        Select(0);
        for (const char *name : {"ModWord", "DelWord", "MoveWord"})
            QVERIFY2(Find<QAction>(w_, name)->isEnabled(), name);
    }

    void sortingAsksAndWritesTheNewOrder()
    {
        Start();
        emit List()->horizontalHeader()->sectionClicked(1);  // "No" does nothing
        QVERIFY(f_->asked.isEmpty());
        emit List()->horizontalHeader()->sectionClicked(0);
        QCOMPARE(
            f_->asked.last(),
            QStringLiteral("項目「英　語」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？"));
        QCOMPARE(QStringList({Cell(0, 0), Cell(1, 0), Cell(2, 0), Cell(3, 0)}),
                 (QStringList{"cherry", "banana", "Apple", "apple"}));  // first: descending
        WordBook written;
        QCOMPARE(ReadWordBook(QFileInfo(Path()).path(), "words.utx", written).status, WordBookStatus::Read);
        QCOMPARE(written.Entries.at(0).Foreign, QStringLiteral("cherry"));
        emit List()->horizontalHeader()->sectionClicked(0);
        QCOMPARE(Cell(0, 0), QStringLiteral("Apple"));
        QCOMPARE(Cell(0, 1), QStringLiteral("1"));
    }

    void deletingAndMoving()
    {
        Start();
        Select(1);
        Find<QAction>(w_, "DelWord")->trigger();
        QCOMPARE(f_->asked.last(),
                 QStringLiteral("■英　語： Apple\r\n■日本語： りんご\r\n\r\nこの単語を削除しますがよろしいですか？"));
        QCOMPARE(List()->model()->rowCount(), 3);
        QCOMPARE(ReadWordBookHeader(Path()).lineCount, 6);

        Select(0);  // banana above number 3 (apple)
        QTimer::singleShot(0, [] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("TMoveFrm") && top->isVisible()) {
                    auto *targets = Find<QComboBox>(top, "ComboBox1");
                    QCOMPARE(targets->count(), 1);  // 1 and 2 are not offered
                    QVERIFY(!Find<QPushButton>(top, "Button1")->isEnabled());
                    targets->setCurrentIndex(0);
                    QTest::mouseClick(Find<QPushButton>(top, "Button1"), Qt::LeftButton);
                }
            }
        });
        Find<QAction>(w_, "MoveWord")->trigger();
        QCOMPARE(QStringList({Cell(0, 0), Cell(1, 0), Cell(2, 0)}), (QStringList{"cherry", "banana", "apple"}));
    }

    void anotherProgramsChangeIsNotDroppedSilently()
    {
        Start();
        // Another program appends a word while the book is open.
        QFile file(Path());
        QVERIFY(file.open(QIODevice::Append));
        const QString added = Word("added", "追加") + "\r\n";
        file.write(reinterpret_cast<const char *>(added.utf16()), added.size() * 2);
        file.close();
        const QByteArray changed = [this] {
            QFile f(Path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        // Yes to deleting the word, No to overwriting the other program's change.
        QStringList asked;
        MessageSeam::Replace([](const QString &) {},
                             [&asked](const QString &question) {
                                 asked << question;
                                 return !question.contains(QStringLiteral("ほかのプログラムで変更されています"));
                             });
        Select(0);
        Find<QAction>(w_, "DelWord")->trigger();
        QCOMPARE(asked.size(), 2);
        QFile unchanged(Path());
        QVERIFY(unchanged.open(QIODevice::ReadOnly));
        QCOMPARE(unchanged.readAll(), changed);
    }

    void aFullDiskKeepsTheOldBook()
    {
        // The book's folder becomes a small filesystem of its own, filled up after the book is read.
        const QString folder = QFileInfo(Path()).path();
        QDir().mkpath(folder);
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", folder});
        if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
            QSKIP(qPrintable("no small filesystem to fill: mounting a tmpfs was refused (" +
                             QString::fromLocal8Bit(mount.readAllStandardError()).trimmed() +
                             "); this needs root or CAP_SYS_ADMIN"));
        const auto unmount = qScopeGuard([&folder] { QProcess::execute("umount", {"-l", folder}); });
        Start();
        const QByteArray before = [this] {
            QFile f(Path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();

        emit List()->horizontalHeader()->sectionClicked(0);  // sorting writes the book
        QCOMPARE(Cell(0, 0), QStringLiteral("banana"));      // the list keeps what the file holds
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY2(f_->messages.last().startsWith(
                     QStringLiteral("ファイル \"%1\" を作成できません。").arg(QDir::toNativeSeparators(Path()))),
                 qPrintable(f_->messages.last()));
        QFile after(Path());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        QCOMPARE(QDir(folder).entryList({"words.utx*"}, QDir::Files | QDir::Hidden),
                 QStringList{"words.utx"});  // no leftovers
    }

    void takeOverFillsTheInputAreas()
    {
        Start();
        emit List()->doubleClicked(List()->model()->index(2, 0));
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("cherry"));
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ph-cherry"));
    }

    /// Runs act on the word dialog once it shows, while the action that opens it runs.
    void WithWordDialog(const char *action, std::function<void(QWidget *)> act)
    {
        QTimer::singleShot(0, [act] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->objectName() != QLatin1String("TRegFrm") || !top->isVisible())
                    continue;
                act(top);
                if (top->isVisible()) {  // never leave the test waiting on an open dialog
                    static_cast<QDialog *>(top)->reject();
                    QFAIL("the word dialog stayed open");
                }
                return;
            }
        });
        Find<QAction>(w_, action)->trigger();
    }

    void registeringComposesAndWrites()
    {
        Start();
        WithWordDialog("RegWord", [](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("単語登録"));
            auto *foreign = Find<QLineEdit>(dialog, "Edit1");
            QTest::keyClicks(foreign, "caf]e");  // the trigger keys compose in the foreign field
            QCOMPARE(foreign->text(), QStringLiteral("café"));
            auto *phonetic = Find<QPlainTextEdit>(dialog, "Memo1");
            phonetic->setFocus();
            QTest::keyClicks(phonetic, "E1");  // the phonetic entry: E, then its first candidate
            QCOMPARE(phonetic->toPlainText(), QStringLiteral("ə"));
            Find<QLineEdit>(dialog, "Edit3")->setText("カフェ");
            auto *notes = Find<QPlainTextEdit>(dialog, "Memo2");
            notes->setPlainText("line 1\nline 2");
            PressF4(dialog);
        });
        QCOMPARE(List()->model()->rowCount(), 5);
        QCOMPARE(Cell(4, 0), QStringLiteral("café"));
        QCOMPARE(Cell(4, 5), QStringLiteral("line 1#$0Dline 2"));
        QCOMPARE(List()->selectionModel()->selectedRows().value(0).row(), 4);
        WordBook written;
        ReadWordBook(QFileInfo(Path()).path(), "words.utx", written);
        QCOMPARE(written.Entries.size(), 5);
        QCOMPARE(written.Entries.at(4), (WordEntry{"café", "ə", "", "カフェ", "line 1#$0Dline 2", ""}));
        QCOMPARE(written.Entries.at(0).Foreign, QStringLiteral("banana"));  // the old words stay

        // The edit dialog brings the two lines back as two lines.
        WithWordDialog("ModWord", [](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("単語編集"));
            QCOMPARE(Find<QPlainTextEdit>(dialog, "Memo2")->toPlainText(), QStringLiteral("line 1\nline 2"));
            Find<QLineEdit>(dialog, "Edit3")->setText("カフェ (店)");
            PressF4(dialog);
        });
        QCOMPARE(Cell(4, 4), QStringLiteral("カフェ (店)"));
    }

    void insertingAndTheRequiredFields()
    {
        Start();
        WithWordDialog("RegWord", [this](QWidget *dialog) {
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);  // nothing entered
            QCOMPARE(f_->messages.value(0), QStringLiteral("英　語と日本語は必須入力項目です。"));
            QVERIFY(dialog->isVisible());
            Find<QLineEdit>(dialog, "Edit1")->setText("date");
            Find<QLineEdit>(dialog, "Edit3")->setText("なつめやし");
            auto *numbers = Find<QComboBox>(dialog, "ComboBox1");
            QCOMPARE(numbers->itemText(0), QStringLiteral(" 1"));
            numbers->setCurrentIndex(2);  // " 3"
            QTest::mouseClick(Find<QPushButton>(dialog, "Button3"), Qt::LeftButton);
        });
        QCOMPARE(QStringList({Cell(2, 0), Cell(3, 0)}), (QStringList{"date", "cherry"}));
        QCOMPARE(Cell(2, 1), QStringLiteral("3"));

        // Editing with no word selected shows empty fields and changes nothing.
        List()->clearSelection();
        WithWordDialog("ModWord", [](QWidget *dialog) {
            QVERIFY(Find<QLineEdit>(dialog, "Edit1")->text().isEmpty());
            QTest::mouseClick(Find<QPushButton>(dialog, "Button4"), Qt::LeftButton);
        });
        QCOMPARE(List()->model()->rowCount(), 5);
    }

    void aHundredThousandWordsPaintOnlyWhatIsSeen()
    {
        // A book of 100 000 words: the list shows it at once and paints only the rows in sight.
        QStringList lines{"Big", "01", "単語理解"};
        for (int i = 0; i < 100000; ++i)
            lines << Word(QStringLiteral("word%1").arg(i), QStringLiteral("語%1").arg(i));
        QDir().mkpath(QFileInfo(Path()).path());
        WriteBook(Path(), lines);
        Start();
        QCOMPARE(List()->model()->rowCount(), 100000);

        struct CountingDelegate : QStyledItemDelegate {
            QAbstractItemDelegate *inner;
            int paints = 0;
            explicit CountingDelegate(QAbstractItemDelegate *drawer) : inner(drawer) {}
            void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
            {
                ++const_cast<CountingDelegate *>(this)->paints;
                inner->paint(painter, option, index);
            }
        };
        CountingDelegate counting(List()->itemDelegate());
        List()->setItemDelegate(&counting);
        List()->scrollToBottom();
        List()->viewport()->grab();
        const int visibleRows = List()->viewport()->height() / List()->verticalHeader()->defaultSectionSize() + 2;
        QVERIFY2(counting.paints > 0 && counting.paints <= visibleRows * 7,
                 qPrintable(QString::number(counting.paints)));
        QCOMPARE(List()->indexAt(QPoint(5, List()->viewport()->height() - 5)).row(), 99999);
        List()->setItemDelegate(counting.inner);
    }

    /// The words of the book's file, in order.
    QStringList WordsInFile() const
    {
        WordBook written;
        ReadWordBook(QFileInfo(Path()).path(), "words.utx", written);
        QStringList words;
        for (const WordEntry &entry : written.Entries.ToList())
            words << entry.Foreign;
        return words;
    }
    QStringList WordsInList() const
    {
        QStringList words;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            words << Cell(row, 0);
        return words;
    }
    QString BookCount() const { return Find<QTreeView>(w_, "ListView2")->model()->index(0, 3).data().toString(); }

    void aFailedWriteKeepsTheDialogAndTheList()
    {
        Start();
        // The book's folder goes: the next write cannot make its file.
        const QString folder = QFileInfo(Path()).path();
        QVERIFY(QDir().rename(folder, folder + "-away"));
        WithWordDialog("RegWord", [this](QWidget *dialog) {
            Find<QLineEdit>(dialog, "Edit1")->setText("date");
            Find<QLineEdit>(dialog, "Edit3")->setText("なつめやし");
            PressF4(dialog);
            QCOMPARE(f_->messages.size(), 1);
            QVERIFY2(f_->messages[0].contains(QStringLiteral("を作成できません。")), qPrintable(f_->messages[0]));
            // The dialog stays with what was typed; the list and the count are the file's.
            QVERIFY(dialog->isVisible());
            QCOMPARE(Find<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("date"));
            QCOMPARE(List()->model()->rowCount(), 4);
            QCOMPARE(BookCount(), QStringLiteral("4"));
            // With the folder back the same press registers the word.
            QVERIFY(QDir().rename(QFileInfo(Path()).path() + "-away", QFileInfo(Path()).path()));
            PressF4(dialog);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(WordsInList(), (QStringList{"banana", "Apple", "cherry", "apple", "date"}));
        QCOMPARE(WordsInFile(), WordsInList());
        QCOMPARE(BookCount(), QStringLiteral("5"));

        // Deleting, moving and editing that cannot be written leave the list as the file is.
        QVERIFY(QDir().rename(folder, folder + "-away"));
        Select(0);
        Find<QAction>(w_, "DelWord")->trigger();
        QCOMPARE(WordsInList(), (QStringList{"banana", "Apple", "cherry", "apple", "date"}));
        Select(1);
        WithWordDialog("ModWord", [](QWidget *dialog) {
            Find<QLineEdit>(dialog, "Edit1")->setText("Apricot");
            PressF4(dialog);
            QVERIFY(dialog->isVisible());
            static_cast<QDialog *>(dialog)->reject();
        });
        QCOMPARE(Cell(1, 0), QStringLiteral("Apple"));
        QCOMPARE(f_->messages.size(), 3);
    }

    void anotherProgramsChangeIsKeptOrOverwritten()
    {
        Start();
        // Another program rewrites the book while it is open.
        QTest::qWait(20);
        WriteBook(Path(), {"Words", "01", "単語理解", Word("fig", "いちじく"), Word("grape", "ぶどう")});
        bool overwrite = false;  // keep the other program's change
        MessageSeam::Replace({}, [&](const QString &question) {
            f_->asked << question;
            return !question.contains(QStringLiteral("ほかのプログラム")) || overwrite;
        });
        Select(0);
        Find<QAction>(w_, "DelWord")->trigger();  // asked to delete, then whether to overwrite
        QCOMPARE(f_->asked.size(), 2);
        QVERIFY2(f_->asked[1].contains(QStringLiteral("ほかのプログラムで変更されています")), qPrintable(f_->asked[1]));
        QCOMPARE(WordsInList(), (QStringList{"fig", "grape"}));  // read again from the file
        QCOMPARE(WordsInFile(), WordsInList());
        QCOMPARE(BookCount(), QStringLiteral("2"));

        // Asked again after the next change behind its back, the user overwrites it.
        QTest::qWait(20);
        WriteBook(Path(), {"Words", "01", "単語理解", Word("kiwi", "キウイ"), Word("lime", "ライム")});
        overwrite = true;
        Select(1);
        Find<QAction>(w_, "DelWord")->trigger();
        QCOMPARE(WordsInList(), QStringList{"fig"});
        QCOMPARE(WordsInFile(), WordsInList());
    }

    void linesThatAreNoWordAreToldAndKept()
    {
        QDir().mkpath(QFileInfo(Path()).path());
        WriteBook(Path(), {"Words", "01", "単語理解", Word("banana", "バナナ"), "\"five\",\"b\",\"c\",\"d\",\"e\"",
                           Word("cherry", "さくらんぼ"), "a,b,c,d,e,f,g,h"});
        Start();
        QCOMPARE(f_->messages.size(), 1);  // said once, when the book is opened
        QVERIFY2(f_->messages[0].contains(QStringLiteral("単語として読めない行が 2 行あります")),
                 qPrintable(f_->messages[0]));
        QCOMPARE(WordsInList(), (QStringList{"banana", "cherry"}));
        Select(0);
        Find<QAction>(w_, "DelWord")->trigger();
        QTest::mouseClick(Find<QRadioButton>(w_, "RadioButton2"), Qt::LeftButton);  // read again: no message
        QCOMPARE(f_->messages.size(), 1);
        QFile file(Path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString text =
            QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
        QCOMPARE(
            text.split(QStringLiteral("\r\n")).mid(3),
            (QStringList{"\"five\",\"b\",\"c\",\"d\",\"e\"", Word("cherry", "さくらんぼ"), "a,b,c,d,e,f,g,h", ""}));
    }

    void aTitleOfAMillionCharactersIsShownCut()
    {
        // Drawn whole, such a title froze the window for seconds whenever its row was painted.
        QDir().mkpath(QFileInfo(Path()).path());
        WriteBook(Path(), {QString(1000000, u'長'), "01", "単語理解", Word("banana", "バナナ")});
        Start();
        QCOMPARE(Find<QTreeView>(w_, "ListView2")->model()->index(0, 0).data().toString(), QString(200, u'長'));
        QCOMPARE(Find<QLabel>(w_, "StatusPanel0")->text(), "●ﾀｲﾄﾙ：[" + QString(200, u'長') + "…]");
        QCOMPARE(List()->model()->rowCount(), 1);
    }

    void switchingTheWordOrderKeepsTheBookOpen()
    {
        Start();  // CheckBox2 unticked: choosing a book opens it at once
        QTest::mouseClick(Find<QRadioButton>(w_, "RadioButton2"), Qt::LeftButton);
        QCOMPARE(Find<QLabel>(w_, "StatusPanel0")->text(), QStringLiteral("●ﾀｲﾄﾙ：[Words]"));
        QCOMPARE(Cell(0, 0), QStringLiteral("バナナ"));
        // The open book still takes changes into its own file.
        Select(0);
        Find<QAction>(w_, "DelWord")->trigger();
        QCOMPARE(WordsInFile(), (QStringList{"Apple", "cherry", "apple"}));
        QCOMPARE(BookCount(), QStringLiteral("3"));
    }

    void wordOrderKeepsEachFieldsWidth()
    {
        Start();
        List()->setColumnWidth(0, 200);  // the foreign field
        List()->setColumnWidth(4, 100);  // the Japanese field
        QTest::mouseClick(Find<QRadioButton>(w_, "RadioButton2"), Qt::LeftButton);
        QCOMPARE(Caption(0), QStringLiteral("日本語"));
        QCOMPARE(Cell(0, 0), QStringLiteral("バナナ"));
        QCOMPARE(List()->columnWidth(0), 100);
        QCOMPARE(List()->columnWidth(4), 200);
        w_->close();
        f_->window.reset();
        // A restart shows the saved order and widths as they were saved.
        w_ = f_->Start();
        QVERIFY(w_);
        QCOMPARE(Caption(0), QStringLiteral("日本語"));
        QCOMPARE(List()->columnWidth(0), 100);
        QCOMPARE(List()->columnWidth(4), 200);
    }
};

QTEST_MAIN(tst_WordListPage)
#include "tst_WordListPage.moc"
