#include "pads/TIPAboard1.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

class tst_PhoneticPad : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    /// Opens the word-book page's pad panel with the second field shown and focused.
    TIPAboard1 *OpenPad()
    {
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        Find<QAction>(w_, "PDisp")->trigger();
        Find<QLineEdit>(w_, "Edit1")->setFocus();
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton16"), Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return FindPad<TIPAboard1>(w_) != nullptr; }))
            return nullptr;
        return FindPad<TIPAboard1>(w_);
    }
    void WriteTable(const QString &name, const QByteArray &bytes)
    {
        QFile file(w_->paths().TblFolder + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QToolButton *Key(TIPAboard *pad, QChar character)
    {
        for (int n = 0; n < 48; ++n) {
            if (TIPAboard::KeyCharacters()[n] == character)
                return Find<QToolButton>(pad, QStringLiteral("SpeedButton%1").arg(n + 1));
        }
        return nullptr;
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
    }
    void cleanup() { f_.reset(); }

    void typingOpensChoicesAndShowsTheSymbol()
    {
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QCOMPARE(Find<QTabWidget>(w_, "PageControl3")->currentWidget(), Find<QWidget>(w_, "TabSheet7"));
        QVERIFY(Key(pad, u'E')->isCheckable());
        QVERIFY(!Key(pad, u'Q')->isCheckable());
        QCOMPARE(Find<QToolButton>(pad, "SpeedButton10")->text(), QStringLiteral("sp"));
        QCOMPARE(Find<QToolButton>(pad, "SpeedButton10")->toolTip(), QStringLiteral("Space"));
        QCOMPARE(Find<QToolButton>(pad, "SpeedButton6")->text(), QStringLiteral("&&"));  // shows "&"

        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), 'E', Qt::ShiftModifier);
        QVERIFY(pad->Entry().Selecting());
        QVERIFY(Key(pad, u'E')->isChecked());
        QVERIFY(Find<QTextEdit>(w_, "RichEdit2")->toPlainText().contains(QStringLiteral("シュワー")));
        QVERIFY(Find<QTextEdit>(w_, "RichEdit2")->toPlainText().endsWith(QStringLiteral("■コード値: 0259")));
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), Qt::Key_Space);
        QVERIFY(Find<QTextEdit>(w_, "RichEdit2")->toPlainText().contains(QStringLiteral("エプシロン")));
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), Qt::Key_Return);
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ɛ"));
        QVERIFY(!pad->Entry().Selecting());

        QTest::keyClicks(Find<QLineEdit>(w_, "Edit1"), "e");  // lower case types plainly
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), 'T', Qt::ShiftModifier);
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), '1');
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ɛeθ"));
    }

    void mouseOnKeysAndSlots()
    {
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QTest::mouseClick(Key(pad, u'S'), Qt::LeftButton);
        QTest::mouseClick(Find<QWidget>(pad, "Image1"), Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ʃ"));
        QTest::mouseClick(Find<QWidget>(pad, "Image10"), Qt::LeftButton);            // empty
        QTest::mouseClick(Find<QToolButton>(pad, "SpeedButton10"), Qt::LeftButton);  // sp
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("ʃ "));
    }

    void kanaModeTypesPlainly()
    {
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        Find<QCheckBox>(w_, "CheckBox10")->setChecked(true);
        Find<QLineEdit>(w_, "Edit1")->setFocus();
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), 'E', Qt::ShiftModifier);
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("E"));
        QVERIFY(!pad->Entry().Selecting());
    }

    void missingSymbolSetLeavesKeysInert()
    {
        QVERIFY(QFile::remove(w_->paths().TblFolder + "/ipa_cand1.txt"));
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QTest::keyClick(Find<QLineEdit>(w_, "Edit1"), 'E', Qt::ShiftModifier);
        QCOMPARE(Find<QLineEdit>(w_, "Edit1")->text(), QStringLiteral("E"));
        QVERIFY(Find<QTextEdit>(w_, "RichEdit2")->toPlainText().isEmpty());
        QVERIFY(f_->messages.isEmpty());
    }

    void malformedSymbolSetIsReportedAndPartlyTaken()
    {
        WriteTable("ipa_cand1.txt", "A,00230\r\nE,0060x\r\nS,00643\r\n");
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QVERIFY(!f_->messages.isEmpty());
        QVERIFY(f_->messages.last().contains(QStringLiteral("ipa_cand1.txt")));
        QVERIFY(f_->messages.last().contains(QStringLiteral("2 行目")));
        QVERIFY(Key(pad, u'A')->isCheckable());
        QVERIFY(!Key(pad, u'S')->isCheckable());
        const qsizetype told = f_->messages.size();
        pad->resize(pad->width() + 10, pad->height());  // a new layout tells nothing again
        QCOMPARE(f_->messages.size(), told);
    }

    void resizeKeepsTheCandidatesItRead()
    {
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QVERIFY(!Key(pad, u'Q')->isCheckable());
        WriteTable("ipa_cand1.txt", "Q,00670\r\n");
        pad->resize(pad->width() + 10, pad->height());  // laid out again, the set is not read again
        QVERIFY(!Key(pad, u'Q')->isCheckable());
        QVERIFY(Key(pad, u'E')->isCheckable());
        w_->ReloadPhoneticSymbolSet();  // the user chose a set: read now
        QVERIFY(Key(pad, u'Q')->isCheckable());
        QVERIFY(!Key(pad, u'E')->isCheckable());
    }

    void symbolSetChangeReloadsAtOnce()
    {
        TIPAboard1 *pad = OpenPad();
        QVERIFY(pad);
        QVERIFY(!Key(pad, u'Q')->isCheckable());
        // The open pad follows the store's new symbol set.
        w_->settingsStore().Change([](Settings &s) { s.IpaFullFlg = true; });
        QVERIFY(Key(pad, u'Q')->isCheckable());  // only the full set has ʠ on Q
    }
};

QTEST_MAIN(tst_PhoneticPad)
#include "tst_PhoneticPad.moc"
