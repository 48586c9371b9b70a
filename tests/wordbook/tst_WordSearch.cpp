#include "dialogs/FileErrorText.h"
#include "support/BookFiles.h"
#include "wordbook/TextScan.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordSearch.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

/// A word line as the program writes it.
QString Line(const QString &foreign, const QString &japanese, const QString &notes = {})
{
    return QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"%3\",\"\"").arg(foreign, japanese, notes);
}

/// A row as the result list shows it: title, number with "*" for an exact hit, the line.
QStringList Rows(WordSearch &search)
{
    QStringList rows;
    for (const WordSearchHit &hit : search.TakeHits())
        rows << search.Books()[hit.book].title + u' ' + (hit.exact ? QStringLiteral("*") : QString()) +
                    QString::number(hit.number);
    return rows;
}

}  // namespace

class tst_WordSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        WriteBook(dir_.filePath(QStringLiteral("verbs.utx")),
                  {"動詞", "G1", "単語理解", Line("going", "行くところ"), Line("go", "行く"), "\"short\",\"line\"",
                   Line("say #$22hi#$22", "挨拶"), Line("went", "行った")});
        WriteBook(dir_.filePath(QStringLiteral("travel.utx")),
                  {"旅行", "G2", "単語理解", Line("go", "行く", "旅先へ"), Line("ticket", "切符")});
        // A second book of the title 旅行, and one that is no book.
        WriteBook(dir_.filePath(QStringLiteral("travel2.utx")), {"旅行", "G3", "単語理解", Line("bus", "バス")});
        WriteBook(dir_.filePath(QStringLiteral("short.utx")), {"短い", "G4"});
    }

    void searchesTheStoredField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");  // sorted: the folder's order is the file system's
        // clang-format off
        QTest::addRow("exact and partial") << 0 << "go" << QStringList{"動詞 *2", "動詞 1", "旅行 *1"};
        QTest::addRow("case matters") << 0 << "Go" << QStringList{};
        QTest::addRow("a quote is stored escaped") << 0 << "\"" << QStringList{};
        QTest::addRow("the escape finds it") << 0 << "#$22" << QStringList{"動詞 4"};
        QTest::addRow("Japanese in two books") << 3 << "行く" << QStringList{"動詞 *2", "動詞 1", "旅行 *1"};
        QTest::addRow("notes field") << 4 << "旅" << QStringList{"旅行 1"};
        QTest::addRow("only the chosen field") << 3 << "go" << QStringList{};
        QTest::addRow("a field out of range is the foreign one") << 9 << "bus" << QStringList{"旅行 *1"};
        QTest::addRow("an empty text finds nothing") << 3 << "" << QStringList{};
        // clang-format on
    }
    void searchesTheStoredField()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        WordSearch search(field, text);
        search.SearchFolder(dir_.path());
        QStringList rows = Rows(search);
        rows.sort();
        QTEST(rows, "rows");
        QVERIFY(search.Unreadable().isEmpty());
    }

    void exactHitsComeFirstLastFoundOnTop()
    {
        WordSearch search(0, QStringLiteral("go"));
        search.SearchText(QStringLiteral("A\r\ng\r\nW\r\n") + Line("go", "1") + "\r\n" + Line("gone", "2") + "\r\n" +
                          Line("go", "3"));
        search.SearchText(QStringLiteral("B\r\ng\r\nW\r\n") + Line("ago", "1") + "\r\n" + Line("go", "2"));
        QCOMPARE(Rows(search), (QStringList{"B *2", "A *3", "A *1", "A 2", "B 1"}));
    }

    void numbersCountEveryLineAfterTheHeader()
    {
        // Empty lines, lone CR and LF breaks and lines that are no word all take a number;
        // lines of fewer than six fields are never hits, lines of more are.
        WordSearch search(0, QStringLiteral("x"));
        search.SearchText(QStringLiteral("T\rg\nW\r\n\r\n\"x\",\"\"\r\n") + Line("x", "3") + "\r" + Line("x", "4") +
                          "\n\n" + Line("x", "6") + ",\"7\",\"8\"\r\n" + Line("x", "7"));
        QCOMPARE(Rows(search), (QStringList{"T *7", "T *6", "T *4", "T *3"}));
    }

    void doubledQuotesAreComparedAsOne()
    {
        // Files written by hand may double a quote inside a quoted field.
        WordSearch search(0, QStringLiteral("a\"b"));
        search.SearchText(QStringLiteral("T\r\ng\r\nW\r\n\"a\"\"b\",\"\",\"\",\"\",\"\",\"\""));
        QCOMPARE(Rows(search), QStringList{"T *1"});
    }

    void unreadableBooksAreNotedAndSkipped()
    {
        QTemporaryDir dir;
        WriteBook(dir.filePath(QStringLiteral("good.utx")), {"良い", "G", "単語理解", Line("go", "行く")});
        // No book: a broken link, a folder, a named pipe (reading it would wait for a writer)
        // and a link to a device without end.
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.utx")), dir.filePath(QStringLiteral("broken.utx"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.utx")));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.utx"))).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.utx"))));
        // A book too large to read is told.
        QFile large(dir.filePath(QStringLiteral("large.utx")));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxWordBookBytes + 2));
        large.close();
        WordSearch search(0, QStringLiteral("go"));
        search.SearchFolder(dir.path());
        QCOMPARE(Rows(search), QStringList{"良い *1"});
        QCOMPARE(search.Unreadable().size(), 1);
        QCOMPARE(search.Unreadable().front().code, FileError::Code::TooLarge);
        QVERIFY(search.Unreadable().front().path.endsWith(QStringLiteral("large.utx")));
        QVERIFY(UnreadableBooksText(search.Unreadable()).contains(QStringLiteral("large.utx")));
    }

    void scansAgreeWithPlainLoops()
    {
        // Random texts over a small alphabet put matches and breaks at every block position.
        const QString alphabet = QStringLiteral("ab\r\n語");
        QRandomGenerator random(7);
        for (int round = 0; round < 2000; ++round) {
            QString text;
            for (int i = int(random.bounded(60)); i > 0; --i)
                text += alphabet[int(random.bounded(alphabet.size()))];
            QString needle;
            for (int i = 1 + int(random.bounded(4)); i > 0; --i)
                needle += alphabet[int(random.bounded(3))];
            const qsizetype from = text.isEmpty() ? 0 : random.bounded(int(text.size()));
            const auto *data = reinterpret_cast<const char16_t *>(text.utf16());
            QCOMPARE(TextScan::FindText(data, from, text.size(), needle), text.indexOf(needle, from));
            QCOMPARE(TextScan::FindBreak(data, from, text.size()),
                     std::min(text.indexOf(u'\r', from) < 0 ? text.size() : text.indexOf(u'\r', from),
                              text.indexOf(u'\n', from) < 0 ? text.size() : text.indexOf(u'\n', from)));
            // Whole text: every CR LF pair inside it.
            const QString joined = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QCOMPARE(TextScan::CountBreaks(data, 0, text.size()), joined.count(u'\r') + joined.count(u'\n'));
        }
    }
};

QTEST_GUILESS_MAIN(tst_WordSearch)
#include "tst_WordSearch.moc"
