#include "dialogs/InstalledFonts.h"
#include "support/BookFiles.h"
#include "support/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <functional>

namespace {

QString Word(const QString &foreign, const QString &japanese)
{
    return QStringLiteral("\"%1\",\"ph-%1\",\"カナ\",\"%2\",\"\",\"\"").arg(foreign, japanese);
}

/// The open search dialog, or null.
QDialog *SearchDialog()
{
    QDialog *found = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("TSearchFrm") && top->isVisible()) {
            if (found)
                qFatal("two search dialogs");
            found = static_cast<QDialog *>(top);
        }
    }
    return found;
}

/// Two books too large to read.
void AddUnreadableBooks(const QString &folder)
{
    for (const char *name : {"/large1.utx", "/large2.utx"}) {
        QFile large(folder + name);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxWordBookBytes + 2));
    }
}

/// A key as the keyboard delivers it to the search field.
void Press(QWidget *field, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
    QApplication::sendEvent(field, &press);
}

}  // namespace

/// The word-book search dialog in the running main window: opening and closing, the fields'
/// key routing, the result list, and handing a hit to the input area or to the word dialog.
class tst_WordSearchDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    QString Folder(const char *kind) const { return f_->home->documentsFolder() + "/English/" + kind; }

    void Start(const QByteArray &parameters = {})
    {
        f_->WriteParameters("CurrentFolderIndex,0\r\n" + parameters);
        QDir().mkpath(Folder("bookS"));
        // Two books of one title: the list shows them by group, "01" first.
        WriteBook(Folder("bookS") + "/trip1.utx",
                  {"旅行", "01", "単語理解", Word("go", "行く"), Word("ticket", "切符")});
        WriteBook(Folder("bookS") + "/trip2.utx", {"旅行", "02", "単語理解", Word("bus", "バス"),
                                                   Word("going", "行くこと"), Word("say #$22hi#$22", "挨拶")});
        w_ = f_->Start();
        QVERIFY(w_);
        // Only the books above: the sample books go.
        for (const QString &sample : QDir(Folder("bookS")).entryList({"*.utx"})) {
            if (!sample.startsWith("trip"))
                QVERIFY(QFile::remove(Folder("bookS") + '/' + sample));
        }
    }
    QDialog *Open()
    {
        Find<QAction>(w_, "Search")->trigger();
        return SearchDialog();
    }
    QTableView *Results(QDialog *d) const { return Find<QTableView>(d, "ListView1"); }
    QString Cell(QDialog *d, int row, int column) const
    {
        return Results(d)->model()->index(row, column).data().toString();
    }
    /// Clicks この単語を編集 and returns the foreign word the word dialog shows (then cancelled).
    QString ForeignWordInWordDialog(QDialog *d)
    {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("TRegFrm") && top->isVisible()) {
                    shown = Find<QLineEdit>(top, "Edit1")->text();
                    static_cast<QDialog *>(top)->reject();
                }
            }
        });
        QTest::mouseClick(Find<QToolButton>(d, "SpeedButton3"), Qt::LeftButton);
        return shown;
    }
    void SearchFor(QDialog *d, int field, const QString &text)
    {
        Find<QComboBox>(d, "ComboBox1")->setCurrentIndex(field);
        Find<QRadioButton>(d, "RadioButton3")->setChecked(true);
        Find<QLineEdit>(d, "Edit1")->setText(text);
        Press(Find<QLineEdit>(d, "Edit1"), Qt::Key_Return);
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        if (QDialog *d = SearchDialog())
            d->close();
        f_.reset();
    }

    void opensOnceAndRemembersFolderAndPlace()
    {
        Start("SearchFolderIndex,2\r\n");
        QDialog *d = Open();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("単語帳検索"));
        QCOMPARE(d->size(), QSize(560, 367));
        auto *fields = Find<QComboBox>(d, "ComboBox1");
        QCOMPARE(fields->currentText(), QStringLiteral("日本語"));
        QCOMPARE(fields->itemText(0), QStringLiteral("英　語"));
        QVERIFY(Find<QRadioButton>(d, "RadioButton3")->isChecked());
        QVERIFY(!Find<QToolButton>(d, "SpeedButton2")->isEnabled());
        QVERIFY(!Find<QToolButton>(d, "SpeedButton3")->isEnabled());
        auto *pages = Find<QTabWidget>(d, "PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QVERIFY(!pages->isTabVisible(2));  // 発音記号 until the phonetic field is chosen
        QCOMPARE(d->focusWidget(), Find<QLineEdit>(d, "Edit1"));

        QCOMPARE(Open(), d);  // a second Search brings the same dialog
        Find<QRadioButton>(d, "RadioButton2")->setChecked(true);
        d->move(d->pos() + QPoint(30, 20));
        d->resize(600, 400);
        const QRect closedAt(d->pos(), d->size());
        QTest::mouseClick(Find<QPushButton>(d, "Button1"), Qt::LeftButton);
        QTRY_VERIFY(!SearchDialog());
        QCOMPARE(w_->settings().SearchFolderIndex, 1);
        d = Open();
        QCOMPARE(QRect(d->pos(), d->size()), closedAt);
        QVERIFY(Find<QRadioButton>(d, "RadioButton2")->isChecked());
    }

    void fieldsRouteTheirKeys()
    {
        Start();
        QDialog *d = Open();
        auto *edit = Find<QLineEdit>(d, "Edit1");
        auto *pages = Find<QTabWidget>(d, "PageControl1");
        Find<QComboBox>(d, "ComboBox1")->setCurrentIndex(0);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(edit->font().family(), InstalledFamily(w_->settings().MainFont));
        QTest::keyClicks(edit, "caf]e");
        QCOMPARE(edit->text(), QStringLiteral("café"));
        // Enter with a trigger pending belongs to the composition, not to the search.
        QTest::keyClicks(edit, "]");
        Press(edit, Qt::Key_Return);
        QCOMPARE(Results(d)->model()->rowCount(), 0);

        Find<QComboBox>(d, "ComboBox1")->setCurrentIndex(1);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(pages->isTabVisible(2));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
        QTest::keyClicks(edit, "E1");  // the phonetic entry: E, then its first candidate
        QCOMPARE(edit->text(), QStringLiteral("ə"));

        Find<QComboBox>(d, "ComboBox1")->setCurrentIndex(2);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QTest::keyClicks(edit, "]e");
        QCOMPARE(edit->text(), QStringLiteral("]e"));
    }

    void listsExactHitsFirstWithTheirBooks()
    {
        Start();
        QDialog *d = Open();
        SearchFor(d, 0, "go");
        QCOMPARE(Results(d)->model()->rowCount(), 2);
        QCOMPARE(Cell(d, 0, 0), QStringLiteral("go"));
        QCOMPARE(Cell(d, 0, 4), QStringLiteral("*1"));
        QCOMPARE(Cell(d, 1, 0), QStringLiteral("going"));
        QCOMPARE(Cell(d, 1, 4), QStringLiteral("2"));
        // The two books share their title: each hit names its file.
        QCOMPARE(Cell(d, 0, 3), QStringLiteral("旅行（trip1.utx）"));
        QCOMPARE(Cell(d, 1, 3), QStringLiteral("旅行（trip2.utx）"));
        QVERIFY(Results(d)->columnWidth(3) > 80);  // widened to show the file names
        QCOMPARE(Cell(d, 1, 1), QStringLiteral("ph-going"));
        QVERIFY(Results(d)->verticalHeader()->defaultSectionSize() >= 24);

        SearchFor(d, 0, "#$22");
        QCOMPARE(Cell(d, 0, 0), QStringLiteral("say \"hi\""));  // shown unescaped

        SearchFor(d, 3, "飛行機");
        QCOMPARE(Results(d)->model()->rowCount(), 1);
        QCOMPARE(Cell(d, 0, 0), QStringLiteral("- なし -"));
        ClickRow(Results(d), 0);
        QTest::mouseClick(Find<QToolButton>(d, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(SearchDialog(), d);  // "- なし -" is no word: the dialog stays
        QVERIFY(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText().isEmpty());

        SearchFor(d, 3, "");
        QCOMPARE(Results(d)->model()->rowCount(), 0);
    }

    void aHitGoesIntoTheInputArea()
    {
        Start();
        auto *memo = Find<QPlainTextEdit>(w_, "Memo1");
        memo->setPlainText("I [x] now");
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
        QDialog *d = Open();
        SearchFor(d, 3, "行く");
        ClickRow(Results(d), 1);
        QVERIFY(Find<QToolButton>(d, "SpeedButton2")->isEnabled());
        QTest::mouseClick(Find<QToolButton>(d, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(memo->toPlainText(), QStringLiteral("I going now"));
        QTRY_VERIFY(!SearchDialog());
    }

    void editingAHitOpensItsOwnBook()
    {
        Start();
        QCOMPARE(Find<QToolButton>(w_, "SpeedButton13")->text(), QStringLiteral("→"));
        QDialog *d = Open();
        SearchFor(d, 0, "ticket");
        ClickRow(Results(d), 0);
        QCOMPARE(ForeignWordInWordDialog(d), QStringLiteral("ticket"));
        QTRY_VERIFY(!SearchDialog());
        QCOMPARE(Find<QTabWidget>(w_, "PageControl1")->currentIndex(), int(TMainFrm::WordBook));
        QVERIFY(Find<QToolButton>(w_, "SpeedButton12")->isChecked());
        QVERIFY(!Find<QCheckBox>(w_, "CheckBox2")->isChecked());
        QTRY_COMPARE(Find<QToolButton>(w_, "SpeedButton13")->text(), QStringLiteral("←"));

        // A hit in the second book of the title opens that book, not the first of the title.
        d = Open();
        SearchFor(d, 0, "going");
        ClickRow(Results(d), 0);
        QCOMPARE(ForeignWordInWordDialog(d), QStringLiteral("going"));
        QCOMPARE(Find<QLabel>(w_, "StatusPanel0")->text(), QStringLiteral("●ﾀｲﾄﾙ：[旅行]"));
    }

    void unreadableBooksAreToldOnce()
    {
        Start();
        AddUnreadableBooks(Folder("bookS"));
        QDialog *d = Open();
        f_->messages.clear();
        SearchFor(d, 0, "go");
        QCOMPARE(Results(d)->model()->rowCount(), 2);
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages[0].contains("large1.utx") && f_->messages[0].contains("large2.utx"));
    }

    void theDialogStaysWhileItsMessageIsOpen()
    {
        Start();
        AddUnreadableBooks(Folder("bookS"));
        QPointer<QDialog> d = Open();
        // The real message box: closing the dialog under it must neither delete the box twice
        // nor take the dialog away from the handler that shows the box.
        MessageSeam::Replace({}, {});
        bool closedUnderTheBox = false;
        std::function<void()> whenBoxShows = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(10, whenBoxShows);
                return;
            }
            d->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            closedUnderTheBox = d && d->isVisible();
            box->buttons().constFirst()->click();
        };
        QTimer::singleShot(0, whenBoxShows);
        SearchFor(d, 0, "go");
        QVERIFY(closedUnderTheBox);
        QVERIFY(d && d->isVisible());
        d->close();  // with the message read, it closes
        QTRY_VERIFY(!d);
    }
};

QTEST_MAIN(tst_WordSearchDialog)
#include "tst_WordSearchDialog.moc"
