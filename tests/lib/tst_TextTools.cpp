#include "lib/TextTools.h"

#include <QTest>

/// The input area's text files and its character and code reports.
class tst_TextTools : public QObject
{
    Q_OBJECT

private slots:
    void fileBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        // clang-format off
        QTest::addRow("two lines") << "a\nb" << QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0", 14);
        QTest::addRow("a break at the end adds no line") << "a\n" << QByteArray("\xFF\xFE" "a\0\r\0\n\0", 8);
        QTest::addRow("an empty line in between") << "a\n\nb" << QByteArray("\xFF\xFE" "a\0\r\0\n\0\r\0\n\0b\0\r\0\n\0", 18);
        QTest::addRow("outside the BMP") << QString::fromUcs4(U"\U0001F600") << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE\r\0\n\0", 10);
        // clang-format on
    }
    void fileBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextTools::TextFileBytes(text), bytes);
        QCOMPARE(TextTools::TextFromFileBytes(bytes), text.endsWith('\n') ? text : text + '\n');
    }

    void readingTakesAnyBreaksAndNoMark()
    {
        QCOMPARE(TextTools::TextFromFileBytes(QByteArray("a\0\r\0b\0\r\0\n\0c\0\n\0x", 15)),
                 QStringLiteral("a\nb\nc\n"));
    }

    void reports_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("codes");
        // clang-format off
        QTest::addRow("ab") << "ab" << "文字数は 2 文字です。" << "欧文　文字数： 2\nコード: /0061/0062";
        QTest::addRow("a break counts two") << "a\nb" << "文字数は 4 文字です。" << "欧文　文字数： 4\nコード: /0061/000D/000A/0062";
        QTest::addRow("a break at the end") << "a\n" << "文字数は 3 文字です。" << "欧文　文字数： 3\nコード: /0061/000D/000A";
        QTest::addRow("a surrogate pair") << QString::fromUcs4(U"\U0001F600") << "文字数は 2 文字です。" << "欧文　文字数： 2\nコード: /D83D/DE00";
        // clang-format on
    }
    void reports()
    {
        QFETCH(QString, text);
        QTEST(TextTools::CharacterCountText(text), "count");
        QTEST(TextTools::CodeValueText(QStringLiteral("欧文　文字数： "), text), "codes");
    }
};

QTEST_GUILESS_MAIN(tst_TextTools)
#include "tst_TextTools.moc"
