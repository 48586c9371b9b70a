#include "dialogs/InstalledFonts.h"
#include "pads/TFreeUni1.h"
#include "support/MainWindowFixture.h"
#include "symbols/FreePalette.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

class tst_FreePaletteFrame : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;
    TFreeUni1 *palette_ = nullptr;

    /// The palette is built on the first show of its tab; shows it and goes back to the help.
    TFreeUni1 *OpenPalette()
    {
        auto *tabs = Find<QTabWidget>(w_, "PageControl2");
        tabs->setCurrentWidget(Find<QWidget>(w_, "TabSheet5"));
        TFreeUni1 *palette = FindPad<TFreeUni1>(w_);
        tabs->setCurrentWidget(Find<QWidget>(w_, "TabSheet4"));
        return palette;
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
        QVERIFY(!FindPad<TFreeUni1>(w_));  // not built before its tab shows
        palette_ = OpenPalette();
        QVERIFY(palette_);
    }
    void cleanup() { f_.reset(); }

    void showsTheStoredSymbolsAsCodes()
    {
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton1")->text(), QStringLiteral("○"));
        QCOMPARE(Find<QLineEdit>(palette_, "Edit1")->text(), QStringLiteral("25CB"));
        QCOMPARE(Find<QLineEdit>(palette_, "Edit8")->text(), QStringLiteral("2605"));
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton1")->size(), QSize(36, 36));
        QCOMPARE(Find<QLineEdit>(palette_, "Edit1")->width(), 47);
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton5")->x(), Find<QWidget>(palette_, "Panel3")->width() / 2 + 20);
    }

    void typingAndPastingCodes()
    {
        QLineEdit *box = Find<QLineEdit>(palette_, "Edit3");
        box->clear();
        QTest::keyClicks(box, "2665");
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton3")->text(), QStringLiteral("♥"));
        QCOMPARE(w_->settings().FreeUBox[2], QChar(0x2665));
        box->clear();
        QTest::keyClicks(box, "2");
        QVERIFY(Find<QToolButton>(palette_, "SpeedButton3")->text().isEmpty());
        QCOMPARE(w_->settings().FreeUBox[2], QChar(0x2665));  // still stored

        box->clear();
        box->insert(QStringLiteral("★"));  // as a paste
        QCOMPARE(box->text(), QStringLiteral("2605"));
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton3")->text(), QStringLiteral("★"));
        QCOMPARE(w_->settings().FreeUBox[2], QChar(0x2605));

        box->clear();
        box->insert(QString::fromUcs4(U"\U0001F600"));
        QVERIFY(Find<QToolButton>(palette_, "SpeedButton3")->text().isEmpty());
        QCOMPARE(w_->settings().FreeUBox[2], QChar(0x2605));
    }

    void clickInsertsIntoTheInputArea()
    {
        Find<QPlainTextEdit>(w_, "Memo1")->setPlainText("ab");
        Find<QPlainTextEdit>(w_, "Memo1")->moveCursor(QTextCursor::End);
        QTest::mouseClick(Find<QToolButton>(palette_, "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("ab☆"));
        QCOMPARE(QApplication::focusWidget(), Find<QPlainTextEdit>(w_, "Memo1"));
        Find<QLineEdit>(palette_, "Edit4")->setText("12");  // a blank button inserts nothing
        QTest::mouseClick(Find<QToolButton>(palette_, "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("ab☆"));
    }

    void ampersandShowsAsItself()
    {
        // "&" would be taken as a shortcut mark and show blank; the caption escapes it.
        Find<QLineEdit>(palette_, "Edit5")->setText("0026");
        auto *button = Find<QToolButton>(palette_, "SpeedButton5");
        QCOMPARE(button->text(), QStringLiteral("&&"));
        Find<QPlainTextEdit>(w_, "Memo1")->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("&"));
    }

    void presetsFillAllPlacesAndAreSaved()
    {
        QCOMPARE(Find<QTabWidget>(w_, "PageControl2")->currentWidget(), Find<QWidget>(w_, "TabSheet4"));
        QTest::mouseClick(Find<QToolButton>(w_, FreeSymbolPresets()[1].buttonName), Qt::LeftButton);  // 音符等
        QCOMPARE(Find<QTabWidget>(w_, "PageControl2")->currentWidget(), Find<QWidget>(w_, "TabSheet5"));
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton2")->text(), QStringLiteral("♪"));
        Find<QTabWidget>(w_, "PageControl2")->setCurrentWidget(Find<QWidget>(w_, "TabSheet4"));
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w_, FreeSymbolPresets()[5].buttonName),
                          Qt::LeftButton);  // 矢印, without switching pages
        QCOMPARE(Find<QTabWidget>(w_, "PageControl2")->currentWidget(), Find<QWidget>(w_, "TabSheet4"));
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton7")->text(), QStringLiteral("⇒"));
        w_->close();
        QFile rng(f_->home->dataFolder() + "/Sys/Quillo.rng");
        QVERIFY(rng.open(QIODevice::ReadOnly));
        QVERIFY(rng.readAll().contains("FreeUBox,\"219021912192219321D021D121D221D3\""));
    }

    void paletteBuiltLaterShowsWhatWasChosenBefore()
    {
        // A preset chosen on another page, before the palette was ever shown, is what it
        // shows when its tab first opens; so is the foreign-text font chosen meanwhile.
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w_, FreeSymbolPresets()[5].buttonName), Qt::LeftButton);  // 矢印
        Find<QComboBox>(w_, "ComboBox2")->setEditText(QStringLiteral("Liberation Serif"));
        QVERIFY(!FindPad<TFreeUni1>(w_));
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::EuropeanInput);
        palette_ = OpenPalette();
        QVERIFY(palette_);
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton7")->text(), QStringLiteral("⇒"));
        QCOMPARE(Find<QLineEdit>(palette_, "Edit7")->text(), QStringLiteral("21D2"));
        QCOMPARE(Find<QToolButton>(palette_, "SpeedButton7")->font().family(),
                 InstalledFamily(QStringLiteral("Liberation Serif")));
    }

    void storedDigitShowsOnlyInItsBox()
    {
        f_ = std::make_unique<MainWindowFixture>();
        f_->WriteParameters("FreeUBox,\"004125A125C7260625CF25A025C62605\"\r\n");
        w_ = f_->Start();
        QVERIFY(w_);
        palette_ = OpenPalette();
        QCOMPARE(Find<QLineEdit>(palette_, "Edit1")->text(), QStringLiteral("A"));
        QVERIFY(Find<QToolButton>(palette_, "SpeedButton1")->text().isEmpty());
    }
};

QTEST_MAIN(tst_FreePaletteFrame)
#include "tst_FreePaletteFrame.moc"
