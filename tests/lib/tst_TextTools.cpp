#include "lib/TextTools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace TextTools;

Q_DECLARE_METATYPE(TextTools::TextEncoding)
Q_DECLARE_METATYPE(TextTools::LineBreak)

/// The input area's text files and its character and code reports.
class tst_TextTools : public QObject
{
    Q_OBJECT

private slots:
    void ownFormatBytes_data()
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
    void ownFormatBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeTextFile(text, TextFileFormat{}), bytes);
        const DecodedText decoded = DecodeTextFile(bytes);
        QCOMPARE(decoded.text, text.endsWith('\n') ? text : text + '\n');
        QVERIFY(decoded.format == TextFileFormat{});
        QVERIFY(decoded.clean);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<LineBreak>("lineBreak");
        QTest::addColumn<bool>("lastBreak");
        QTest::addColumn<bool>("clean");
        using E = TextEncoding;
        using B = LineBreak;
        const QString e = QStringLiteral("é");
        // clang-format off
        QTest::addRow("UTF-16 BE by its mark") << QByteArray("\xFE\xFF\0a\0\n", 6) << "a\n" << E::Utf16BE << true << B::Lf << true << true;
        QTest::addRow("UTF-8 with LF") << QByteArray("h\xC3\xA9llo\n") << "h" + e + "llo\n" << E::Utf8 << false << B::Lf << true << true;
        QTest::addRow("UTF-8 of even length") << QByteArray("h\xC3\xA9llo") << "h" + e + "llo" << E::Utf8 << false << B::Lf << false << true;
        QTest::addRow("UTF-8 with its mark and CR LF") << QByteArray("\xEF\xBB\xBF" "a\r\nb") << "a\nb" << E::Utf8 << true << B::CrLf << false << true;
        QTest::addRow("a second mark is text") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << QString(QChar(0xFEFF)) + 'a' << E::Utf8 << true << B::Lf << false << true;
        QTest::addRow("UTF-8 with its mark, then garbage") << QByteArray("\xEF\xBB\xBF" "a\xFF\n") << "a\uFFFD\n" << E::Utf8 << true << B::Lf << true << false;
        QTest::addRow("an empty file") << QByteArray() << "" << E::Utf8 << false << B::Lf << true << true;
        QTest::addRow("the first break sets the style") << QByteArray("a\nb\r\nc\rd") << "a\nb\nc\nd" << E::Utf8 << false << B::Lf << false << true;
        QTest::addRow("UTF-16 LE without a mark, odd length") << QByteArray("a\0\r\0b\0\r\0\n\0c\0\n\0x", 15) << "a\nb\nc\n" << E::Utf16LE << false << B::Cr << true << false;
        QTest::addRow("UTF-16 BE without a mark") << QByteArray("\0a\0\r\0\n", 6) << "a\n" << E::Utf16BE << false << B::CrLf << true << true;
        QTest::addRow("lone CR breaks") << QByteArray("\xFF\xFE" "a\0\r\0b\0\r\0c\0", 12) << "a\nb\nc" << E::Utf16LE << true << B::Cr << false << true;
        QTest::addRow("a lone last byte is not clean") << QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n", 13) << "a\nb\n" << E::Utf16LE << true << B::CrLf << true << false;
        QTest::addRow("lone surrogates keep their units") << QByteArray("\xFF\xFE\x00\xD8x\0\x00\xDC", 8) << QString(QChar(0xD800)) + 'x' + QChar(0xDC00) << E::Utf16LE << true << B::CrLf << false << true;
#ifndef Q_OS_WIN
        // Qt's system encoding is UTF-8 outside Windows: the Latin-1 byte does not decode.
        QTest::addRow("not UTF-8: the system's encoding") << QByteArray("caf\xE9\n") << "caf\uFFFD\n" << E::System << false << B::Lf << true << false;
