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

    void pasteKeysByWindowClass_data()
    {
        QTest::addColumn<QString>("instanceName");
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("keys");
        const int v = int(platform::PasteKeys::ControlV), shiftV = int(platform::PasteKeys::ControlShiftV),
                  insert = int(platform::PasteKeys::ShiftInsert);
        // clang-format off
        QTest::addRow("xterm") << "xterm" << "XTerm" << insert;
        QTest::addRow("urxvt") << "urxvt" << "URxvt" << insert;
        QTest::addRow("rxvt-unicode") << "rxvt-unicode" << "" << insert;
        QTest::addRow("gnome-terminal") << "gnome-terminal-server" << "Gnome-terminal" << shiftV;
        QTest::addRow("konsole") << "konsole" << "konsole" << shiftV;
        QTest::addRow("xfce4-terminal") << "xfce4-terminal" << "Xfce4-terminal" << shiftV;
        QTest::addRow("mate-terminal") << "mate-terminal" << "Mate-terminal" << shiftV;
        QTest::addRow("lxterminal") << "lxterminal" << "Lxterminal" << shiftV;
        QTest::addRow("qterminal") << "qterminal" << "qterminal" << shiftV;
        QTest::addRow("tilix") << "tilix" << "Tilix" << shiftV;
        QTest::addRow("terminator") << "terminator" << "Terminator" << shiftV;
        QTest::addRow("alacritty") << "Alacritty" << "Alacritty" << shiftV;
        QTest::addRow("kitty") << "kitty" << "kitty" << shiftV;
        QTest::addRow("wezterm") << "org.wezfurlong.wezterm" << "org.wezfurlong.wezterm" << shiftV;
        QTest::addRow("st") << "st-256color" << "St" << shiftV;
        QTest::addRow("editor") << "gedit" << "Gedit" << v;
        QTest::addRow("browser") << "Navigator" << "firefox" << v;
        QTest::addRow("no class") << "" << "" << v;
        QTest::addRow("st as a prefix only") << "stellarium" << "Stellarium" << v;
        QTest::addRow("st inside a word") << "best" << "org.example.Best" << v;
        QTest::addRow("kitty as a prefix only") << "kittyhawk" << "Kittyhawk" << v;
        // clang-format on
    }
    void pasteKeysByWindowClass()
    {
        QFETCH(QString, instanceName);
        QFETCH(QString, className);
        QFETCH(int, keys);
        QCOMPARE(int(platform::PasteKeysForWindowClass(instanceName.toStdString(), className.toStdString())), keys);
    }

    void pasteSendsTheTargetsKeys()
    {
        desktop_.classes = {{8, {"xterm", "XTerm"}}, {9, {"kitty", "kitty"}}};
        TargetTracker tracker(desktop_, view_);
        for (const auto &[window, keys] : {std::pair{platform::WindowId(8), platform::PasteKeys::ShiftInsert},
                                           std::pair{platform::WindowId(9), platform::PasteKeys::ControlShiftV},
                                           std::pair{platform::WindowId(1), platform::PasteKeys::ControlV}}) {
            desktop_.front = window;
            tracker.SearchTimerTimer(true);
            QCOMPARE(tracker.TargetPasteKeys(), keys);
            QVERIFY(tracker.SendToTarget(false));
            tracker.PasteTimerTimer();
            QCOMPARE(*desktop_.lastKeys, keys);
        }
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
