// The families fonts are drawn in: a font built from InstalledFamily looks exactly as one
// built from the name itself, and an installed family is kept as it is.
#include "dialogs/InstalledFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class tst_InstalledFonts : public QObject
{
    Q_OBJECT

private slots:
    void aMissingFamilyIsNamedAsTheFamilyItIsDrawnIn_data()
    {
        QTest::addColumn<QString>("family");
        // The program's own defaults come from another system; the toolkit's generic name,
        // and a name no system has.
        for (const char *name : {"Tahoma", "Times New Roman", "Arial", "Segoe UI", "MS UI Gothic", "Sans Serif",
                                 "Quillmaren No Such Family"})
            QTest::newRow(name) << QString::fromLatin1(name);
        QTest::newRow("ＭＳ Ｐゴシック") << QStringLiteral("ＭＳ Ｐゴシック");
    }
    void aMissingFamilyIsNamedAsTheFamilyItIsDrawnIn()
    {
        QFETCH(QString, family);
        const QString installed = InstalledFamily(family);
        QCOMPARE(QFontInfo(QFont(installed)).family(), QFontInfo(QFont(family)).family());
        QCOMPARE(InstalledFont(family).family(), installed);
        if (!QFontDatabase::families().contains(family))
            QVERIFY2(installed != family, qPrintable(installed));
    }

    void anInstalledFamilyStays()
    {
        const QStringList families = QFontDatabase::families();
        for (const QString &family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")}) {
            if (families.contains(family))
                QCOMPARE(InstalledFamily(family), family);
        }
    }
};

QTEST_MAIN(tst_InstalledFonts)
#include "tst_InstalledFonts.moc"