#endif
        // clang-format on
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        const DecodedText decoded = DecodeTextFile(bytes);
        QTEST(decoded.text, "text");
        QTEST(decoded.format.encoding, "encoding");
        QTEST(decoded.format.byteOrderMark, "mark");
        QTEST(decoded.format.lineBreak, "lineBreak");
        QTEST(decoded.format.breakAfterLastLine, "lastBreak");
        QTEST(decoded.clean, "clean");
    }

    /// A file that decodes cleanly is written back as the same bytes.
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // clang-format off
        QTest::addRow("own format") << QByteArray("\xFF\xFE" "a\0\r\0\n\0\r\0\n\0\xE9\0\r\0\n\0", 18);
        QTest::addRow("UTF-16 LE, no break at the end") << QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0", 10);
        QTest::addRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0\r\0\n\x30\x42\0\r\0\n", 14);
        QTest::addRow("UTF-16 LE without a mark") << QByteArray("a\0b\0c\0\r\0\n\0", 10);
        QTest::addRow("UTF-16 with lone CR") << QByteArray("\xFF\xFE" "a\0\r\0b\0\r\0c\0", 12);
        QTest::addRow("UTF-16 lone surrogates") << QByteArray("\xFF\xFE\x00\xD8x\0\x00\xDC\r\0\n\0", 12);
        QTest::addRow("UTF-8 with LF") << QByteArray("h\xC3\xA9llo\n");
        QTest::addRow("UTF-8 of even length") << QByteArray("h\xC3\xA9llo");
        QTest::addRow("UTF-8 with its mark and CR LF") << QByteArray("\xEF\xBB\xBF" "a\r\n\r\nb\xC2\xA0" "c\r\n");
        QTest::addRow("UTF-8, two marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a\n");
        QTest::addRow("UTF-8 with lone CR") << QByteArray("a\rb\r");
        QTest::addRow("UTF-8 outside the BMP") << QByteArray("\xF0\x9F\x98\x80\n");
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        const DecodedText decoded = DecodeTextFile(bytes);
        QVERIFY(decoded.clean);
        QCOMPARE(EncodeTextFile(decoded.text, decoded.format), bytes);
    }

    void encodingRefusesWhatItCannotHold()
    {
        const QString loneSurrogate = QString(QChar(0xD800)) + u'x';
        const TextFileFormat utf8{TextEncoding::Utf8, false, LineBreak::Lf, true};
        QVERIFY(!EncodeTextFile(loneSurrogate, utf8));
        QVERIFY(!EncodeTextFile(loneSurrogate, TextFileFormat{TextEncoding::System, false, LineBreak::Lf, true}));
        QCOMPARE(EncodeTextFile(loneSurrogate, TextFileFormat{}), QByteArray("\xFF\xFE\x00\xD8x\0\r\0\n\0", 10));
        QCOMPARE(EncodeTextFile(QStringLiteral("\u00E9"), utf8), QByteArray("\xC3\xA9\n"));
    }

    void saveChoices()
    {
        const QList<TextFileFormat> own = SaveFormatChoices(TextFileFormat{});
        QCOMPARE(own.size(), 3);
        QVERIFY(own.first() == TextFileFormat{});
        QCOMPARE(FormatDescription(own.at(1)), QStringLiteral("UTF-8、BOM なし、改行 LF"));

        // A file's own format is offered when it is none of the usual ones, and every choice
        // keeps its missing break at the end.
        const TextFileFormat beNoLastBreak{TextEncoding::Utf16BE, true, LineBreak::Cr, false};
        const QList<TextFileFormat> choices = SaveFormatChoices(beNoLastBreak);
        QCOMPARE(choices.size(), 4);
        QVERIFY(choices.last() == beNoLastBreak);
        for (const TextFileFormat &choice : choices)
            QVERIFY(!choice.breakAfterLastLine);
        QCOMPARE(FormatDescription(beNoLastBreak), QStringLiteral("UTF-16 BE、BOM 付き、改行 CR"));
    }

    void readFailures_data()
    {
        QTest::addColumn<QString>("name");  // in a temporary folder holding the file "plain.txt"
        QTest::addColumn<FileError::Code>("code");
        QTest::addColumn<FileError::Reason>("reason");
        // clang-format off
        QTest::addRow("missing") << "none.txt" << FileError::Code::Missing << FileError::Reason::NotFound;
        QTest::addRow("a folder") << "." << FileError::Code::Unreadable << FileError::Reason::NotRegularFile;
        QTest::addRow("under a file") << "plain.txt/a.txt" << FileError::Code::Missing << FileError::Reason::NotFound;
        // clang-format on
    }
    void readFailures()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("x") == 1);
        plain.close();
        const TextFileRead read = ReadTextFile(dir.filePath(name));
        QVERIFY(read.error);
        QTEST(read.error->code, "code");
        QTEST(read.error->reason, "reason");
        QCOMPARE(read.error->path, dir.filePath(name));
    }

    void readingIsBounded()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto reasonOf = [](const QString &path) {
            const TextFileRead read = ReadTextFile(path);
            return read.error ? read.error->reason : FileError::Reason::Other;
        };
        QCOMPARE(reasonOf(dir.path()), FileError::Reason::NotRegularFile);
        const TextFileRead missing = ReadTextFile(dir.filePath("none.txt"));
        QCOMPARE(missing.error->code, FileError::Code::Missing);
        QVERIFY(!missing.error->systemText.isEmpty());

        // A file of exactly the limit is read; one byte more is refused unread.
        QFile big(dir.filePath("big.txt"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxTextFileBytes));
        big.close();
        const TextFileRead atLimit = ReadTextFile(big.fileName());
        QVERIFY(!atLimit.error);
        QCOMPARE(atLimit.decoded.text.size(), kMaxTextFileBytes);
        QVERIFY(big.resize(kMaxTextFileBytes + 1));
        const TextFileRead tooLarge = ReadTextFile(big.fileName());
        QCOMPARE(tooLarge.error->code, FileError::Code::TooLarge);
        QCOMPARE(tooLarge.error->limit, kMaxTextFileBytes);

#ifdef Q_OS_UNIX
        // A named pipe without a writer and an endless device return at once.
        const QString fifo = dir.filePath("pipe.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(reasonOf(fifo), FileError::Reason::NotRegularFile);
        QCOMPARE(reasonOf(QStringLiteral("/dev/zero")), FileError::Reason::NotRegularFile);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero.txt")));
        QCOMPARE(reasonOf(dir.filePath("zero.txt")), FileError::Reason::NotRegularFile);
#endif
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
        QTEST(CharacterCountText(text), "count");
        QTEST(CodeValueText(QStringLiteral("欧文　文字数： "), text), "codes");
    }
};

QTEST_GUILESS_MAIN(tst_TextTools)
#include "tst_TextTools.moc"
