#include "dialogs/FileErrorText.h"
#include "wordbook/FlashCardText.h"
#include "wordbook/WordBookFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kFieldNames{"英語", "発音記号", "発音カナ", "日本語", "備考"};

CardTable Read(const QByteArray &bytes)
{
    const std::optional<CardTable> table = ReadCardText(bytes);
    if (!table)
        qWarning() << "not UTF-8";
    return table.value_or(CardTable{});
}

QList<WordEntry> Words(const CardTable &table)
{
    return CardRowsToWords(table, GuessCardColumns(table, kFieldNames), QStringLiteral("英語")).entries;
}

}  // namespace

/// Word books to and from the text of flash-card programs: the export's exact form, the round
/// trip, CSV and TSV as other programs write them, and the rows that cannot be taken.
class tst_FlashCardText : public QObject
{
    Q_OBJECT

private slots:
    void exportIsTabSeparatedUtf8WithHeaders()
    {
        const WordEntries entries{{"say \"hi\"", "seɪ", "セイ", "言う, 話す", "a#$0Db", ""},
                                  {"#tag", "", "", "札", "", ""}};
        QCOMPARE(FlashCardTsv(entries, kFieldNames, "Tiere\tund Farben"),
                 QByteArray("#separator:tab\n#html:false\n#deck:Tiere und Farben\n"
                            "#columns:英語\t発音記号\t発音カナ\t日本語\t備考\n"
                            "\"say \"\"hi\"\"\"\tseɪ\tセイ\t言う, 話す\t\"a\nb\"\n"
                            "\"#tag\"\t\t\t札\t\n"));
    }

    void exportThenImportKeepsEveryWord()
    {
        const WordEntries entries{
            {"rock 'n' roll, \"live\"", "ˈrɒk ən ˈrəʊl", "ロックンロール", "ロックンロール", "first#$0Dsecond", ""},
            {"tab\there", "", "", "タブ", "", ""},
            {"🎵 music 𝄞", "ˈmjuːzɪk", "ミュージック", "音楽", "#$0D#$0D", ""},
            {" spaced ", "", "", " 間 ", "", ""},
            {"#hash", "", "", "井桁", "", ""},
            {"\"", "", "", "引用符", "\"\"", ""},
        };
        const CardTable table = Read(FlashCardTsv(entries, kFieldNames, "deck"));
        QCOMPARE(table.separator, QChar(u'\t'));
        QCOMPARE(table.columnNames, kFieldNames);
        QVERIFY(table.problems.isEmpty());
        QCOMPARE(Words(table), entries.ToList());
    }

