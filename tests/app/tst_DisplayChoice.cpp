#include "app/DisplayChoice.h"

#include <QTest>

/// Which display the program starts on, before Qt would abort for want of one.
class tst_DisplayChoice : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<bool>("needsServer");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("waylandPlugin");
        QTest::addColumn<DisplayChoice>("choice");
        QTest::addRow("X11") << true << ""
                             << ":0"
                             << "" << false << DisplayChoice::AsGiven;
        QTest::addRow("Wayland with its plugin") << true << ""
                                                 << ""
                                                 << "wayland-0" << true << DisplayChoice::AsGiven;
        QTest::addRow("Wayland without plugin, X server") << true << ""
                                                          << ":0"
                                                          << "wayland-0" << false << DisplayChoice::X11;
        QTest::addRow("Wayland without plugin, no X") << true << ""
                                                      << ""
                                                      << "wayland-0" << false << DisplayChoice::None;
        QTest::addRow("nothing") << true << ""
                                 << ""
                                 << "" << true << DisplayChoice::None;
        QTest::addRow("a platform by name") << true << "offscreen"
                                            << ""
                                            << "" << false << DisplayChoice::AsGiven;
        QTest::addRow("Windows") << false << ""
                                 << ""
                                 << "" << false << DisplayChoice::AsGiven;
    }
    void choice()
    {
        QFETCH(bool, needsServer);
        QFETCH(QString, platform);
        QFETCH(QString, x11);
        QFETCH(QString, wayland);
        QFETCH(bool, waylandPlugin);
        QFETCH(DisplayChoice, choice);
        QCOMPARE(ChooseDisplay({needsServer, platform, x11, wayland, waylandPlugin}), choice);
    }
};

QTEST_GUILESS_MAIN(tst_DisplayChoice)
#include "tst_DisplayChoice.moc"
