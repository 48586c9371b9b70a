#include "compose/PadGeometry.h"

#include <QTest>

class tst_PadGeometry : public QObject
{
    Q_OBJECT

private slots:
    void designPage()
    {
        const PadGeometry g = ComputePadGeometry(QSize(480, 189));
        QCOMPARE(g.W, 38);
        QCOMPARE(g.H, 37);
        QCOMPARE(g.BW, 36);
        QCOMPARE(g.BH, 35);
        QCOMPARE(g.ButtonRect(0), QRect(77, 30, 36, 35));     // à: Y0 29 + 1
        QCOMPARE(g.ButtonRect(19), QRect(229, 141, 36, 35));  // ü: row 3, column 4
        QCOMPARE(g.ButtonRect(20).left(), 285 + 1);           // special column 1: trunc(7.5 W)
        QCOMPARE(g.ButtonRect(27).left(), 323 + 1);           // special column 2, row 3
        QCOMPARE(g.ButtonRect(28).left(), 380 + 1);           // special column 3: 10 W
        QCOMPARE(g.ButtonRect(35), QRect(418 + 1, 141, 36, 35));
        QCOMPARE(g.RowHighlight(0), QRect(66, 29, 399, 37));
        QCOMPARE(g.RowHighlight(2), QRect(66, 103, 258, 37));
        QCOMPARE(g.RowHighlight(3), QRect(323, 103, 142, 37));
        QCOMPARE(g.RowHighlight(4).top(), 140);
        QCOMPARE(g.TriggerBox(2).width(), 64);
    }

    void everyListIndexHasItsOwnCell()
    {
        const PadGeometry g = ComputePadGeometry(QSize(480, 189));
        for (int a = 0; a < 36; ++a) {
            for (int b = a + 1; b < 36; ++b)
                QVERIFY2(!g.ButtonRect(a).intersects(g.ButtonRect(b)),
                         qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
        }
    }
};

QTEST_APPLESS_MAIN(tst_PadGeometry)
#include "tst_PadGeometry.moc"
