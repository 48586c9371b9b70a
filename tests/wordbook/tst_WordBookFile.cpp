#include "lib/ULib.h"
#include "wordbook/BookFolder.h"
#include "wordbook/WordBookFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

/// The bytes of a book file: FF FE, then the lines in UTF-16 LE, each ending in CR LF.
QByteArray BookBytes(const QStringList &lines, bool byteOrderMark = true)
{
    QByteArray bytes = byteOrderMark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (const QString &line : lines) {
        const QString withBreak = line + QStringLiteral("\r\n");
        for (QChar c : withBreak) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
    }
    return bytes;
}

WordBook Read(QByteArray bytes, WordBookStatus *status = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    WordBook book;
    const WordBookReadResult result = ReadWordBook(buffer, book);
    if (status)
        *status = result.status;
    return book;
}

WordEntry Entry(const QString &foreign, const QString &phonetic = {}, const QString &notes = {})
{
    return {foreign, phonetic, QStringLiteral("カナ"), QStringLiteral("日本語"), notes, {}};
}

}  // namespace

class tst_WordBookFile : public QObject
{
    Q_OBJECT

private slots:
    void SplitWordLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        // clang-format off
        QTest::addRow("six quoted") << "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"" << QStringList{"a", "b", "c", "d", "e", "f"};
        QTest::addRow("trailing comma adds a field") << "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"," << QStringList{"a", "b", "c", "d", "e", "f", ""};
        QTest::addRow("unquoted") << "a,b,c,d,e,f" << QStringList{"a", "b", "c", "d", "e", "f"};
        QTest::addRow("unquoted split at a space") << "a b,c,d,e,f,g" << QStringList{"a", "b", "c", "d", "e", "f", "g"};
        QTest::addRow("quoted keeps commas and spaces") << "\"a, b\",\" c \"" << QStringList{"a, b", " c "};
        QTest::addRow("doubled quote") << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x"};
        QTest::addRow("unclosed quote runs to the end") << "\"a,b" << QStringList{"a,b"};
        QTest::addRow("empty quoted fields") << "\"\",\"\"" << QStringList{"", ""};
        QTest::addRow("blanks around fields") << " \t\"a\" , \"b\"" << QStringList{"a", "b"};
        QTest::addRow("empty line") << "" << QStringList{};
        QTest::addRow("a NUL is a blank") << QString("a") + QChar(0) + "b" << QStringList{"a", "b"};
        // clang-format on
    }
    void SplitWordLine()
    {
        QFETCH(QString, line);
        QTEST(::SplitWordLine(line), "fields");
    }

    void roundTrip_data()
    {
        QTest::addColumn<WordEntry>("entry");
        // clang-format off
        QTest::addRow("quotes") << Entry("say \"hi\"", "x\"y");
        QTest::addRow("commas and spaces") << Entry(" a, b ", "c ,d");
        QTest::addRow("markers") << Entry("go", "ɡoʊ", "go #$0Dwent");
        QTest::addRow("the text #$0D") << Entry("#$0D", "a#$0D");
        QTest::addRow("outside the BMP") << Entry(QString::fromUcs4(U"\U0001F600 ok"), QString::fromUcs4(U"\U00010348"));
        QTest::addRow("empty fields") << WordEntry{"", "", "", "", "", ""};
        QTest::addRow("reserve kept") << WordEntry{"a", "b", "c", "d", "e", "kept"};
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(WordEntry, entry);
        WordBook book;
        book.Title = QStringLiteral("動詞");
        book.Group = QStringLiteral("01動詞");
        book.TypeName = QStringLiteral("単語理解");
        book.Entries = {entry, Entry("second")};
        const WordBook back = Read(WordBookBytes(book));
        QCOMPARE(back.Title, book.Title);
        QCOMPARE(back.Group, book.Group);
        QCOMPARE(back.TypeName, book.TypeName);
        QCOMPARE(back.Entries, book.Entries);
    }

    void bytesAreExact()
    {
        WordBook book;
        book.Title = QStringLiteral("動詞");
        book.Group = QStringLiteral("01動詞");
        book.TypeName = QStringLiteral("単語理解");
        book.Entries = {{"go", "ɡoʊ", "ゴウ", "行く", "go \"to\"#$0Dwent, gone", ""}};
        QCOMPARE(WordBookBytes(book),
                 BookBytes({"動詞", "01動詞", "単語理解",
                            "\"go\",\"ɡoʊ\",\"ゴウ\",\"行く\",\"go #$22to#$22#$0Dwent, gone\",\"\""}));
        // The four characters #$22 in the file are one double quote.
        QCOMPARE(Read(BookBytes({"t", "g", "W", "\"#$22\",\"\",\"\",\"\",\"\",\"\""})).Entries.value(0).Foreign,
                 QStringLiteral("\""));
        // A book without words: FF FE and exactly three lines.
        book.Entries.clear();
        QCOMPARE(WordBookBytes(book), BookBytes({"動詞", "01動詞", "単語理解"}));
    }

    void readerKeepsOnlyWordLines()
    {
        const WordBook book = Read(
            BookBytes({"t", "g", "単語理解", "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",", "\"5\",\"b\",\"c\",\"d\",\"e\"",
                       "", "\"8\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\"", "a b,c,d,e,f,g", "x,y,z,u,v,w"}));
        QCOMPARE(book.Entries.size(), 3);
        QCOMPARE(book.Entries[0].Foreign, QStringLiteral("a"));
        QCOMPARE(book.Entries[1], (WordEntry{"a", "b", "c", "d", "e", "f"}));  // g dropped
        QCOMPARE(book.Entries[2].Reserve, QStringLiteral("w"));
    }

    void readBooksAreEditedAndWrittenNormalised()
    {
        // Lines read from a file stay lines until asked for; edits, moves and the writer see
        // the same words, and the writer puts every line into the one written form.
        WordBook book = Read(BookBytes({"t", "g", "単語理解", "\"a\",\"1\",\"\",\"\",\"\",\"\"", "b,2,x,y,z,w,dropped",
                                        "\"c\",\"say #$22hi#$22\",\"\",\"\",\"\",\"\""}));
        QCOMPARE(book.Entries.size(), 3);
        QCOMPARE(book.Entries.at(2).Phonetic, QStringLiteral("say \"hi\""));
        book.Entries.move(0, 2);
        book.Entries.replace(0, {"B", "2", "", "", "", ""});
        book.Entries.insert(1, Entry("new"));
        book.Entries.removeAt(3);
        QCOMPARE(WordBookBytes(book), BookBytes({"t", "g", "単語理解", "\"B\",\"2\",\"\",\"\",\"\",\"\"",
                                                 "\"new\",\"\",\"カナ\",\"日本語\",\"\",\"\"",
                                                 "\"c\",\"say #$22hi#$22\",\"\",\"\",\"\",\"\""}));
        // The unquoted line of a book read and written unchanged is quoted, its seventh field gone.
        const WordBook unchanged = Read(BookBytes({"t", "g", "単語理解", "b,2,x,y,z,w,dropped"}));
        QCOMPARE(WordBookBytes(unchanged), BookBytes({"t", "g", "単語理解", "\"b\",\"2\",\"x\",\"y\",\"z\",\"w\""}));
        // So are lines that are nearly in that form: fields parted by a blank, a blank before
        // a comma, a last quote never closed.
        const WordBook nearly = Read(BookBytes({"t", "g", "単語理解", "\"b\",\"2\",\"x\",\"y\",\"z\"\f\"\"",
                                                "\"\",\"\",\"\",\"\",\"\" ,\"\"", "\"\",\"\",\"\",\"\",\"\",\""}));
        QCOMPARE(WordBookBytes(nearly), BookBytes({"t", "g", "単語理解", "\"b\",\"2\",\"x\",\"y\",\"z\",\"\"",
                                                   "\"\",\"\",\"\",\"\",\"\",\"\"", "\"\",\"\",\"\",\"\",\"\",\"\""}));
    }

    void linesThatAreNoWordStayInPlace()
    {
        const QString five = QStringLiteral("\"5\",\"b\",\"c\",\"d\",\"e\"");
        const QString eight = QStringLiteral("a,b,c,d,e,f,g,h");
        const QString w1 = QStringLiteral("\"w1\",\"\",\"\",\"\",\"\",\"\"");
        const QString w2 = QStringLiteral("\"w2\",\"\",\"\",\"\",\"\",\"\"");
        const QString w3 = QStringLiteral("\"w3\",\"\",\"\",\"\",\"\",\"\"");
        const QString w4 = QStringLiteral("\"w4\",\"\",\"\",\"\",\"\",\"\"");
        const QByteArray bytes = BookBytes({"t", "g", "単語理解", five, w1, "", w2, eight, w3});
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        WordBook book;
        // The blank line is kept but not counted as a line the user should hear of.
        QCOMPARE(ReadWordBook(buffer, book).unreadLines, 2);
        QCOMPARE(book.Entries.size(), 3);
        QCOMPARE(WordBookBytes(book), bytes);  // written back unchanged

        // Each line stays before the word it stood before, whatever happens to the others.
        book.Entries.insert(0, {"w0", "", "", "", "", ""});
        QCOMPARE(WordBookBytes(book),
                 BookBytes({"t", "g", "単語理解", five, "\"w0\",\"\",\"\",\"\",\"\",\"\"", w1, "", w2, eight, w3}));
        book.Entries.removeAt(0);
        book.Entries.removeAt(1);  // w2: the lines before it now stand before w3
        QCOMPARE(WordBookBytes(book), BookBytes({"t", "g", "単語理解", five, w1, "", eight, w3}));
        book.Entries.append({"w4", "", "", "", "", ""});
        book.Entries.move(0, 2);  // w1 to the end
        QCOMPARE(WordBookBytes(book), BookBytes({"t", "g", "単語理解", five, "", eight, w3, w4, w1}));
        book.Entries.clear();
        QCOMPARE(WordBookBytes(book), BookBytes({"t", "g", "単語理解"}));
    }

    void bookReadAgainUnderItsOwnNameStaysOpen()
    {
        QTemporaryDir dir;
        FileError error;
        QVERIFY(CreateWordBookFile(dir.filePath("b.utx"), "題", "g", "単語理解", &error, {Entry("a")}));
        WordBook book;
        QCOMPARE(ReadWordBook(dir.path(), "b.utx", book).status, WordBookStatus::Read);
        // The book's own folder and file name: reading clears them before it sets them again.
        QCOMPARE(ReadWordBook(book.Folder, book.FileName, book).status, WordBookStatus::Read);
        QCOMPARE(book.FileName, QStringLiteral("b.utx"));
        QCOMPARE(book.Folder, dir.path());
        QCOMPARE(book.Entries.size(), 1);
    }

    void onlyRegularFilesAreBooks()
    {
        // A named pipe would make a reader wait for a writer; /dev/zero has no end.
        QTemporaryDir dir;
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.utx")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.utx")));
        FileError error;
        QVERIFY(CreateWordBookFile(dir.filePath("real.utx"), "題", "g", "単語理解", &error));
        QVERIFY(QFile::link(dir.filePath("real.utx"), dir.filePath("link.utx")));
        QStringList names = BookFileNames(dir.path());
        names.sort();
        QCOMPARE(names, (QStringList{"link.utx", "real.utx"}));
        QCOMPARE(ReadBookFolder(dir.path()).size(), 2);
        for (const char *name : {"pipe.utx", "zero.utx"}) {
            QCOMPARE(ReadWordBookHeader(dir.filePath(name)).lineCount, 0);
            WordBook book;
            book.FileName = QStringLiteral("open.utx");
            const WordBookReadResult result = ReadWordBook(dir.path(), name, book);
            QCOMPARE(result.status, WordBookStatus::Unreadable);
            QVERIFY(result.error);
            QCOMPARE(result.error->code, FileError::Code::Unreadable);
            QCOMPARE(result.error->reason, FileError::Reason::NotRegularFile);
            QCOMPARE(result.error->path, dir.filePath(name));
            QVERIFY(!book.IsOpen());
        }
    }

    void listedHeaderLinesAreCut()
    {
        // A title of a million characters would take seconds to draw in the book list.
        QTemporaryDir dir;
        FileError error;
        const QString title(1000000, u'長');
        QVERIFY(CreateWordBookFile(dir.filePath("long.utx"), title, "g", "単語理解", &error));
        const WordBookHeader header = ReadWordBookHeader(dir.filePath("long.utx"));
        QCOMPARE(header.title, title.left(MaxListedHeaderLength));
        QCOMPARE(header.lineCount, 3);
    }

    void fileNamesOfTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::addRow("plain") << "動詞"
                               << "動詞";
        QTest::addRow("separators and quotes") << "Verbs/動詞 \"x\""
                                               << "Verbs_動詞 _x_";
        QTest::addRow("what Windows refuses") << "a\\b:c*d?e<f>g|h"
                                              << "a_b_c_d_e_f_g_h";
        QTest::addRow("a control character") << "a\tb"
                                             << "a_b";
        QTest::addRow("empty") << ""
                               << "単語帳";
    }
    void fileNamesOfTitles()
    {
        QFETCH(QString, title);
        QTEST(FileNameOfTitle(title), "fileName");
    }

    void olderTypeNamesAreUpgraded_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("type");
        // clang-format off
        QTest::addRow("発　音") << "発　音" << "単語理解" << int(QuestionType::W);
        QTest::addRow("問題文") << "問題文" << "空欄補充" << int(QuestionType::B);
        QTest::addRow("作文問題") << "作文問題" << "作文問題" << int(QuestionType::C);
        QTest::addRow("unknown stays, counts as W") << "自由" << "自由" << int(QuestionType::W);
        // clang-format on
    }
    void olderTypeNamesAreUpgraded()
    {
        QFETCH(QString, stored);
        const WordBook book = Read(BookBytes({"t", "g", stored}));
        QTEST(book.TypeName, "current");
        QTEST(int(book.Type()), "type");
    }

    void fileWithoutByteOrderMarkIsUtf16()
    {
        const WordBook book = Read(BookBytes({"題", "g", "単語理解", "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\""}, false));
        QCOMPARE(book.Title, QStringLiteral("題"));
        QCOMPARE(book.Entries.size(), 1);
    }

    void tooFewLinesLeavesNoBook()
    {
        WordBookStatus status;
        const WordBook book = Read(BookBytes({"t", "g"}), &status);
        QCOMPARE(status, WordBookStatus::TooFewLines);
        QVERIFY(book.Title.isEmpty() && book.Entries.isEmpty());

        // Read from a folder, a two-line file unties the open book from its file.
        QTemporaryDir dir;
        QFile file(dir.filePath("short.utx"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(BookBytes({"t", "g"}));
        file.close();
        WordBook open;
        open.Folder = dir.path();
        open.FileName = QStringLiteral("other.utx");
        open.Entries = {Entry("kept?")};
        QCOMPARE(ReadWordBook(dir.path(), "short.utx", open).status, WordBookStatus::TooFewLines);
        QVERIFY(!open.IsOpen());
        QVERIFY(open.Entries.isEmpty());
        // A missing file changes nothing.
        open.FileName = QStringLiteral("other.utx");
        QCOMPARE(ReadWordBook(dir.path(), "missing.utx", open).status, WordBookStatus::Missing);
        QCOMPARE(open.FileName, QStringLiteral("other.utx"));
    }

    void writeCreateAndHeader()
    {
        QTemporaryDir dir;
        FileError error;
        QVERIFY(CreateWordBookFile(dir.filePath("new.utx"), "動詞", "01動詞", "作文問題", &error));
        QFile created(dir.filePath("new.utx"));
        QVERIFY(created.open(QIODevice::ReadOnly));
        QCOMPARE(created.readAll(), BookBytes({"動詞", "01動詞", "作文問題"}));

        WordBook book;
        QCOMPARE(ReadWordBook(dir.path(), "new.utx", book).status, WordBookStatus::Read);
        book.TypeName = QStringLiteral("問題文");
        book.Entries = {Entry("a"), Entry("b")};
        QVERIFY(WriteWordBook(book, &error));
        QCOMPARE(book.TypeName, QStringLiteral("空欄補充"));
        const WordBookHeader header = ReadWordBookHeader(dir.filePath("new.utx"));
        QCOMPARE(header.title, QStringLiteral("動詞"));
        QCOMPARE(header.group, QStringLiteral("01動詞"));
        QCOMPARE(header.typeName, QStringLiteral("空欄補充"));
        QCOMPARE(header.lineCount, 5);

        // A folder that is gone: the error names the file and the system's reason.
        book.Folder = dir.filePath("gone");
        FileError writeError;
        QVERIFY(!WriteWordBook(book, &writeError));
        QCOMPARE(writeError.code, FileError::Code::CannotWrite);
        QCOMPARE(writeError.path, book.Path());
        QVERIFY(!writeError.systemText.isEmpty());
    }

    void headerCountsLinesAsTheReaderSplitsThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        // clang-format off
        QTest::addRow("three") << BookBytes({"t", "g", "単語理解"}) << 3;
        QTest::addRow("an empty word line counts") << BookBytes({"t", "g", "単語理解", "", "x"}) << 5;
        QTest::addRow("two") << BookBytes({"t", "g"}) << 2;
        QTest::addRow("lone CR and LF, no break at the end")
            << QByteArray("\xFF\xFEt\0\r\0g\0\n\0W\0\r\0\n\0a\0", 18) << 4;
        QTest::addRow("a group beginning with U+FEFF")
            << QByteArray("\xFF\xFEt\0\r\0\xFF\xFEg\0\r\0W\0\r\0", 16) << 3;
        // clang-format on
    }
    void headerCountsLinesAsTheReaderSplitsThem()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath("b.utx"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const WordBookHeader header = ReadWordBookHeader(file.fileName());
        QTEST(int(header.lineCount), "lines");
        // The header lines read as the reader reads them.
        WordBook book;
        if (ReadWordBook(dir.path(), "b.utx", book).status == WordBookStatus::Read)
            QVERIFY(header.title == book.Title && header.group == book.Group);
    }

    void textHelpers()
    {
        QCOMPARE(ULib::EscapeQuotes(u"say \"hi\""), QStringLiteral("say #$22hi#$22"));
        QCOMPARE(ULib::UnescapeQuotes(u"#$22"), QStringLiteral("\""));
        QCOMPARE(ULib::BreaksToMarkers(u"a\r\nb"), QStringLiteral("a#$0Db"));
        QCOMPARE(ULib::BreaksToMarkers(u"a\nb"), QStringLiteral("ab"));
        QCOMPARE(ULib::MarkersToBreaks(u"a#$0Db"), QStringLiteral("a\r\nb"));
        QCOMPARE(ULib::ReplaceAll("*12", "*", ""), QStringLiteral("12"));
        QCOMPARE(ULib::ReplaceAll("a.b.c", ".", ".."), QStringLiteral("a..b..c"));
        QCOMPARE(ULib::ReplaceAll("xWQZR@XOPLy", "z", "-"), QStringLiteral("x-y"));  // the placeholder too
    }
};

QTEST_APPLESS_MAIN(tst_WordBookFile)
#include "tst_WordBookFile.moc"
