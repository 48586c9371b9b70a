#include "app/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(WindowGeometry)

namespace {

Settings Read(const QStringList &lines)
{
    Settings settings;
    ApplyParameterLines(lines, settings);
    return settings;
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class tst_ParameterFile : public QObject
{
    Q_OBJECT

private slots:
    void LookupKey()
    {
        const QStringList lines{"InpMode,3", "InpMode,5", "mainleft,7", "MainLeft,1,2", "MainTop,"};
        QCOMPARE(::LookupKey(lines, u"InpMode"), QStringLiteral("3"));  // first occurrence counts
        QCOMPARE(::LookupKey(lines, u"MainLeft"), QString());           // case-sensitive, 3 fields
        QCOMPARE(::LookupKey(lines, u"MainTop"), QString());
        QCOMPARE(::LookupKey(lines, u"Missing"), QString());
    }

    void ApplyParameterLines()
    {
        const Settings defaults;
        QCOMPARE(Read({"MainFont,Arial Black"}).MainFont, QStringLiteral("Times New Roman"));
        QCOMPARE(Read({"MainFont,\"Arial Black\""}).MainFont, QStringLiteral("Arial Black"));
        QCOMPARE(Read({"PFlg,yes"}).PFlg, false);
        QCOMPARE(Read({"PFlg,1"}).PFlg, true);
        QCOMPARE(Read({"AutoPasteFlg,"}).AutoPasteFlg, true);  // empty value keeps the default
        QCOMPARE(Read({"AutoPasteFlg,0"}).AutoPasteFlg, false);
        QCOMPARE(Read({"IPAadd,x"}).IPAadd, 1);
        QCOMPARE(Read({"JPNadd,x"}).JPNadd, 0);
        QCOMPARE(Read({"MainWidth,x"}).MainWidth, -1);  // the fallback differs from the default
        QCOMPARE(Read({"MainWidth,99999999999"}).MainWidth, -1);
        QCOMPARE(Read({"MainLeft,-25"}).MainLeft, -25);
        QCOMPARE(Read({"InpMode,3", "InpMode,5"}).InpMode, 3);
        QCOMPARE(Read({"InpMode,9"}).InpMode, 9);  // not limited here
        QCOMPARE(Read({"MainFontSize,500"}).MainFontSize, 500);
        QCOMPARE(Read({"FreeUBox,\"25CB\""}).FreeUBox, defaults.FreeUBox);
        QCOMPARE(Read({"junk", "", "\x01\x02,\xff", "Unknown,1"}), defaults);

        const Settings hearts = Read({"FreeUBox,\"2665266526652665266526652665266a\""});
        QCOMPARE(hearts.FreeUBox[0], QChar(0x2665));
        QCOMPARE(hearts.FreeUBox[7], QChar(0x266A));  // lower-case digits read as hexadecimal
        // 32 characters with a group that is not hexadecimal: ignored whole, start goes on.
        QCOMPARE(Read({"FreeUBox,\"25CB25A125C7260625CF25A025C6ZZZZ\""}).FreeUBox, defaults.FreeUBox);
        QCOMPARE(Read({"FreeUBox,\"25CB25A125C7260625CF25A025C6+123\""}).FreeUBox, defaults.FreeUBox);
    }

    void writesAllKeysInOrder()
    {
        const QStringList lines = BuildParameterLines(Settings{});
        QCOMPARE(lines.size(), 43);
        QCOMPARE(lines.first(), QStringLiteral("MainLeft,-1"));
        QCOMPARE(lines[23], QStringLiteral("FirstPage,0"));
        QCOMPARE(lines[24], QStringLiteral("PFlg,0"));
        QCOMPARE(lines[27], QStringLiteral("AutoPasteFlg,1"));
        QCOMPARE(lines[38], QStringLiteral("NoSampleFlg,0"));
        QCOMPARE(lines[39], QStringLiteral("MainFont,\"Times New Roman\""));
        QCOMPARE(lines[41], QStringLiteral("MyJpFont,\"MS UI Gothic\""));
        QCOMPARE(lines[42], QStringLiteral("FreeUBox,\"25CB25A125C7260625CF25A025C62605\""));
    }

    void fileRoundTrip()
    {
        QTemporaryDir dir;
        Settings written;
        written.MainLeft = 12;
        written.InpMode = 4;
        written.KanaFlg = true;
        written.MemPosFlg = false;
        written.MainFont = QStringLiteral("Noto Serif CJK JP");
        written.IPAFont = QStringLiteral("ＭＳ ゴシック");
        written.MyJpFont = QStringLiteral("Font \"Q\", 2");  // a quote and a comma in a name
        written.FreeUBox[3] = QChar(0x2665);
        QVERIFY(!WriteParameterFile(dir.path(), written));

        const QByteArray bytes = FileBytes(dir.filePath(ParameterFileName));
        QVERIFY(bytes.startsWith("MainLeft,12\r\n"));
        QVERIFY(bytes.endsWith("\"\r\n"));
        QCOMPARE(bytes.count("\r\n"), 43);
        QCOMPARE(bytes.count('\n'), 43);

        Settings read;
        QVERIFY(!ReadParameterFile(dir.path(), read));
        QCOMPARE(read, written);
    }

    void readHonoursByteOrderMarks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("MainFont,\"Ünïcödé\"\r\nInpMode,2\r\n");
        QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        // clang-format off
        QTest::addRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::addRow("utf-16 le") << le;
        QTest::addRow("utf-16 be") << be;
        QTest::addRow("no mark: system encoding") << text.toUtf8();
        // clang-format on
    }
    void readHonoursByteOrderMarks()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        WriteBytes(dir.filePath(ParameterFileName), bytes);
        Settings read;
        ReadParameterFile(dir.path(), read);
        QCOMPARE(read.MainFont, QStringLiteral("Ünïcödé"));
        QCOMPARE(read.InpMode, 2);
    }

