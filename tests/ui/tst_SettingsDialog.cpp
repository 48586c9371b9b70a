#include "mainwindow/TSettingFrm.h"
#include "pads/TIPAboard1.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

/// The settings dialog in the running main window: what OK and Cancel apply, the live effects
/// on the word list, the symbol set, the parameter reset and the remembered place.
class tst_SettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    /// Opens 設定 and works it with act while it is shown.
    void WithSettings(std::function<void(TSettingFrm *)> act)
    {
        WhenShown<TSettingFrm>([act](TSettingFrm *dialog) {
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        Find<QAction>(w_, "O1")->trigger();
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
    }
    void cleanup() { f_.reset(); }

    void okWithoutChangesChangesNothing()
    {
        const Settings before = w_->settings();
        WithSettings([](TSettingFrm *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("設定"));
            QCOMPARE(dialog->size(), QSize(480, 360));
            // A fixed frame with the close box only.
            QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!(dialog->windowHandle()->flags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            QCOMPARE(Find<QLabel>(dialog, "Label5")->text(), QStringLiteral("26"));
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        });
        const Settings &after = w_->settings();
        QCOMPARE(after.MyJpFont, before.MyJpFont);
        QCOMPARE(after.IpaFullFlg, before.IpaFullFlg);
        QCOMPARE(after.NoSampleFlg, before.NoSampleFlg);
        QCOMPARE(after.LV1LNHeight, before.LV1LNHeight);
        QCOMPARE(after.OBNadd, before.OBNadd);
    }

    void trackBarsApplyAtOnceAndStayAfterCancel()
    {
        WithSettings([](TSettingFrm *dialog) {
            Find<QSlider>(dialog, "TrackBar1")->setValue(40);
            QCOMPARE(Find<QLabel>(dialog, "Label5")->text(), QStringLiteral("40"));
            QTest::mouseClick(Find<QToolButton>(dialog, "SpeedButton4"), Qt::LeftButton);  // 初期化→ 2
            Find<QSlider>(dialog, "TrackBar2")->setValue(7);
            QTest::mouseClick(Find<QToolButton>(dialog, "SpeedButton4"), Qt::LeftButton);
            QCOMPARE(Find<QLabel>(dialog, "Label8")->text(), QStringLiteral("2"));
            QTest::mouseClick(Find<QPushButton>(dialog, "Button2"), Qt::LeftButton);
        });
        QCOMPARE(w_->settings().LV1LNHeight, 40);
        QCOMPARE(w_->settings().OBNadd, 2);
        // The word list, hidden on another page, takes the height when it shows.
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QCOMPARE(Find<QTableView>(w_, "ListView1")->verticalHeader()->defaultSectionSize(), 40);
        // The value reaches the parameter file when the program ends.
        QVERIFY(w_->close());
        w_ = f_->Start();
        QCOMPARE(w_->settings().LV1LNHeight, 40);
    }

    void rowHeightReachesTheShownListThroughTheStore()
    {
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        auto *list = Find<QTableView>(w_, "ListView1");
        QTRY_VERIFY(list->isVisible());
        QSignalSpy changed(&w_->settingsStore(), &SettingsStore::Changed);
        WithSettings([list](TSettingFrm *dialog) {
            Find<QSlider>(dialog, "TrackBar1")->setValue(34);
            QCOMPARE(list->verticalHeader()->defaultSectionSize(), 34);  // while the dialog is open
        });
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().value<SettingsStore::Aspects>(), SettingsStore::Aspect::RowHeight);
        // The list follows the store, whoever changes it.
        w_->settingsStore().Change([](Settings &s) { s.LV1LNHeight = 23; });
        QCOMPARE(list->verticalHeader()->defaultSectionSize(), qMax(23, list->fontMetrics().height()));
    }

    void fullSymbolSetReloadsTheMainPad()
    {
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(FindPad<TIPAboard1>(w_));
        const auto qKey = [this] {
            const int index =
                int(std::find(TIPAboard::KeyCharacters().begin(), TIPAboard::KeyCharacters().end(), QChar(u'Q')) -
                    TIPAboard::KeyCharacters().begin());
            return Find<QToolButton>(FindPad<TIPAboard1>(w_), QStringLiteral("SpeedButton%1").arg(index + 1));
        };
        QVERIFY(!qKey()->isCheckable());
        WithSettings([](TSettingFrm *dialog) {
            Find<QRadioButton>(dialog, "RadioButton2")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        });
        QVERIFY(w_->settings().IpaFullFlg);
        QVERIFY(qKey()->isCheckable());  // only the full set has a symbol on Q
    }

    void parameterResetEndsWithoutTheFile()
    {
        const QString parameters = w_->paths().SysFolder + "/Quillo.rng";
        QVERIFY(w_->close());  // writes the file once
        QVERIFY(QFile::exists(parameters));
        w_ = f_->Start();
        WithSettings([](TSettingFrm *dialog) {
            PageOf(dialog, 1);
            QTest::mouseClick(Find<QToolButton>(dialog, "SpeedButton2"), Qt::LeftButton);
        });
        QCOMPARE(f_->asked.last(),
                 QStringLiteral("パラメータ初期化のため\" Quillmaren \"を一旦終了しますが、よろしいですか？"));
        QVERIFY(!w_->isVisible());
        QVERIFY(!QFile::exists(parameters));
    }

    void opensWhereItWasClosed()
    {
        QPoint closedAt;
        WithSettings([&closedAt](TSettingFrm *dialog) {
            dialog->move(dialog->pos() + QPoint(40, 30));
            closedAt = dialog->pos();
        });
        WithSettings([&closedAt](TSettingFrm *dialog) { QCOMPARE(dialog->pos(), closedAt); });
    }

private:
    static void PageOf(QWidget *dialog, int page) { Find<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(page); }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