    void otherProgramsText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<int>>("lines");
        // clang-format off
        QTest::addRow("CSV with quoted commas and CR LF")
            << QByteArray("apple,りんご\r\n\"pear, green\",\"なし, 洋なし\"\r\n")
            << QList<QStringList>{{"apple", "りんご"}, {"pear, green", "なし, 洋なし"}} << QList<int>{1, 2};
        QTest::addRow("TSV with comment lines and a BOM")
            << QByteArray("\xEF\xBB\xBF#deck:English\n# a comment\ncat\tねこ\n\n# another\ndog\tいぬ\n")
            << QList<QStringList>{{"cat", "ねこ"}, {"dog", "いぬ"}} << QList<int>{3, 6};
        QTest::addRow("quoted line break") << QByteArray("\"two\nlines\",二行\nnext,次\n")
            << QList<QStringList>{{"two\nlines", "二行"}, {"next", "次"}} << QList<int>{1, 3};
        QTest::addRow("named separator") << QByteArray("#separator:Semicolon\na;b,c\n")
            << QList<QStringList>{{"a", "b,c"}} << QList<int>{2};
        QTest::addRow("semicolons guessed") << QByteArray("a;b\n") << QList<QStringList>{{"a", "b"}} << QList<int>{1};
        QTest::addRow("empty fields and no final break") << QByteArray("a,,\n,b")
            << QList<QStringList>{{"a", "", ""}, {"", "b"}} << QList<int>{1, 2};
        QTest::addRow("HTML cards") << QByteArray("#html:true\nx\t<b>fat</b> &amp; <i>thin</i><br>two\n")
            << QList<QStringList>{{"x", "fat & thin\ntwo"}} << QList<int>{2};
        QTest::addRow("CR only") << QByteArray("a,b\rc,d\r") << QList<QStringList>{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        // clang-format on
    }
    void otherProgramsText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<int>, lines);
        const CardTable table = Read(text);
        QVERIFY(table.problems.isEmpty());
        QCOMPARE(table.rows, rows);
        QCOMPARE(table.rowLines, lines);
    }

    void badRowsAreNamedByLine()
    {
        const CardTable table = Read("ok,良い\n\"stray\"x,悪い\nword,\n\nfine,結構\n\"open,never closed\nlost,失う\n");
        QCOMPARE(table.problems.size(), 2);
        QCOMPARE(table.problems.at(0).line, 2);
        QCOMPARE(table.problems.at(0).reason, QStringLiteral("閉じた引用符（\"）の後に文字があります。"));
        QCOMPARE(table.problems.at(1).line, 6);
        QCOMPARE(table.problems.at(1).reason, QStringLiteral("引用符（\"）が閉じられていません。"));
        const CardWords words = CardRowsToWords(table, GuessCardColumns(table, kFieldNames), QStringLiteral("英語"));
        QCOMPARE(words.entries.size(), 2);  // ok and fine
        QCOMPARE(words.entries.at(1).Foreign, QStringLiteral("fine"));
        QCOMPARE(words.problems.size(), 1);
        QCOMPARE(words.problems.at(0).line, 3);
        QCOMPARE(words.problems.at(0).reason, QStringLiteral("日本語が空です。"));
    }

    void notUtf8IsRefused()
    {
        QVERIFY(!ReadCardText(QByteArray("\x82\xa0,a\n")));                 // Shift_JIS
        QVERIFY(!ReadCardText(QByteArray("\xFE\xFF\xDC\x64\x00\x0A", 6)));  // UTF-16 with a lone surrogate
        QTemporaryDir dir;
        QFile file(dir.filePath("sjis.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x82\xa0,a\n") == 5);
        file.close();
        const CardTextRead read = ReadCardTextFile(file.fileName());
        QVERIFY(!read.table && read.error);
        QCOMPARE(read.error->code, FileError::Code::Malformed);
        QVERIFY(CardImportErrorText(*read.error).contains(QStringLiteral("UTF-8")));
    }

    /// What the file reader says about files it cannot take.
    void fileErrors_data()
    {
        QTest::addColumn<QString>("name");  // in a folder holding "cards.csv" and "large.csv"
        QTest::addColumn<FileError::Code>("code");
        QTest::addColumn<FileError::Reason>("reason");
        // clang-format off
        QTest::addRow("missing") << "none.csv" << FileError::Code::Missing << FileError::Reason::NotFound;
        QTest::addRow("under a file") << "cards.csv/a.csv" << FileError::Code::Missing << FileError::Reason::NotFound;
        QTest::addRow("a folder") << "." << FileError::Code::Unreadable << FileError::Reason::NotRegularFile;
        QTest::addRow("too large") << "large.csv" << FileError::Code::TooLarge << FileError::Reason::Other;
        // clang-format on
    }
    void fileErrors()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile cards(dir.filePath("cards.csv"));
        QVERIFY(cards.open(QIODevice::WriteOnly) && cards.write("a,b\n") == 4);
        cards.close();
        QVERIFY(ReadCardTextFile(cards.fileName()).table);
        QFile large(dir.filePath("large.csv"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxWordBookBytes + 1));  // sparse
        large.close();
        const CardTextRead read = ReadCardTextFile(dir.filePath(name));
        QVERIFY(!read.table);
        QVERIFY(read.error);
        QTEST(read.error->code, "code");
        QTEST(read.error->reason, "reason");
        QCOMPARE(read.error->path, dir.filePath(name));
    }

    /// What spreadsheets and hand-made lists give: the words taken and the lines told.
    void importCases_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("foreign");
        QTest::addColumn<QStringList>("japanese");
        QTest::addColumn<QList<int>>("toldLines");
        const auto utf16 = [](const QString &text, bool bigEndian) {
            QByteArray bytes(bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2);
            for (QChar c : text) {
                const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
                bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
            }
            return bytes;
        };
        // clang-format off
        QTest::addRow("UTF-16 LE with its mark") << utf16("apple\tりんご\nbanana\tバナナ\n", false)
            << QStringList{"apple", "banana"} << QStringList{"りんご", "バナナ"} << QList<int>{};
        QTest::addRow("UTF-16 BE with its mark") << utf16("apple\tりんご\n", true)
            << QStringList{"apple"} << QStringList{"りんご"} << QList<int>{};
        QTest::addRow("a row with an extra cell") << QByteArray("a,ア,n1\nb,イ,n2,x\nc,ウ,n3\n")
            << QStringList{"a", "b", "c"} << QStringList{"ア", "イ", "ウ"} << QList<int>{};
        QTest::addRow("a row starting with #") << QByteArray("apple,りんご\n#1 tip,ヒント\nbanana,バナナ\n")
            << QStringList{"apple", "banana"} << QStringList{"りんご", "バナナ"} << QList<int>{2};
        QTest::addRow("headers above the rows") << QByteArray("#separator:comma\n#deck:Obst\napple,りんご\n")
            << QStringList{"apple"} << QStringList{"りんご"} << QList<int>{};
        // clang-format on
    }
    void importCases()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, toldLines);
        const CardTable table = Read(bytes);
        QStringList foreign, japanese;
        for (const WordEntry &word : Words(table)) {
            foreign << word.Foreign;
            japanese << word.Japanese;
        }
        QTEST(foreign, "foreign");
        QTEST(japanese, "japanese");
        QList<int> told;
        for (const CardProblem &problem : table.problems)
            told << problem.line;
        QCOMPARE(told, toldLines);
    }

    /// A first row that names the columns places them and is marked as no word.
    void aHeaderRowNamesTheColumns()
    {
        const CardTable table = Read("日本語,英語,メモ\nりんご,apple,x\n");
        QVERIFY(FirstRowNamesColumns(table, kFieldNames));
        QCOMPARE(GuessCardColumns(table, kFieldNames), (CardColumns{1, -1, -1, 0, -1}));
        QVERIFY(!FirstRowNamesColumns(Read("apple,りんご\n"), kFieldNames));
    }

    void columnsByNameOrByCount()
    {
        CardTable named = Read("#separator:tab\n#columns:備考\t日本語\t英語\nn\tj\tf\n");
        QCOMPARE(GuessCardColumns(named, kFieldNames), (CardColumns{2, -1, -1, 1, 0}));
        QCOMPARE(GuessCardColumns(Read("front,back\n"), kFieldNames), (CardColumns{0, -1, -1, 1, -1}));
        QCOMPARE(GuessCardColumns(Read("a,b,c,d,e,f\n"), kFieldNames), (CardColumns{0, 1, 2, 3, 4}));
    }
};

QTEST_GUILESS_MAIN(tst_FlashCardText)
#include "tst_FlashCardText.moc"
