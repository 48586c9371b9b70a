#include "symbols/FreePalette.h"

#include <QTest>

class tst_FreePalette : public QObject
{
    Q_OBJECT

private slots:
    void codeBoxRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changesCaption");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stored");   // empty: the stored symbol stays
        QTest::addColumn<QString>("boxText");  // empty: the box keeps its text
        // clang-format off
        QTest::addRow("four digits") << "2665" << true << "♥" << "♥" << "";
        QTest::addRow("upper-case hex") << "266A" << true << "♪" << "♪" << "";
        QTest::addRow("lower-case hex changes nothing") << "266a" << false << "" << "" << "";
        QTest::addRow("one digit blanks") << "2" << true << "" << "" << "";
        QTest::addRow("a stored A reads as a digit") << "A" << true << "" << "" << "";
        QTest::addRow("two or three characters blank") << "266" << true << "" << "" << "";
        QTest::addRow("empty blanks") << "" << true << "" << "" << "";
        QTest::addRow("pasted symbol becomes its code") << "★" << true << "★" << "" << "2605";
        QTest::addRow("pasted lower-case letter") << "a" << true << "a" << "" << "0061";
        QTest::addRow("code of NUL is no symbol") << "0000" << true << "" << "" << "";
        QTest::addRow("code of a control character") << "001B" << true << "" << "" << "";
        QTest::addRow("code of DEL") << "007F" << true << "" << "" << "";
        QTest::addRow("code of a surrogate half") << "D800" << true << "" << "" << "";
        QTest::addRow("pasted control character") << "\t" << true << "" << "" << "";
        QTest::addRow("ampersand is a symbol") << "0026" << true << "&" << "&" << "";
        QTest::addRow("pasted non-bmp character stores nothing") << QString::fromUcs4(U"\U0001F600") << true << ""
                                                                 << "" << "";
        // clang-format on
    }
    void codeBoxRules()
    {
        QFETCH(QString, text);
        QFETCH(bool, changesCaption);
        QFETCH(QString, caption);
        QFETCH(QString, stored);
        QFETCH(QString, boxText);
        const CodeBoxOutcome outcome = ApplyCodeBoxText(text);
        QCOMPARE(outcome.changesCaption, changesCaption);
        QCOMPARE(outcome.caption, caption);
        QCOMPARE(outcome.stored ? QString(*outcome.stored) : QString(), stored);
        QCOMPARE(outcome.boxText.value_or(QString()), boxText);
    }

    void presets()
    {
        QCOMPARE(FreeSymbolPresets()[4].symbols, Settings{}.FreeUBox);                   // shapes are the default
        QCOMPARE(FreeSymbolPresets()[2].symbols[2], FreeSymbolPresets()[2].symbols[6]);  // š twice
        QCOMPARE(FreeSymbolPresets()[0].caption, QStringLiteral("ﾄﾗﾝﾌﾟ"));
    }
};

QTEST_APPLESS_MAIN(tst_FreePalette)
#include "tst_FreePalette.moc"