    void badFilesKeepDefaults()
    {
        QTemporaryDir dir;
        Settings settings;
        QVERIFY(!ReadParameterFile(dir.path(), settings));  // missing file: no error
        QCOMPARE(settings, Settings{});

        QByteArray binary;
        for (int i = 0; i < 70000; ++i)
            binary.append(char((i * 7919) & 0xFF));
        binary.append("\r\nInpMode,2");  // truncated: no line end after the last line
        WriteBytes(dir.filePath(ParameterFileName), binary);
        ReadParameterFile(dir.path(), settings);
        QCOMPARE(settings.InpMode, 2);
    }

    void writeFailureIsReported()
    {
        const std::optional<FileError> error =
            WriteParameterFile(QStringLiteral("/nonexistent-folder/for/sure"), Settings{});
        QVERIFY(error);
        QVERIFY(!error->systemText.isEmpty());
    }

    /// What the reader and the writer say when the system folder is no folder or the file no file.
    void fileErrors_data()
    {
        QTest::addColumn<QString>("sysFolder");  // in a folder holding "plain" (a file) and "dir"
        QTest::addColumn<bool>("writing");
        QTest::addColumn<FileError::Code>("code");
        QTest::addColumn<FileError::Reason>("reason");
        // clang-format off
        QTest::addRow("write into a missing folder") << "missing" << true << FileError::Code::CannotWrite << FileError::Reason::NotFound;
        QTest::addRow("write under a file") << "plain" << true << FileError::Code::CannotWrite << FileError::Reason::NotFound;
        QTest::addRow("write over a folder") << "dir" << true << FileError::Code::CannotWrite << FileError::Reason::NotRegularFile;
        QTest::addRow("read a folder") << "dir" << false << FileError::Code::Unreadable << FileError::Reason::NotRegularFile;
        // clang-format on
    }
    void fileErrors()
    {
        QFETCH(QString, sysFolder);
        QFETCH(bool, writing);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("plain"), "x");
        QVERIFY(QDir().mkpath(dir.filePath("dir/") + ParameterFileName));  // a folder where the file should be
        Settings settings;
        const std::optional<FileError> error = writing ? WriteParameterFile(dir.filePath(sysFolder), settings)
                                                       : ReadParameterFile(dir.filePath(sysFolder), settings);
        QVERIFY(error);
        QTEST(error->code, "code");
        QTEST(error->reason, "reason");
        QCOMPARE(error->path, dir.filePath(sysFolder) + u'/' + ParameterFileName);
        QCOMPARE(settings, Settings{});
    }

    void GeometryToSave_data()
    {
        QTest::addColumn<WindowGeometry>("window");
        QTest::addColumn<WindowGeometry>("saved");
        // clang-format off
        QTest::addRow("inside") << WindowGeometry{10, 20, 800, 700} << WindowGeometry{10, 20, 800, 700};
        QTest::addRow("left at 0") << WindowGeometry{0, 20, 800, 700} << WindowGeometry{590, 170, 740, 740};
        QTest::addRow("past right edge") << WindowGeometry{1200, 20, 800, 700} << WindowGeometry{590, 170, 740, 740};
        QTest::addRow("touching bottom") << WindowGeometry{10, 380, 800, 700} << WindowGeometry{590, 170, 740, 740};
        // clang-format on
    }
    void GeometryToSave()
    {
        QFETCH(WindowGeometry, window);
        QFETCH(WindowGeometry, saved);
        QCOMPARE(::GeometryToSave(window, QSize(1920, 1080)), saved);
        // Division truncates toward zero on a screen smaller than the window.
        QCOMPARE(::GeometryToSave({-5, 0, 100, 100}, QSize(701, 500)), (WindowGeometry{-19, -120, 740, 740}));
    }

    void sizesOutsideTheirSelectorsAreKeptInRange()
    {
        Settings settings;
        SetDefaults(settings);
        settings.MainFontSize = 1500000000;
        settings.IPAFontSize = 41;
        settings.TransMainFSize = 8;
        settings.TransIPAFSize = -3;
        settings.LV1LNHeight = 999;
        settings.OBNadd = -5;
        settings.IPAadd = 9;
        settings.JPNadd = 8;
        KeepSettingsInRange(settings);
        QCOMPARE(settings.MainFontSize, 20);
        QCOMPARE(settings.IPAFontSize, 16);
        QCOMPARE(settings.TransMainFSize, 8);  // a typed 8 is accepted
        QCOMPARE(settings.TransIPAFSize, 16);
        // The word list's sizes stay where the settings dialog's track bars end.
        QCOMPARE(settings.LV1LNHeight, 40);
        QCOMPARE(settings.OBNadd, 0);
        QCOMPARE(settings.IPAadd, 8);
        QCOMPARE(settings.JPNadd, 8);
    }

    /// The settings a parameter file of these bytes gives.
    static Settings SettingsOfFile(const QByteArray &parameters)
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(ParameterFileName));
        if (file.open(QIODevice::WriteOnly))
            file.write(parameters);
        file.close();
        Settings settings;
        SetDefaults(settings);
        ReadParameterFile(dir.path(), settings);
        return settings;
    }

    void GeometryToRestore_data()
    {
        QTest::addColumn<QByteArray>("parameters");
        QTest::addColumn<WindowGeometry>("restored");  // on a 1920 × 1080 screen, 1920 × 1040 available
        // clang-format off
        QTest::addRow("saved place") << QByteArray("MainLeft,200\r\nMainTop,150\r\nMainWidth,800\r\nMainHeight,760\r\n")
                                     << WindowGeometry{200, 150, 800, 760};
        QTest::addRow("place not remembered") << QByteArray("MainLeft,200\r\nMainTop,150\r\nMemPosFlg,0\r\n")
                                              << WindowGeometry{590, 175, 740, 730};
        QTest::addRow("no place saved") << QByteArray("MainWidth,1000\r\nMainHeight,800\r\n")
                                        << WindowGeometry{460, 140, 1000, 800};
        QTest::addRow("beyond the screen") << QByteArray("MainLeft,0\r\nMainTop,0\r\nMainWidth,100000\r\nMainHeight,100000\r\n")
                                           << WindowGeometry{0, 0, 1904, 992};  // the frame fits too
        QTest::addRow("not a number") << QByteArray("MainLeft,20\r\nMainTop,20\r\nMainWidth,wide\r\n")
                                      << WindowGeometry{590, 175, 740, 730};
        QTest::addRow("below the minimum") << QByteArray("MainLeft,20\r\nMainTop,20\r\nMainWidth,300\r\nMainHeight,200\r\n")
                                           << WindowGeometry{590, 175, 740, 730};
        // clang-format on
    }
    void GeometryToRestore()
    {
        QFETCH(QByteArray, parameters);
        QFETCH(WindowGeometry, restored);
        const Settings settings = SettingsOfFile(parameters);
        QCOMPARE(::GeometryToRestore(settings, QSize(1920, 1080), QSize(1920, 1040)), restored);
    }

    /// On a small screen, or at a large scale factor, the window (with its frame) fits the
    /// screen; a place saved on a larger screen is moved onto this one.
    void geometryOnSmallScreens_data()
    {
        QTest::addColumn<QByteArray>("parameters");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<WindowGeometry>("restored");
        QTest::addColumn<QSize>("minimum");
        // clang-format off
        QTest::addRow("1280 x 720") << QByteArray() << QSize(1280, 720) << QSize(1280, 690)
                                    << WindowGeometry{270, 39, 740, 642} << QSize(740, 642);
        QTest::addRow("scale 2 on 1280 x 1024") << QByteArray() << QSize(640, 512) << QSize(640, 512)
                                              << WindowGeometry{8, 24, 624, 464} << QSize(624, 464);
        QTest::addRow("saved beyond this screen") << QByteArray("MainLeft,3000\r\nMainTop,2000\r\nMainWidth,800\r\nMainHeight,760\r\n")
                                                  << QSize(1920, 1080) << QSize(1920, 1040)
                                                  << WindowGeometry{1120, 280, 800, 760} << QSize(740, 730);
        QTest::addRow("large screen keeps 740 x 730") << QByteArray() << QSize(1920, 1080) << QSize(1920, 1040)
                                                      << WindowGeometry{590, 175, 740, 730} << QSize(740, 730);
        // clang-format on
    }
    void geometryOnSmallScreens()
    {
        QFETCH(QByteArray, parameters);
        QFETCH(QSize, screen);
        QFETCH(QSize, available);
        QFETCH(WindowGeometry, restored);
        QFETCH(QSize, minimum);
        const Settings settings = SettingsOfFile(parameters);
        QCOMPARE(MinimumWindowSize(available), minimum);
        QCOMPARE(::GeometryToRestore(settings, screen, available), restored);
    }
};

QTEST_APPLESS_MAIN(tst_ParameterFile)
#include "tst_ParameterFile.moc"
