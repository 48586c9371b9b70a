#include "compose/ComposeTable.h"
#include "dialogs/InstalledFonts.h"
#include "pads/TQuillmaren2.h"
#include "pads/TQuillmaren5.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

class tst_LetterPads : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;
    TQuillmaren *pad_ = nullptr;

    template <typename T> T *Child(const char *name) { return pad_->findChild<T *>(QString::fromLatin1(name)); }
    bool Shown(const char *name) { return !Child<QWidget>(name)->isHidden(); }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
        pad_ = FindPad<TQuillmaren2>(w_);
        QVERIFY(pad_);
    }
    void cleanup() { f_.reset(); }

    void buttonsHoldTheLettersInTheirCells()
    {
        const PadGeometry &g = pad_->Geometry();
        QVERIFY(g.W > 0 && g.H > 0);
        for (int index = 0; index < 36; ++index) {
            auto *lower = Child<QToolButton>(qPrintable(QStringLiteral("SpeedButton%1").arg(index + 1)));
            auto *upper = Child<QToolButton>(qPrintable(QStringLiteral("SpeedButton%1").arg(index + 37)));
            QCOMPARE(lower->text(), LowerLetters()[index]);
            QCOMPARE(upper->text(), UpperLetters()[index]);
            QCOMPARE(lower->geometry(), g.ButtonRect(index));
            QCOMPARE(upper->geometry(), g.ButtonRect(index));
            QCOMPARE(lower->font().family(), InstalledFamily(QStringLiteral("Arial")));
            QCOMPARE(lower->font().pointSize(), 16);
        }
        QCOMPARE(Find<QTabWidget>(pad_, "PageControl1")->tabText(0), QStringLiteral("小文字"));
        QCOMPARE(Find<QTabWidget>(pad_, "PageControl1")->tabText(1), QStringLiteral("大文字"));
        QCOMPARE(Find<QTabWidget>(pad_, "PageControl1")->tabPosition(), QTabWidget::South);
    }

    void triggerShowsItsRowAndFollowUps()
    {
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), ']');
        QVERIFY(Shown("Shape4") && Shown("Shape9"));  // the ] row on both pages
        QVERIFY(!Shown("Shape3") && !Shown("Shape8"));
        QCOMPARE(Child<QLabel>("Label7")->text(), QStringLiteral("a"));
        QVERIFY(Shown("Label7"));
        QCOMPARE(Child<QLabel>("Label13")->text(), QStringLiteral("c"));
        QCOMPARE(Child<QLabel>("Label26")->text(), QStringLiteral("C"));
        QCOMPARE(Child<QLabel>("Label14")->text(), QStringLiteral("s"));
        QCOMPARE(Child<QLabel>("Label27")->text(), QStringLiteral("."));
        QCOMPARE(Child<QLabel>("Label7")->palette().color(QPalette::WindowText), QColor(Qt::blue));

        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), 'c');
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("ç"));
        for (int n = 3; n <= 12; ++n)
            QVERIFY(!Shown(qPrintable(QStringLiteral("Shape%1").arg(n))));
        QVERIFY(!Shown("Label7") && !Shown("Label13"));
    }

    void everyTriggerShowsTheKeysOfItsRow_data()
    {
        QTest::addColumn<QChar>("trigger");
        QTest::addColumn<bool>("vowels");
        QTest::addColumn<QString>("lower");  // labels over special columns 1..4; "." kept as it was
        QTest::addColumn<QString>("upper");
        // clang-format off
        QTest::addRow("[") << QChar(u'[') << true << "\"y$[" << "<Y.[";
        QTest::addRow("]") << QChar(u']') << true << "\"cs]" << ">C.]";
        QTest::addRow("^") << QChar(u'^') << true << "'" << "\"";
        QTest::addRow("~") << QChar(u'~') << false << "_nao" << "_NAO";
        QTest::addRow("backslash") << QChar(u'\\') << true << "'h!?" << "\"H-=";
        // clang-format on
    }
    void everyTriggerShowsTheKeysOfItsRow()
    {
        QFETCH(QChar, trigger);
        QFETCH(bool, vowels);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), trigger.toLatin1());
        // Lower-case labels are Label7..15, upper-case Label20..28, over columns 0..8; "_" marks
        // a column whose label the trigger leaves hidden.
        for (int page = 0; page < 2; ++page) {
            const int first = page == 0 ? 7 : 20;
            const QString &special = page == 0 ? lower : upper;
            for (int column = 0; column < 5; ++column)
                QCOMPARE(Shown(qPrintable(QStringLiteral("Label%1").arg(first + column))), vowels);
            for (int column = 0; column < 4; ++column) {
                const QString name = QStringLiteral("Label%1").arg(first + 5 + column);
                const bool shown = column < special.size() && special[column] != u'_';
                QCOMPARE(Shown(qPrintable(name)), shown);
                if (shown)
                    QCOMPARE(Child<QLabel>(qPrintable(name))->text(), QString(special[column]));
            }
        }
    }

    void tildeShowsOnlyItsColumns()
    {
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), '~');
        QVERIFY(Shown("Shape6"));
        QVERIFY(!Shown("Label7"));  // no vowel labels for ~
        QCOMPARE(Child<QLabel>("Label13")->text(), QStringLiteral("n"));
        QCOMPARE(Child<QLabel>("Label28")->text(), QStringLiteral("O"));
    }

    void clickInsertsAndKeepsThePendingTrigger()
    {
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), ']');
        QTest::mouseClick(Child<QToolButton>("SpeedButton7"), Qt::LeftButton);  // é
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("é"));
        QCOMPARE(w_->engine().PendingTrigger(), std::optional<QChar>(u']'));
        QVERIFY(Shown("Shape4"));
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), 'e');
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("éé"));
    }

    void resizeEndsThePendingTrigger()
    {
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), '[');
        w_->resize(w_->width() + 120, w_->height() + 60);
        QTRY_VERIFY(!w_->engine().PendingTrigger());
        QVERIFY(!Shown("Shape3"));
        QTest::keyClick(Find<QPlainTextEdit>(w_, "Memo1"), 'e');
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("e"));
    }

    void wordBookPadComposesIntoTheFocusedField()
    {
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::keyClicks(Find<QPlainTextEdit>(w_, "Memo1"), "[e");  // PAD表示 is up: plain typing
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("[e"));
        Find<QPlainTextEdit>(w_, "Memo1")->clear();
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(FindPad<TQuillmaren5>(w_));
        QTest::keyClicks(Find<QPlainTextEdit>(w_, "Memo1"), "[e");
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("è"));
        // A click goes to Edit1 while it has the focus, otherwise to Memo1.
        Find<QAction>(w_, "PDisp")->trigger();
        Find<QLineEdit>(w_, "Edit1")->setFocus();
        QTest::mouseClick(FindPad<TQuillmaren5>(w_)->findChild<QToolButton *>("SpeedButton26"), Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ñ"));
        // Without a fill-in book the second field does not compose.
        QTest::keyClicks(Find<QLineEdit>(w_, "Edit1"), "[a");
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ñ[a"));
    }

    void hintsAreWholeOnEveryPad()
    {
        // The small pad of the word-book page's panel and the large one of the first page:
        // every key hint and trigger label has room for its whole line of text.
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(FindPad<TQuillmaren5>(w_));
        for (TQuillmaren *pad : {static_cast<TQuillmaren *>(FindPad<TQuillmaren5>(w_)), pad_}) {
            const PadGeometry &g = pad->Geometry();
            for (int n : {7, 11, 15, 20, 28, 1, 5}) {  // key hints, then the "Trigger" headings
                auto *label = pad->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
                const QFontMetrics metrics(label->font());
                QVERIFY2(label->height() >= metrics.height(), qPrintable(label->objectName()));
                QVERIFY(label->y() >= 0 && label->geometry().bottom() < g.Y0);
            }
            for (int n : {2, 3, 4, 6}) {
                auto *label = pad->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
                QVERIFY2(QFontMetrics(label->font()).height() <= g.BH, qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(tst_LetterPads)
#include "tst_LetterPads.moc"
