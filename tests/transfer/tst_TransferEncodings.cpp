#include "lib/ULib.h"
#include "transfer/TransferHtml.h"
#include "transfer/TransferPlan.h"
#include "transfer/TransferRtf.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_TransferEncodings : public QObject
{
    Q_OBJECT

private slots:
    void references_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("decimal");
        // clang-format off
        QTest::addRow("printable ascii stays") << "a<b & c;" << "a<b & c;" << "a<b & c;";
        QTest::addRow("accented") << "é" << "&#x00E9;" << "&#233;";
        QTest::addRow("crlf") << "\r\n" << "&#x000D;&#x000A;" << "&#13;&#10;";
        QTest::addRow("tab and del") << "\t \x7f" << "&#x0009; &#x007F;" << "&#9; &#127;";
        QTest::addRow("outside the bmp, one per surrogate") << QString::fromUcs4(U"\U0001F600")
                                                            << "&#xD83D;&#xDE00;" << "&#55357;&#56832;";
        QTest::addRow("lone surrogate, U+FFFF, nul") << QString(QChar(0xDC00)) + QChar(0xFFFF) + QChar(0)
                                                     << "&#xDC00;&#xFFFF;&#x0000;" << "&#56320;&#65535;&#0;";
        // clang-format on
    }
    void references()
    {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QFETCH(QString, decimal);
        QCOMPARE(ULib::EncodeHexNcr(text), hex);
        QCOMPARE(ULib::EncodeDecNcr(text), decimal);
    }

    void rtfDocument()
    {
        QCOMPARE(BuildTransferRtf(0, 20, u"é", u"Times New Roman"),
                 QStringLiteral(
                     "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil"
                     "\\fcharset0 Times New Roman;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs40\\u233?\\f1\\par}"));
        QCOMPARE(EscapeRtfUnicode(QString(QChar(40000)) + "A\r"), QStringLiteral("\\u40000?\\u65?\\u13?"));
        QCOMPARE(EscapeRtfUnicode(QString(QChar(0xFFFF))), QStringLiteral("\\u65535?"));
        // A font name cannot break out of the font table.
        QVERIFY(BuildTransferRtf(0, 12, u"x", u"Evil}}\\par{").contains(QStringLiteral("Evil\\}\\}\\\\par\\{;}}")));
        // A Japanese font name as escapes, which a reader decodes whatever the code page says.
        QVERIFY(BuildTransferRtf(0, 12, u"x", u"ＭＳ Ｐ明朝")
                    .contains(QStringLiteral("\\fcharset0 \\u65325?\\u65331? \\u65328?\\u26126?\\u26397?;}}")));
    }

    void charsetCodes()
    {
        for (int code : {1, 129, 134, 161, 162, 163, 204, 222})
            QCOMPARE(RtfCharsetCode(code), code);
        for (int code : {0, 2, 128, 130, 255, -1})
            QCOMPARE(RtfCharsetCode(code), 0);
    }

    void workFile()
    {
        QTemporaryDir dir;
        QVERIFY(!WriteWorkRtf(0, 16, dir.filePath("Work.rtf"), u"ɡoʊ", u"Segoe UI"));
        QFile file(dir.filePath("Work.rtf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\\f1\\par}\r\n"));
        QVERIFY(bytes.contains("\\fs32\\u609?\\u111?\\u650?"));
        const std::optional<FileError> error = WriteWorkRtf(0, 16, dir.filePath("missing/Work.rtf"), u"x", u"Arial");
        QVERIFY(error);
        QVERIFY(!error->systemText.isEmpty());
        QCOMPARE(error->code, FileError::Code::CannotWrite);
        QCOMPARE(error->reason, FileError::Reason::NotFound);
    }

    void html()
    {
        QCOMPARE(BuildTransferHtml(u"a<b\nc", u"Times New Roman", 20),
                 QStringLiteral("<meta charset=\"utf-8\"><span style=\"font-family:&quot;Times New Roman&quot;; "
                                "font-size:20pt\">a&lt;b<br>c</span>"));
    }

    void plan_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("memoSelection");
        QTest::addColumn<QString>("editText");
        QTest::addColumn<QString>("plain");  // empty: nothing is transferred
        QTest::addColumn<bool>("selectWhole");
        // clang-format off
        QTest::addRow("rich whole field") << 0 << "" << "" << "ab\nc" << true;
        QTest::addRow("selection wins") << 3 << "b" << "" << "b" << false;
        QTest::addRow("hex with CR LF") << 1 << "" << "" << "ab&#x000D;&#x000A;c" << true;
        QTest::addRow("phonetic decimal") << 12 << "b" << "ɪ" << "&#618;" << true;
        QTest::addRow("phonetic with empty second field") << 13 << "" << "" << "" << false;
        QTest::addRow("invalid mode is the default") << 5 << "" << "" << "ab\nc" << true;
        QTest::addRow("invalid phonetic mode is the default") << 17 << "" << "x" << "ab\nc" << true;
        // clang-format on
    }
    void plan()
    {
        QFETCH(int, mode);
        QFETCH(QString, memoSelection);
        QFETCH(QString, editText);
        QFETCH(QString, plain);
        QFETCH(bool, selectWhole);
        Settings settings;
        settings.TransMode = mode;
        settings.TransClearFlg = true;
        const TransferPlan plan =
            PlanTransfer(settings, RichBuffers::FromSettings(settings), {"ab\nc", memoSelection}, {editText, ""});
        QCOMPARE(plan.PlainText(), plain);
        QCOMPARE(plan.encoding == TransferEncoding::Nothing, plain.isEmpty());
        QCOMPARE(plan.selectWholeField, selectWhole);
        QCOMPARE(plan.clearFields, !plain.isEmpty());  // nothing transferred: nothing cleared
        QCOMPARE(plan.sendToTarget, !plain.isEmpty());
    }

    void richTextFontAndSizePerMethod()
    {
        Settings settings;
        settings.TransFSFlg = true;
        settings.TransMainFSize = 30;
        settings.TransIPAFSize = 24;
        settings.MainFontSize = 18;
        settings.IPAFontSize = 14;
        settings.IPAFont = QStringLiteral("Doulos SIL");
        const RichBuffers buffers = RichBuffers::FromSettings(settings);
        TransferPlan direct = PlanTransfer(settings, buffers, {"x", ""}, {"", ""});
        QCOMPARE(direct.pointSize, 30);  // the first method carries the transfer size
        QCOMPARE(direct.fontName, QStringLiteral("Times New Roman"));
        settings.Method2Flg = true;
        TransferPlan viaFile = PlanTransfer(settings, buffers, {"x", ""}, {"", ""});
        QVERIFY(viaFile.viaWorkFile);
        QCOMPARE(viaFile.pointSize, 18);  // the second method carries the display size
        settings.TransMode = 10;
        viaFile = PlanTransfer(settings, buffers, {"", ""}, {"ə", ""});
        QCOMPARE(viaFile.fontName, QStringLiteral("Doulos SIL"));
        QCOMPARE(viaFile.pointSize, 14);
        QVERIFY(viaFile.RtfDocument().contains(QStringLiteral("Doulos SIL;}}")));
        QVERIFY(viaFile.RtfDocument().contains(QStringLiteral("\\fs28\\u601?")));
    }

    void modes_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("phonetic");
        QTest::addColumn<QString>("display");
        // clang-format off
        QTest::addRow("0") << 0 << 0 << false << "リッチテキスト";
        QTest::addRow("1") << 1 << 1 << false << "16進数値";
        QTest::addRow("2") << 2 << 2 << false << "10進数値";
        QTest::addRow("13") << 13 << 13 << true << "ユニコード";
        QTest::addRow("10") << 10 << 10 << true << "リッチテキスト";
        // Anything else is the default: what the display shows is what the transfer does.
        QTest::addRow("5") << 5 << 0 << false << "リッチテキスト";
        QTest::addRow("17") << 17 << 0 << false << "リッチテキスト";
        QTest::addRow("21") << 21 << 0 << false << "リッチテキスト";
        QTest::addRow("101") << 101 << 0 << false << "リッチテキスト";
        QTest::addRow("-1") << -1 << 0 << false << "リッチテキスト";
        // clang-format on
    }
    void modes()
    {
        QFETCH(int, stored);
        const TransferMode mode(stored);
        QTEST(mode.Value(), "value");
        QTEST(mode.Phonetic(), "phonetic");
        QTEST(mode.DisplayText(), "display");
    }
};

QTEST_APPLESS_MAIN(tst_TransferEncodings)
#include "tst_TransferEncodings.moc"
