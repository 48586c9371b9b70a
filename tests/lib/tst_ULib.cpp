#include "lib/ULib.h"

#include <QTest>

class tst_ULib : public QObject
{
    Q_OBJECT

private slots:
    void SplitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::addRow("lone cr and lf") << "a\rb\nc" << QStringList{"a", "b", "c"};
        QTest::addRow("empty lines kept inside") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::addRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::addRow("empty") << "" << QStringList{};
    }
    void SplitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(ULib::SplitLines(text), lines);
    }

    void JoinLinesCrLf() { QCOMPARE(ULib::JoinLinesCrLf({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n")); }
};

QTEST_APPLESS_MAIN(tst_ULib)
#include "tst_ULib.moc"
