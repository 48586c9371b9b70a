#include "support/FakeDesktop.h"
#include "transfer/TargetTracker.h"

#include <QTest>

#include <map>

namespace {

struct FakeView : TargetView {
    QString title = QStringLiteral("Quillmaren");
    bool red = false;
    platform::WindowId own = 0;  ///< the program's own window
    bool IsOwnWindow(platform::WindowId w) const override { return w == own; }
    void ShowTarget(const QString &t) override
    {
        title = TargetTracker::TitleWithTarget(t);
        red = true;
    }
    void ShowNoTarget() override
    {
        title = QStringLiteral("Quillmaren");
        red = false;
    }
};

}  // namespace

class tst_TargetTracker : public QObject
{
    Q_OBJECT

    FakeDesktop desktop_;
    FakeView view_;

private slots:
    void init()
    {
        desktop_ = FakeDesktop{};
        desktop_.titles = {{1, u"Editor"}, {2, u"Program Manager"},        {3, u"スタート メニュー"},
                           {4, u"Panel"},  {5, u"Start - Microsoft Edge"}, {6, u"microsoft edge"},
                           {7, u""}};
        desktop_.desktop = 4;
        view_ = FakeView{};
    }

    void watchNamesTheWindowInFront()
    {
        TargetTracker tracker(desktop_, view_);
        desktop_.front = 1;
        tracker.SearchTimerTimer(true);
        QVERIFY(tracker.TargetKnown());
        QCOMPARE(tracker.TargetWindow(), platform::WindowId(1));
        QVERIFY(view_.red);
        QCOMPARE(view_.title, QStringLiteral("Quillmaren  転送先: [ Editor ]"));
        // The desktop, the start menu and a dock keep the earlier target.
        for (platform::WindowId shell : {2, 3, 4}) {
            desktop_.front = shell;
            tracker.SearchTimerTimer(true);
            QCOMPARE(tracker.TargetWindow(), platform::WindowId(1));
        }
        view_.own = 8;  // the program's own window, come forward before it heard of it
        desktop_.front = 8;
        tracker.SearchTimerTimer(true);
        QCOMPARE(tracker.TargetWindow(), platform::WindowId(1));
        desktop_.front = 7;  // an empty title is a window like any other
        tracker.SearchTimerTimer(true);
        QCOMPARE(tracker.TargetWindow(), platform::WindowId(7));
    }

    void watchDoesNothingWithAutomaticPasteOff()
    {
        TargetTracker tracker(desktop_, view_);
        desktop_.front = 1;
        tracker.SearchTimerTimer(false);
        QVERIFY(!tracker.TargetKnown());
        QVERIFY(!tracker.SendToTarget(false));
    }

    void pasteDelays_data()
    {
        QTest::addColumn<platform::WindowId>("window");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("delay");
        // clang-format off
        QTest::addRow("ordinary") << platform::WindowId(1) << false << 300;
        QTest::addRow("edge") << platform::WindowId(5) << false << 900;
        QTest::addRow("edge in other case") << platform::WindowId(6) << false << 300;
        QTest::addRow("slow") << platform::WindowId(1) << true << 1200;
        QTest::addRow("slow edge") << platform::WindowId(5) << true << 1200;
        // clang-format on
    }
    void pasteDelays()
    {
        QFETCH(platform::WindowId, window);
        QFETCH(bool, slow);
        QFETCH(int, delay);
        TargetTracker tracker(desktop_, view_);
        desktop_.front = window;
        tracker.SearchTimerTimer(true);
        desktop_.front = 99;  // the user comes back to the program
        QCOMPARE(tracker.SendToTarget(slow), std::optional<int>(delay));
        QCOMPARE(desktop_.front, window);
        tracker.PasteTimerTimer();
        QCOMPARE(*desktop_.pastes, 1);
    }

    void noPasteWhenAnotherWindowCameToTheFront()
    {
        TargetTracker tracker(desktop_, view_);
        desktop_.front = 1;
        tracker.SearchTimerTimer(true);
        QVERIFY(tracker.SendToTarget(false));
        desktop_.front = 5;
        tracker.PasteTimerTimer();
        QCOMPARE(*desktop_.pastes, 0);
    }

    void targetThatRefusesIsForgotten()
    {
        TargetTracker tracker(desktop_, view_);
        desktop_.front = 1;
        tracker.SearchTimerTimer(true);
        desktop_.refuse = true;
        QVERIFY(!tracker.SendToTarget(false));
        QVERIFY(!tracker.TargetKnown());
        QCOMPARE(tracker.TargetWindow(), platform::WindowId(0));
        QVERIFY(!view_.red);
        QCOMPARE(view_.title, QStringLiteral("Quillmaren"));
    }
};

Q_DECLARE_METATYPE(platform::WindowId)
QTEST_APPLESS_MAIN(tst_TargetTracker)
#include "tst_TargetTracker.moc"
