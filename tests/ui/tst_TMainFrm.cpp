#include "app/AppPaths.h"
#include "app/ParameterFile.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/TMainFrm.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int CountFiles(const QString &folder, const QString &pattern)
{
    int count = 0;
    for (QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++count;
    return count;
}

}  // namespace

class tst_TMainFrm : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> fixture_;
    TempHome *home_ = nullptr;

    std::unique_ptr<TMainFrm> Start()
    {
        fixture_->Start();
        return std::move(fixture_->window);
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        home_ = fixture_->home.get();
    }
    void cleanup() { fixture_.reset(); }

    void freshStartInstallsAndCloseSaves()
    {
        auto window = Start();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaren"));
        QVERIFY(fixture_->messages.isEmpty());
        QCOMPARE(ReadBytes(home_->dataFolder() + "/Sys/Leaf790.txt").trimmed(), QByteArray("GF-RD1"));
        // Every shipped sample book is installed.
        const int shipped = CountFiles(window->paths().InstallFolder + "/Shelf", "*.utx");
        QVERIFY(shipped >= 4 * 6);
        QCOMPARE(CountFiles(home_->documentsFolder(), "*.utx"), shipped);
        QVERIFY(QFileInfo(home_->documentsFolder() + "/usr").isDir());
        QVERIFY(QFileInfo(home_->dataFolder() + "/Tbl").isDir());
        QCOMPARE(window->size(), QSize(740, 730));
        QCOMPARE(QApplication::focusWidget(), Find<QPlainTextEdit>(window.get(), "Memo1"));

        Find<QTabWidget>(window.get(), "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        window->close();
        const QByteArray saved = ReadBytes(home_->dataFolder() + "/Sys/Quillo.rng");
        QCOMPARE(saved.count("\r\n"), 43);
        QVERIFY(saved.contains("\r\nFirstPage,1\r\n"));

        // The next start reads the saved page and installs nothing again.
        QFile::remove(home_->documentsFolder() + "/English/bookA/Greetings.utx");
        window = Start();
        QVERIFY(window);
        QCOMPARE(Find<QTabWidget>(window.get(), "PageControl1")->currentIndex(), int(TMainFrm::WordBook));
        QVERIFY(!QFileInfo::exists(home_->documentsFolder() + "/English/bookA/Greetings.utx"));
    }

    void noSampleFlagCopiesNothing()
    {
        fixture_->WriteParameters("NoSampleFlg,1\r\nFreeUBox,\"25CB25A125C7260625CF25A025C6ZZZZ\"\r\n");
        auto window = Start();
        QVERIFY(window);
        QCOMPARE(CountFiles(home_->documentsFolder(), "*.utx"), 0);
        QVERIFY(QFileInfo::exists(home_->dataFolder() + "/Sys/Leaf790.txt"));
        QCOMPARE(window->settings().FreeUBox, Settings{}.FreeUBox);
    }

    void unwritableSystemFolderStillStarts()
    {
        // A file where the system folder belongs: the folder and the marker cannot be made.
        QDir().mkpath(home_->dataFolder());
        QFile blocker(home_->dataFolder() + "/Sys");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto window = Start();
        QVERIFY(window);
        // Told with its cause: the file in the folder's place.
        QVERIFY(fixture_->messages.contains(
            QStringLiteral("システムフォルダが作れませんでした。%1 がフォルダではなくファイルのためです。")
                .arg(QDir::toNativeSeparators(home_->dataFolder() + "/Sys"))));
        QVERIFY(std::any_of(fixture_->messages.begin(), fixture_->messages.end(),
                            [](const QString &m) { return m.contains(QStringLiteral("Leaf790.txt")); }));
        fixture_->messages.clear();
        window->close();  // saving fails too, and the user is told which file
        QCOMPARE(fixture_->messages.size(), 1);
        QVERIFY(fixture_->messages[0].contains(QStringLiteral("Quillo.rng")));
    }

    void valuesOutOfRangeStillStart()
    {
        fixture_->WriteParameters("InpMode,9\r\nFirstPage,7\r\nMainFontSize,0\r\nIPAFontSize,-5\r\nMainWidth,x\r\n"
                                  "CurrentFolderIndex,9\r\nRecFlagNumber,99\r\nTransMode,-3\r\nLV1LNHeight,-1\r\n");
        auto window = Start();
        QVERIFY(window);
        QCOMPARE(window->language().LanguageName, QStringLiteral("欧文"));
        QCOMPARE(Find<QTabWidget>(window.get(), "PageControl1")->currentIndex(), int(TMainFrm::EuropeanInput));
        QVERIFY(window->width() >= 740);
        QTest::keyClicks(Find<QPlainTextEdit>(window.get(), "Memo1"), "]e");
        QCOMPARE(Find<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(), QStringLiteral("é"));
        window->close();  // and the values are written back as they were read
        QVERIFY(ReadBytes(home_->dataFolder() + "/Sys/Quillo.rng").contains("\r\nInpMode,9\r\n"));
    }

    void savedPositionIsRestored()
    {
        // (a window that fits the offscreen screen at that place, so that it is not moved onto it)
        fixture_->WriteParameters("MainLeft,30\r\nMainTop,40\r\nMainWidth,760\r\nMainHeight,740\r\n");
        auto window = Start();
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(760, 740));
        QCOMPARE(window->pos(), QPoint(30, 40));
    }

    void memo1ComposesOnTheFirstPageOnly()
    {
        auto window = Start();
        QVERIFY(window);
        QTest::keyClicks(Find<QPlainTextEdit>(window.get(), "Memo1"), "]e[a [[x");
        QCOMPARE(Find<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(), QStringLiteral("éà [x"));

        // A pending trigger: Backspace deletes nothing and ends it; a non-table key removes
        // the selection and inserts nothing.
        QTest::keyClick(Find<QPlainTextEdit>(window.get(), "Memo1"), '[');
        QTest::keyClick(Find<QPlainTextEdit>(window.get(), "Memo1"), Qt::Key_Backspace);
        QCOMPARE(Find<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(), QStringLiteral("éà [x"));
        Find<QPlainTextEdit>(window.get(), "Memo1")->selectAll();
        QTest::keyClicks(Find<QPlainTextEdit>(window.get(), "Memo1"), "[q");
        QCOMPARE(Find<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(), QString());

        Find<QTabWidget>(window.get(), "PageControl1")->setCurrentIndex(TMainFrm::Training);
        QTest::keyClicks(Find<QPlainTextEdit>(window.get(), "Memo1"), "[e");
        QCOMPARE(Find<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(), QStringLiteral("[e"));
    }

    void deleteAndWideCharactersAfterATrigger()
    {
        auto window = Start();
        QVERIFY(window);
        auto *memo = Find<QPlainTextEdit>(window.get(), "Memo1");
        // Delete edits the field and leaves the trigger pending: abc, Home, [, Delete, e.
        QTest::keyClicks(memo, "abc");
        QTest::keyClick(memo, Qt::Key_Home);
        QTest::keyClick(memo, '[');
        QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
        QTest::keyClick(memo, 'e');
        QCOMPARE(memo->toPlainText(), QStringLiteral("èbc"));

        // A character outside the BMP (one key, two code units) ends the trigger and is
        // inserted whole.
        memo->clear();
        const QString smile = QString::fromUcs4(U"\U0001F600");
        QTest::keyClick(memo, ']');
        QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, smile, Qt::NoModifier);
        QCOMPARE(memo->toPlainText(), smile);
        QTest::keyClick(memo, 'e');
        QCOMPARE(memo->toPlainText(), smile + "e");
    }
};

QTEST_MAIN(tst_TMainFrm)
#include "tst_TMainFrm.moc"
