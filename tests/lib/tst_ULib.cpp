#include "lib/ULib.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_ULib : public QObject
{
    Q_OBJECT

private slots:
    void SplitCommaText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        // clang-format off
        QTest::addRow("key and value") << "MainLeft,100" << QStringList{"MainLeft", "100"};
        QTest::addRow("unquoted spaces split") << "MainFont,Times New Roman"
                                               << QStringList{"MainFont", "Times", "New", "Roman"};
        QTest::addRow("quoted spaces kept") << "MainFont,\"Times New Roman\""
                                            << QStringList{"MainFont", "Times New Roman"};
        QTest::addRow("trailing comma adds empty field") << "MainLeft," << QStringList{"MainLeft", ""};
        QTest::addRow("blank after comma skipped") << "MainLeft, 100" << QStringList{"MainLeft", "100"};
        QTest::addRow("leading blanks skipped") << " \t MainLeft,1" << QStringList{"MainLeft", "1"};
        QTest::addRow("doubled quote") << "A,\"say \"\"hi\"\"\"" << QStringList{"A", "say \"hi\""};
        QTest::addRow("unterminated quote runs to end") << "A,\"x, y" << QStringList{"A", "x, y"};
        QTest::addRow("empty middle field") << "a,,b" << QStringList{"a", "", "b"};
        QTest::addRow("comma then blank at end adds nothing") << "MainLeft, " << QStringList{"MainLeft"};
        QTest::addRow("control characters separate") << "a\x01" "b" << QStringList{"a", "b"};
        QTest::addRow("empty line") << "" << QStringList{};
        // The word books' lines are of the same grammar.
        QTest::addRow("quoted commas and blanks kept") << "\"a, b\",\" c \"" << QStringList{"a, b", " c "};
        QTest::addRow("empty quoted fields") << "\"\",\"\"" << QStringList{"", ""};
        QTest::addRow("text after a closing quote is a field") << "\"a\"b,c" << QStringList{"a", "b", "c"};
        QTest::addRow("doubled quote ends an unclosed field") << "\"ab\"\"" << QStringList{"ab\""};
        QTest::addRow("a NUL is a blank") << QString("a") + QChar(0) + "b" << QStringList{"a", "b"};
        // clang-format on
    }
    void SplitCommaText()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(ULib::SplitCommaText(line), fields);
    }

    void SplitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        // clang-format off
        QTest::addRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::addRow("lone cr and lf") << "a\rb\nc" << QStringList{"a", "b", "c"};
        QTest::addRow("empty lines kept inside") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::addRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::addRow("empty") << "" << QStringList{};
        // clang-format on
    }
    void SplitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(ULib::SplitLines(text), lines);
    }

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");  // bytes written; the disk takes 4096
        QTest::addRow("small, fails at the flush") << 5000;
        QTest::addRow("large, fails while writing") << 200000;
    }
    void fullDiskKeepsTheOldFile()
    {
        // A child process whose files may not grow past 4 KiB stands for a full disk.
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillo.rng");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("MainLeft,200\r\n");
        old.close();
        const pid_t child = fork();
        if (child == 0) {
            rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
            QString error;
            const bool saved = ULib::SaveBytesAtomically(path, QByteArray(size, 'x'), &error);
            _exit(!saved && !error.isEmpty() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the save must fail with a reason");
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("MainLeft,200\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Quillo.rng"});  // nothing left beside
    }

    void ReadTextFileCapped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");  // read with a limit of 12 bytes
        // clang-format off
        QTest::addRow("within the limit") << QByteArray("a,1\r\nb,2") << "a,1\r\nb,2";
        QTest::addRow("cut line dropped") << QByteArray("a,1\r\nMainLeft,1234\r\n") << "a,1\r\n";
        QTest::addRow("cut at a break") << QByteArray("a,1\r\nbb,22\r\nc") << "a,1\r\nbb,22\r\n";
        QTest::addRow("one long line") << QByteArray("MainLeft,123456789") << "";
        // clang-format on
    }
    void ReadTextFileCapped()
    {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QTEST(ULib::ReadTextFileCapped(buffer, 12), "text");
    }

    void JoinLinesCrLf() { QCOMPARE(ULib::JoinLinesCrLf({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n")); }
};

QTEST_APPLESS_MAIN(tst_ULib)
#include "tst_ULib.moc"
