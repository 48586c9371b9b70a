#include "app/LanguageState.h"
#include "app/PadPanelSlide.h"

#include <QTest>

class tst_MainWindowState : public QObject
{
    Q_OBJECT

private slots:
    void switchTakesTheRememberedFlagInRange()
    {
        LanguageState state;
        QVERIFY(state.Switch(0, 1));
        QCOMPARE(state.FlagIndex, 1);
        QCOMPARE(state.CycleCaption(), QStringLiteral("<"));
        QVERIFY(state.Switch(3, 1));  // Spanish: 1 is not Spanish's, so Spain
        QCOMPARE(state.FlagIndex, 6);
        QCOMPARE(state.LanguageName, QStringLiteral("スペイン語"));
        QCOMPARE(state.PairForward, QStringLiteral("西日"));
        QCOMPARE(state.PairBackward, QStringLiteral("日西"));
        QVERIFY(state.Switch(0, 1));
        state.CycleFlag();  // cycling in between does not change the remembered number
        QVERIFY(state.Switch(3, 1));
        QVERIFY(state.Switch(0, 1));
        QCOMPARE(state.FlagIndex, 1);
    }

    void flagCyclingTurnsAtTheEnds()
    {
        LanguageState state;
        state.Switch(3, 7);
        QCOMPARE(state.FlagIndex, 7);
        QCOMPARE(state.CycleCaption(), QStringLiteral(">"));
        QList<int> shown;
        QStringList captions;
        for (int click = 0; click < 7; ++click) {
            state.CycleFlag();
            shown << state.FlagIndex;
            captions << state.CycleCaption();
        }
        QCOMPARE(shown, (QList<int>{8, 9, 10, 9, 8, 7, 6}));
        QCOMPARE(captions, (QStringList{">", ">", "<", "<", "<", "<", ">"}));
    }

    void invalidLanguageChangesOnlyTheNames()
    {
        LanguageState state;
        state.Switch(5, 14);
        QVERIFY(!state.Switch(9, 14));
        QCOMPARE(state.LanguageName, QStringLiteral("欧文"));
        QCOMPARE(state.PairForward, QStringLiteral("欧日"));
        QCOMPARE(state.PairBackward, QStringLiteral("日欧"));
        QCOMPARE(state.FlagIndex, 14);
        QCOMPARE(state.FlagFirst, 13);
    }

    void SizeFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // -1: refused
        // clang-format off
        QTest::addRow("7 is too small") << "7" << -1;
        QTest::addRow("8") << "8" << 8;
        QTest::addRow("200") << "200" << 200;
        QTest::addRow("201 is too large") << "201" << -1;
        QTest::addRow("fraction") << "12.5" << -1;
        QTest::addRow("word") << "big" << -1;
        QTest::addRow("empty") << "" << -1;
        // clang-format on
    }
    void SizeFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(::SizeFromText(text, 8, 200).value_or(-1), expected);
    }

    void padPanelOpensAndCloses()
    {
        PadPanelSlide slide;
        QVERIFY(slide.StartOpening());
        QList<int> heights;
        while (slide.Tick() == PadPanelSlide::Step::Moving)
            heights << slide.Height();
        QCOMPARE(heights, (QList<int>{31, 61, 91, 121, 151, 181, 211}));
        QCOMPARE(slide.Height(), 200);
        QVERIFY(slide.Open());
        QVERIFY(!slide.StartOpening());  // already open

        QVERIFY(slide.StartClosing());
        int ticks = 0;
        while (slide.Tick() == PadPanelSlide::Step::Moving)
            ++ticks;
        QCOMPARE(ticks, 6);  // 200 → 165 … → −10, then 1
        QCOMPARE(slide.Height(), 1);
        QVERIFY(!slide.Open());
    }

    void releasingWhileOpeningTurnsAround()
    {
        PadPanelSlide slide;
        slide.StartOpening();
        slide.Tick();
        slide.Tick();
        QVERIFY(slide.StartClosing());
        while (slide.Tick() == PadPanelSlide::Step::Moving) {
        }
        QVERIFY(!slide.Open());
        QCOMPARE(slide.Height(), 1);
    }
};

QTEST_APPLESS_MAIN(tst_MainWindowState)
#include "tst_MainWindowState.moc"
