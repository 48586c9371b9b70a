#include "dialogs/FileErrorText.h"
#include "lib/ULib.h"
#include "symbols/CandidateFile.h"
#include "symbols/IpaPadGeometry.h"
#include "symbols/PhoneticCatalogue.h"
#include "symbols/PhoneticEntry.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

/// Records what phonetic entry does to its pad.
struct FakePad : PhoneticEntryView {
    QString choices;
    int highlighted = 0;
    QString inserted;
    QChar down;
    void ShowChoices(const QString &c, int h) override
    {
        choices = c;
        highlighted = h;
    }
    void ClearChoices() override
    {
        choices.clear();
        highlighted = 0;
    }
    void SetKeyDown(QChar key, bool isDown) override { down = isDown ? key : QChar(); }
    void InsertSymbol(const QString &text) override { inserted += text; }
};

}  // namespace

class tst_PhoneticSymbols : public QObject
{
    Q_OBJECT

private slots:
    void catalogue()
    {
        const auto catalogue = PhoneticCatalogue();
        QCOMPARE(catalogue.size(), std::size_t(179));
        for (std::size_t i = 1; i < catalogue.size(); ++i)
            QVERIFY(catalogue[i - 1].code < catalogue[i].code);
        for (const PhoneticSymbol &symbol : catalogue)
            QVERIFY2(!symbol.japaneseName.isEmpty(), qPrintable(QString::number(symbol.code, 16)));

        const PhoneticSymbol schwa = PhoneticSymbolInfo(0x0259);
        QCOMPARE(schwa.englishName, QStringLiteral("Schwa"));
        QCOMPARE(schwa.japaneseName, QStringLiteral("シュワー"));
        QCOMPARE(schwa.japaneseDescription, QStringLiteral("「ウ」をあいまいに発音する感じ。中段 中舌 母音"));
        QCOMPARE(schwa.englishDescription, QStringLiteral("Mid central vowel"));
        QCOMPARE(
            PhoneticSymbolInfo(0x0072).japaneseDescription,
            QStringLiteral(
                "舌を持ち上げ、舌先はどこにも付かず奥へそらし、巻き舌で「アー」。こもった音。有声　歯あるいは歯茎 ふるえ音"));
        QCOMPARE(PhoneticSymbolInfo(0x01AB).englishDescription,
                 QStringLiteral("Palatalized voiceless dental or aveolar plosive"));
        QCOMPARE(PhoneticSymbolInfo(0x02E2).japaneseDescription, QStringLiteral("1989廃止"));
        QVERIFY(PhoneticSymbolInfo(0x02E2).englishDescription.isEmpty());
        QCOMPARE(PhoneticSymbolInfo(0x2016).englishDescription, QStringLiteral("Major (intonation) group"));
        const PhoneticSymbol dStroke = PhoneticSymbolInfo(0x0111);
        QVERIFY(dStroke.japaneseDescription.isEmpty() && dStroke.englishDescription.isEmpty());
        const PhoneticSymbol capitalA = PhoneticSymbolInfo(0x0041);
        QVERIFY(capitalA.englishName.isEmpty() && capitalA.japaneseName.isEmpty());
        QCOMPARE(PhoneticSymbolInfoText(0x0041), QStringLiteral("■名称:\n \n■意味:\n \n■コード値: 0041"));
        QCOMPARE(PhoneticSymbolInfoText(0x0283),
                 QStringLiteral("■名称:\n エッシュ\n■意味:\n 音は「シ」。無声 後部歯茎 摩擦音\n■コード値: 0283"));
    }

    void FiveCharCode()
    {
        QCOMPARE(ULib::FiveCharCode(u"00601"), std::optional<int>(601));
        QCOMPARE(ULib::FiveCharCode(u"0601"), std::optional<int>(0));
        QCOMPARE(ULib::FiveCharCode(u"006x1"), std::nullopt);
    }

