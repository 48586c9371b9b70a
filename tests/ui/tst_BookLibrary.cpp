#include "dialogs/FileDialogSeam.h"
#include "support/BookFiles.h"
#include "support/BookListClicks.h"
#include "support/MainWindowFixture.h"
#include "wordbook/BookListModel.h"
#include "wordbook/WordBookFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

class tst_BookLibrary : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    QString BookA() const { return f_->home->documentsFolder() + "/English/bookA"; }
    QTreeView *List() const { return Find<QTreeView>(w_, "ListView2"); }
    const QList<BookRow> &Rows() const { return static_cast<BookListModel *>(List()->model())->Rows(); }
    QString Status(int panel) const { return Find<QLabel>(w_, QStringLiteral("StatusPanel%1").arg(panel))->text(); }

    void StartWithFixtureFolder()
    {
        f_->WriteParameters("NoSampleFlg,1\r\nCurrentFolderIndex,0\r\nFirstPage,1\r\n");
        QDir().mkpath(BookA());
        WriteBook(BookA() + "/b.utx", {"Beta", "11前置詞", "空欄補充", "\"a\",\"\",\"\",\"\",\"\",\"\""});
        WriteBook(BookA() + "/a.utx", {"Alpha", "09副詞", "発　音", "\"x\",\"\",\"\",\"\",\"\",\"\"", "", "junk"});
        WriteBook(BookA() + "/c.utx", {"Gamma", "10比較", "作文問題"});
        WriteBook(BookA() + "/short.utx", {"Two", "lines"});
        WriteBook(BookA() + "/upper.utx", {"Upper", "A群", "自由"});
        w_ = f_->Start();
        QVERIFY(w_);
    }

    void OpenBook(const QString &fileName) { OpenBookByFileName(w_, fileName); }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        FileDialogSeam::Replace({});
        f_.reset();
    }

    void listsTheFolderByGroup()
    {
        StartWithFixtureFolder();
        QStringList shown;
        for (const BookRow &row : Rows())
            shown << row.group + ":" + row.fileName + ":" + QString::number(row.count) + ":" + row.letter;
        // Two-line files are not listed; an empty word line counts; groups compare code unit by
        // code unit, so digits (U+0030..) come before "A" (U+0041).
        QCOMPARE(shown,
                 (QStringList{"09副詞:a.utx:3:W", "10比較:c.utx:0:C", "11前置詞:b.utx:1:B", "A群:upper.utx:0:W"}));
        QCOMPARE(Status(1),
                 QStringLiteral("●単語帳ﾌｫﾙﾀﾞ：") + QDir::toNativeSeparators(BookA()) + QStringLiteral("…[4]"));
        QVERIFY(Status(0).isEmpty());
        QVERIFY(!Find<QAction>(w_, "RegWord")->isEnabled());
    }

    void openingAndClosingABook()
    {
        StartWithFixtureFolder();
        OpenBook("a.utx");
        QCOMPARE(Status(0), QStringLiteral("●ﾀｲﾄﾙ：[Alpha]"));
        for (const char *name : {"RegWord", "ChangeProp", "DelWB", "CloseWB"})
            QVERIFY2(Find<QAction>(w_, name)->isEnabled(), name);

        f_->answer = false;  // "No" keeps the book open
        Find<QAction>(w_, "CloseWB")->trigger();
        QCOMPARE(f_->asked.last(), QStringLiteral("■単語帳タイトル： [Alpha]\r\n■ファイル名：　　\"a.utx\"\r\n\r\n"
                                                  "この単語帳を閉じますが、よろしいですか？"));
        QCOMPARE(Status(0), QStringLiteral("●ﾀｲﾄﾙ：[Alpha]"));
        f_->answer = true;
        Find<QAction>(w_, "CloseWB")->trigger();
        QVERIFY(Status(0).isEmpty());
        QVERIFY(!Find<QAction>(w_, "RegWord")->isEnabled());
        QVERIFY(List()->selectionModel()->selectedRows().isEmpty());
    }

    void deletingABook()
    {
        StartWithFixtureFolder();
        OpenBook("c.utx");
        Find<QAction>(w_, "DelWB")->trigger();
        QVERIFY(f_->asked.last().endsWith(QStringLiteral("この単語帳を削除しますがよろしいですか？")));
        QVERIFY(!QFile::exists(BookA() + "/c.utx"));
        QCOMPARE(Rows().size(), 3);
    }

    void creatingABook()
    {
        StartWithFixtureFolder();
        QString proposed;
        FileDialogSeam::Replace([&](const FileDialogSeam::Request &request) {
            proposed = request.proposedPath;
            return BookA() + "/動詞.utx";
        });
        WhenShown<QDialog>([](QDialog *dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("TNewFrm"));
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);  // empty title: warned
            Find<QLineEdit>(dialog, "Edit1")->setText("  動詞 ");
            Find<QLineEdit>(dialog, "Edit2")->setText("01動詞");
            Find<QRadioButton>(dialog, "RadioButton3")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        });
        Find<QAction>(w_, "NewWordBook")->trigger();
        QCOMPARE(f_->messages.value(0), QStringLiteral("単語帳タイトルを入力してから、作成ボタンを押して下さい。"));
        QCOMPARE(proposed, BookA() + "/動詞.utx");
        const WordBookHeader header = ReadWordBookHeader(BookA() + "/動詞.utx");
        QCOMPARE(header.title, QStringLiteral("動詞"));
        QCOMPARE(header.typeName, QStringLiteral("作文問題"));
        QCOMPARE(header.lineCount, 3);
        QCOMPARE(Rows().size(), 5);
        QVERIFY(List()->selectionModel()->selectedRows().size() == 1);

        // A title with a folder separator and quotes proposes a file in the book folder.
        FileDialogSeam::Replace([&](const FileDialogSeam::Request &request) {
            proposed = request.proposedPath;
            return QString();  // cancelled
        });
        WhenShown<QDialog>([](QDialog *dialog) {
            Find<QLineEdit>(dialog, "Edit1")->setText("Verbs/動詞 \"x\"");
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
            dialog->reject();
        });
        Find<QAction>(w_, "NewWordBook")->trigger();
        QCOMPARE(proposed, BookA() + "/Verbs_動詞 _x_.utx");

        // Choosing an existing book asks before it is replaced by an empty one; No keeps it.
        f_->answer = false;
        FileDialogSeam::Replace([&](const FileDialogSeam::Request &) { return BookA() + "/a.utx"; });
        WhenShown<QDialog>([](QDialog *dialog) {
            Find<QLineEdit>(dialog, "Edit1")->setText("Alpha");
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
            dialog->reject();
        });
        Find<QAction>(w_, "NewWordBook")->trigger();
        QVERIFY(f_->asked.last().contains(QStringLiteral("空の単語帳で置き換えますか？")));
        QCOMPARE(ReadWordBookHeader(BookA() + "/a.utx").lineCount, 6);
    }

    void changingProperties()
    {
        StartWithFixtureFolder();
        OpenBook("a.utx");
        WhenShown<QDialog>([](QDialog *dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("TPropFrm"));
            QCOMPARE(Find<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("Alpha"));
            QVERIFY(Find<QRadioButton>(dialog, "RadioButton1")->isChecked());  // 発　音 is W
            Find<QLineEdit>(dialog, "Edit1")->setText("Alpha2");
            Find<QRadioButton>(dialog, "RadioButton2")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        });
        Find<QAction>(w_, "ChangeProp")->trigger();
        const WordBookHeader header = ReadWordBookHeader(BookA() + "/a.utx");
        QCOMPARE(header.title, QStringLiteral("Alpha2"));
        QCOMPARE(header.typeName, QStringLiteral("空欄補充"));
        QCOMPARE(header.lineCount, 6);  // the lines that are no word stay in the file
        QCOMPARE(Status(0), QStringLiteral("●ﾀｲﾄﾙ：[Alpha2]"));
        QVERIFY(Find<QAction>(w_, "RegWord")->isEnabled());
        QVERIFY(!Find<QAction>(w_, "ModWord")->isEnabled());
    }

    void generatorsRunTwice()
    {
        StartWithFixtureFolder();
        const QString bookG = f_->home->documentsFolder() + "/English/bookG";
        Find<QAction>(w_, "bookG1")->trigger();
        Find<QAction>(w_, "bookG1")->trigger();
        Find<QAction>(w_, "N501")->trigger();
        Find<QAction>(w_, "N501")->trigger();
        QCOMPARE(f_->asked.first(),
                 QStringLiteral("bookGフォルダに28個の空の英語の文法ファイルを生成します。よろしいですか？"));
        QCOMPARE(f_->asked.last(),
                 QStringLiteral("bookGフォルダに46個の空の辞書ファイルを生成します。よろしいですか？"));
        QVERIFY(QFile::exists(bookG + "/E文の種類.utx"));
        QVERIFY(QFile::exists(bookG + "/E文の種類(1).utx"));
        QCOMPARE(ReadWordBookHeader(bookG + "/E文の転換(1).utx").typeName, QStringLiteral("作文問題"));
        QCOMPARE(ReadWordBookHeader(bookG + "/E辞書（Alpha）.utx").group, QStringLiteral("辞書"));
        QCOMPARE(ReadWordBookHeader(bookG + "/E1辞書（を）.utx").group, QStringLiteral("辞書1"));
        QCOMPARE(QDir(bookG).entryList({"*.utx"}).size(), 2 * 28 + 2 * 46);
        QVERIFY(Find<QToolButton>(w_, "SpeedButton11")->isChecked());
        QCOMPARE(Rows().size(), 2 * 28 + 2 * 46);
        QCOMPARE(Rows().first().group, QStringLiteral("00基本"));
    }

    void folderButtonsAndSlide()
    {
        StartWithFixtureFolder();
        auto *bookA = Find<QToolButton>(w_, "SpeedButton10");
        QVERIFY(bookA->isChecked());
        QTest::mouseClick(bookA, Qt::LeftButton);  // releasing the button down changes nothing else
        QVERIFY(!bookA->isChecked());
        QCOMPARE(Rows().size(), 4);
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton12"), Qt::LeftButton);
        QCOMPARE(w_->settings().CurrentFolderIndex, 2);
        QCOMPARE(Rows().size(), 0);
        QVERIFY(Status(1).endsWith(QStringLiteral("…[0]")));

        // With CheckBox2 ticked, choosing a book slides the panel closed, then opens the book.
        QTest::mouseClick(bookA, Qt::LeftButton);
        Find<QCheckBox>(w_, "CheckBox2")->setChecked(true);
        ClickRow(List(), 0);
        auto *slide = Find<QToolButton>(w_, "SpeedButton13");
        QTRY_COMPARE(slide->text(), QStringLiteral("←"));
        QCOMPARE(Find<QFrame>(w_, "Panel8")->width(), 40);
        QCOMPARE(Status(0), QStringLiteral("●ﾀｲﾄﾙ：[Alpha]"));
        QTest::mouseClick(slide, Qt::LeftButton);
        QTRY_COMPARE(slide->text(), QStringLiteral("→"));
        QCOMPARE(Find<QFrame>(w_, "Panel8")->width(), 400);
    }
};

QTEST_MAIN(tst_BookLibrary)
#include "tst_BookLibrary.moc"