    void candidateLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("candidates");  // empty: the key has none
        // clang-format off
        QTest::addRow("codes") << "E,00601,00603" << "E" << "əɛE";
        QTest::addRow("one field only") << "E" << "E" << "";
        QTest::addRow("eleven fields") << "E,a,b,c,d,e,f,g,h,i,j" << "E" << "";
        QTest::addRow("ten fields") << "E,a,b,c,d,e,f,g,h,i" << "E" << "abcdefghiE";
        QTest::addRow("a field of several characters") << "A,ab" << "A" << "abA";
        QTest::addRow("rest of the key field ignored") << "Ax,00230" << "A" << "æA";
        QTest::addRow("last line wins") << "S,00643\r\nS,00642" << "S" << "ʂS";
        QTest::addRow("longer lists keep the key last") << "T,abcdefghijkl" << "T" << "abcdefghiT";
        QTest::addRow("quoted comma key") << "\"\"\",\",00712" << "\"" << "ˈ\"";
        QTest::addRow("empty key field skipped") << ",00601" << "," << "";
        // clang-format on
    }
    void candidateLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, candidates);
        const CandidateFileResult result = ParseCandidateText(text, "test.txt");
        QVERIFY(!result.error);
        QCOMPARE(result.table->value(key.at(0)), candidates);
    }

    void malformedCodeStopsAtItsLine()
    {
        const CandidateFileResult result = ParseCandidateText("A,00230\nE,0060x,00603\nS,00643", "ipa_cand1.txt");
        QCOMPARE(result.table->value(u'A'), QStringLiteral("æA"));
        QVERIFY(!result.table->contains(u'E'));
        QVERIFY(!result.table->contains(u'S'));
        QVERIFY(result.error);
        QCOMPARE(result.error->code, FileError::Code::Malformed);
        QCOMPARE(result.error->line, 2);
        QCOMPARE(result.error->detail, QStringLiteral("0060x"));
        const QString message = CandidateFileErrorText(*result.error);
        QVERIFY(message.contains(QStringLiteral("ipa_cand1.txt")));
        QVERIFY(message.contains(QStringLiteral("2 行目")));
        QVERIFY(message.contains(QStringLiteral("「0060x」")));
    }

    void missingFileHasNoTable()
    {
        const CandidateFileResult result = ReadCandidateFile("/nonexistent", false);
        QVERIFY(!result.table);
        QVERIFY(!result.error);  // no symbol set is no fault
    }

    /// A candidate file that is there but cannot be read gives no table and says why.
    void unreadableFileSaysWhy_data()
    {
        QTest::addColumn<QString>("inTheWay");  // what stands where the file should be
        QTest::addColumn<FileError::Reason>("reason");
        QTest::addRow("a folder") << "folder" << FileError::Reason::NotRegularFile;
        QTest::addRow("a named pipe") << "pipe" << FileError::Reason::NotRegularFile;
    }
    void unreadableFileSaysWhy()
    {
        QFETCH(QString, inTheWay);
        QTemporaryDir dir;
        const QString path = dir.filePath(CandidateFileName(false));
        if (inTheWay == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const CandidateFileResult result = ReadCandidateFile(dir.path(), false);
        QVERIFY(!result.table);
        QVERIFY(result.error);
        QCOMPARE(result.error->code, FileError::Code::Unreadable);
        QTEST(result.error->reason, "reason");
        QVERIFY(CandidateFileErrorText(*result.error).contains(QStringLiteral("通常のファイルではありません。")));
    }

    void shippedSymbolSets()
    {
        QSet<QChar> catalogue;
        for (const PhoneticSymbol &symbol : PhoneticCatalogue())
            catalogue.insert(QChar(symbol.code));
        for (bool full : {false, true}) {
            const CandidateFileResult result = ReadCandidateFile(QStringLiteral(QUILL_TABLE_DIR), full);
            QVERIFY(result.table);
            QVERIFY(!result.error);
            QSet<QChar> reachable;
            for (auto it = result.table->begin(); it != result.table->end(); ++it) {
                QVERIFY(it.value().size() <= 10);
                for (QChar symbol : it.value().chopped(1)) {
                    QVERIFY2(catalogue.contains(symbol), qPrintable(QString(symbol)));
                    reachable.insert(symbol);
                }
                reachable.insert(it.key());
            }
            if (full) {
                for (QChar symbol : catalogue)
                    QVERIFY2(reachable.contains(symbol), qPrintable(QString::number(symbol.unicode(), 16)));
            }
        }
        // The learner's set has the sounds a transcription of the six languages needs.
        const CandidateTable basic = *ReadCandidateFile(QStringLiteral(QUILL_TABLE_DIR), false).table;
        QVERIFY(basic[u'E'].startsWith(QStringLiteral("əɛ")));
        for (const char16_t *pair : {u"Aæ", u"Aɑ", u"Aɐ", u"Tθ", u"Dð", u"Sʃ", u"Zʒ", u"Nŋ", u"Nɲ", u"Rɹ", u"Rɾ", u"Rʁ",
                                     u"Rʀ", u"Iɪ", u"Uʊ", u"Oɔ", u"Oø", u"Oœ", u"Vʌ", u":ː", u"'ˈ", u"'ˌ", u"Lʎ"})
            QVERIFY2(basic[QChar(pair[0])].contains(QChar(pair[1])), qPrintable(QString::fromUtf16(pair)));
    }

    void entryStateMachine_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");     // what reaches the field as typing
        QTest::addColumn<QString>("inserted");  // what the pad inserted
        QTest::addColumn<bool>("selecting");
        // clang-format off
        QTest::addRow("E opens, Enter inserts the first") << "E\r" << "" << "ə" << false;
        QTest::addRow("space cycles") << "E \r" << "" << "ɛ" << false;
        QTest::addRow("space wraps") << "E   \r" << "" << "ə" << false;
        QTest::addRow("space to the key itself") << "E  \r" << "" << "E" << false;
        QTest::addRow("digit inserts its slot") << "E2" << "" << "ɛ" << false;
        QTest::addRow("empty slot does nothing") << "E7" << "" << "" << true;
        QTest::addRow("0 is the tenth slot") << "E0" << "" << "" << true;
        QTest::addRow("other key ends and is typed") << "Ex" << "x" << "" << false;
        QTest::addRow("lower case never opens") << "e" << "e" << "" << false;
        QTest::addRow("plain typing") << "hello" << "hello" << "" << false;
        // clang-format on
    }
    void entryStateMachine()
    {
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        QFETCH(QString, inserted);
        QFETCH(bool, selecting);
        FakePad pad;
        PhoneticEntry entry(pad);
        entry.SetCandidates(ParseCandidateText("E,00601,00603", "t").table);
        QString field;
        for (QChar key : keys) {
            if (!entry.PhoneticKeyPress(key))
                field += key;
        }
        QCOMPARE(field, typed);
        QCOMPARE(pad.inserted, inserted);
        QCOMPARE(entry.Selecting(), selecting);
    }

    void openingShowsTheChoicesAndHighlight()
    {
        FakePad pad;
        PhoneticEntry entry(pad);
        entry.SetCandidates(ParseCandidateText("E,00601,00603", "t").table);
        QVERIFY(entry.PhoneticKeyPress(u'E'));
        QCOMPARE(pad.choices, QStringLiteral("əɛE"));
        QCOMPARE(pad.highlighted, 1);
        QCOMPARE(pad.down, QChar(u'E'));
        entry.PhoneticKeyPress(u' ');
        QCOMPARE(pad.highlighted, 2);
        entry.PhoneticKeyPress(u'\r');
        QVERIFY(pad.choices.isEmpty());
        QCOMPARE(pad.down, QChar(u'E'));  // the key stays down after the selection
    }

    void mouseOnKeysAndSlots()
    {
        FakePad pad;
        PhoneticEntry entry(pad);
        entry.SetCandidates(ParseCandidateText("E,00601,00603", "t").table);
        entry.KeyClicked(u'E', true);
        QCOMPARE(pad.choices, QStringLiteral("əɛE"));
        entry.SlotClicked(2);
        QCOMPARE(pad.inserted, QStringLiteral("ɛ"));
        QCOMPARE(pad.highlighted, 2);
        entry.SlotClicked(5);  // empty slot
        QCOMPARE(pad.inserted, QStringLiteral("ɛ"));
        entry.KeyClicked(u'E', false);  // raising the key leaves the slots empty
        QVERIFY(pad.choices.isEmpty());
        entry.KeyClicked(PhoneticEntry::SpaceKey, false);
        QCOMPARE(pad.inserted, QStringLiteral("ɛ "));

        PhoneticEntry inert(pad);
        inert.SetCandidates(std::nullopt);  // no candidate file
        QVERIFY(!inert.PhoneticKeyPress(u'E'));
    }

    void padGeometry()
    {
        const IpaPadGeometry g = ComputeIpaPadGeometry(QSize(520, 180));
        QCOMPARE(g.panel1, QRect(0, 0, 520, 60));
        QCOMPARE(g.panel2, QRect(0, 60, 520, 120));
        QCOMPARE(g.margin, 13);
        QCOMPARE(g.keyPitch, 38);  // (520 - 26) / 13 = 38
        QCOMPARE(g.KeyRect(1).left(), 13 + 1);
        QCOMPARE(g.KeyRect(14).left(), 19 + 13 + 1);  // second row starts half a key in
        QCOMPARE(g.KeyRect(48).left(), 45 + 13 + 10 * 38 + 1);
        QCOMPARE(g.SlotRect(1), QRect(13 + 1, 18, 47, 38));  // slot pitch 49, height nearest(0.9 × 42)
        QCOMPARE(IpaPadGeometry::RowOfKey(37), 2);
        QCOMPARE(IpaPadGeometry::PlaceOfKey(38), 0);
    }
};

QTEST_APPLESS_MAIN(tst_PhoneticSymbols)
#include "tst_PhoneticSymbols.moc"
