#include "compose/ComposeTable.h"
#include "compose/CompositionEngine.h"

#include <QTest>

namespace {

/// A field that records what the engine does to it; the selection is its whole text.
struct FakeField : ComposeField {
    QString text;
    bool selected = false;
    int focusCount = 0;
    void FocusField() override { ++focusCount; }
    void ReplaceSelection(const QString &inserted) override
    {
        if (selected)
            text.clear();
        selected = false;
        text += inserted;
    }
};

struct FakePad : ComposePad {
    QString shown;  ///< the trigger whose follow-ups are shown, empty when cleared
    void ShowFollowUps(QChar trigger) override { shown = trigger; }
    void ClearFollowUps() override { shown.clear(); }
};

/// Types keys into a field the way a host does: swallowed keys vanish, the rest is typed.
QString TypeKeys(CompositionEngine &engine, FakeField &field, FakePad *pad, const QString &keys)
{
    for (QChar key : keys) {
        if (!engine.ComposeKey({pad, &field}, key))
            field.ReplaceSelection(key);
    }
    return field.text;
}

}  // namespace

class tst_CompositionEngine : public QObject
{
    Q_OBJECT

private slots:
    void composes_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        // clang-format off
        // Every pair of the table.
        const struct {
            const char16_t *keys;
            const char16_t *result;
        } table[] = {
            {u"[a", u"à"}, {u"[e", u"è"}, {u"[i", u"ì"}, {u"[o", u"ò"}, {u"[u", u"ù"},
            {u"[A", u"À"}, {u"[E", u"È"}, {u"[I", u"Ì"}, {u"[O", u"Ò"}, {u"[U", u"Ù"},
            {u"[\"", u"“"}, {u"[y", u"œ"}, {u"[Y", u"Œ"}, {u"[$", u"€"}, {u"[<", u"«"},
            {u"[.", u"…"}, {u"[[", u"["},
            {u"]a", u"á"}, {u"]e", u"é"}, {u"]i", u"í"}, {u"]o", u"ó"}, {u"]u", u"ú"},
            {u"]A", u"Á"}, {u"]E", u"É"}, {u"]I", u"Í"}, {u"]O", u"Ó"}, {u"]U", u"Ú"},
            {u"]\"", u"”"}, {u"]c", u"ç"}, {u"]C", u"Ç"}, {u"]s", u"ß"}, {u"]>", u"»"},
            {u"].", u"‧"}, {u"]]", u"]"},
            {u"^a", u"â"}, {u"^e", u"ê"}, {u"^i", u"î"}, {u"^o", u"ô"}, {u"^u", u"û"},
            {u"^A", u"Â"}, {u"^E", u"Ê"}, {u"^I", u"Î"}, {u"^O", u"Ô"}, {u"^U", u"Û"},
            {u"^'", u"‘"}, {u"^\"", u"„"},
            {u"~n", u"ñ"}, {u"~a", u"ã"}, {u"~o", u"õ"}, {u"~N", u"Ñ"}, {u"~A", u"Ã"}, {u"~O", u"Õ"},
            {u"\\a", u"ä"}, {u"\\e", u"ë"}, {u"\\i", u"ï"}, {u"\\o", u"ö"}, {u"\\u", u"ü"},
            {u"\\A", u"Ä"}, {u"\\E", u"Ë"}, {u"\\I", u"Ï"}, {u"\\O", u"Ö"}, {u"\\U", u"Ü"},
            {u"\\'", u"’"}, {u"\\\"", u"“"}, {u"\\h", u"æ"}, {u"\\H", u"Æ"}, {u"\\!", u"¡"},
            {u"\\?", u"¿"}, {u"\\-", u"–"}, {u"\\=", u"—"},
        };
        for (const auto &row : table)
            QTest::addRow("%s", QString::fromUtf16(row.keys).toUtf8().constData())
                << QString::fromUtf16(row.keys) << QString::fromUtf16(row.result);
        // Sequences around the table.
        QTest::addRow("doubled triggers without a result") << "^^~~\\\\x" << "x";
        QTest::addRow("second trigger ends pending, next key plain") << "[]e" << "e";
        QTest::addRow("backspace enter escape space digit are swallowed")
            << "a[\b]\r^\x1b~ \\5" << "a";
        QTest::addRow("plain keys pass") << "Hello, world!" << "Hello, world!";
        QTest::addRow("words") << "caf]e ~nand[u" << "café ñandù";
        QTest::addRow("follow-up case is not folded") << "~N~n" << "Ññ";
        // clang-format on
    }
    void composes()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        CompositionEngine engine;
        FakeField field;
        QCOMPARE(TypeKeys(engine, field, nullptr, keys), expected);
        QVERIFY(!engine.PendingTrigger());
    }

    void tableIsComplete()
    {
        // Every pair outside the table composes nothing: count results over all BMP follow-ups.
        int results = 0;
        for (QChar trigger : TriggerKeys) {
            for (char32_t code = 0; code <= 0xFFFF; ++code)
                results += ComposeResult(trigger, QChar(char16_t(code))).isEmpty() ? 0 : 1;
        }
        QCOMPARE(results, 17 + 17 + 12 + 6 + 18);
    }

    void triggerKeysFor_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("keys");  // trigger and follow-up, or empty for none
        QTest::addRow("e acute") << QStringLiteral("é") << QStringLiteral("]e");
        QTest::addRow("capital e acute") << QStringLiteral("É") << QStringLiteral("]E");
        QTest::addRow("n tilde") << QStringLiteral("ñ") << QStringLiteral("~n");
        QTest::addRow("u diaeresis") << QStringLiteral("ü") << QStringLiteral("\\u");
        QTest::addRow("sharp s") << QStringLiteral("ß") << QStringLiteral("]s");
        QTest::addRow("a trigger typed as itself") << QStringLiteral("[") << QStringLiteral("[[");
        QTest::addRow("plain letter") << QStringLiteral("e") << QString();
        QTest::addRow("letter outside the table") << QStringLiteral("ø") << QString();
        QTest::addRow("e with a combining acute") << QStringLiteral("e\u0301") << QString();
        QTest::addRow("surrogate pair") << QString::fromUcs4(U"\U0001D11E") << QString();
        QTest::addRow("empty") << QString() << QString();
    }
    void triggerKeysFor()
    {
        QFETCH(QString, letter);
        QFETCH(QString, keys);
        const std::optional<TriggerPair> pair = TriggerKeysFor(letter);
        QCOMPARE(pair ? (QString() + pair->trigger + pair->followUp) : QString(), keys);
    }

    void everyTableResultHasKeysThatComposeIt()
    {
        for (QChar trigger : TriggerKeys) {
            for (char32_t code = 0; code <= 0xFFFF; ++code) {
                const QString result = ComposeResult(trigger, QChar(char16_t(code)));
                if (result.isEmpty())
                    continue;
                const std::optional<TriggerPair> pair = TriggerKeysFor(result);
                QVERIFY2(pair, qPrintable(result));
                QCOMPARE(ComposeResult(pair->trigger, pair->followUp), result);
            }
        }
    }

    void nonTableFollowUpDeletesSelection()
    {
        CompositionEngine engine;
        FakeField field;
        field.text = QStringLiteral("abc");
        field.selected = true;
        QCOMPARE(TypeKeys(engine, field, nullptr, QStringLiteral("[x")), QString());
        QCOMPARE(field.focusCount, 1);
    }

    void padShowsAndClearsFollowUps()
    {
        CompositionEngine engine;
        FakeField field;
        FakePad pad;
        QVERIFY(engine.ComposeKey({&pad, &field}, u']'));
        QCOMPARE(pad.shown, QStringLiteral("]"));
        QCOMPARE(engine.PendingTrigger(), std::optional<QChar>(u']'));
        QVERIFY(engine.ComposeKey({&pad, &field}, u'e'));
        QCOMPARE(pad.shown, QString());
        QCOMPARE(field.text, QStringLiteral("é"));
    }

    void triggerInOneFieldComposesInAnother()
    {
        CompositionEngine engine;
        FakeField first, second;
        FakePad firstPad, secondPad;
        QVERIFY(engine.ComposeKey({&firstPad, &first}, u'['));
        QVERIFY(engine.ComposeKey({&secondPad, &second}, u'e'));
        QCOMPARE(first.text, QString());
        QCOMPARE(second.text, QStringLiteral("è"));
        // Only the pad of the host that typed the follow-up is cleared.
        QCOMPARE(firstPad.shown, QStringLiteral("["));
    }

    void surrogatePairIsOneCharacter()
    {
        CompositionEngine engine;
        FakeField field;
        FakePad pad;
        const QString pair = QString::fromUcs4(U"\U00010348");
        QVERIFY(!engine.ComposeCharacter({&pad, &field}, pair));  // nothing pending: the field types it
        QVERIFY(engine.ComposeCharacter({&pad, &field}, u"["));
        QVERIFY(engine.ComposeCharacter({&pad, &field}, pair));
        QCOMPARE(field.text, pair);
        QVERIFY(!engine.PendingTrigger());
        QCOMPARE(pad.shown, QString());
    }

    void resetEndsPending()
    {
        CompositionEngine engine;
        FakeField field;
        TypeKeys(engine, field, nullptr, QStringLiteral("["));
        engine.ResetPending();
        QCOMPARE(TypeKeys(engine, field, nullptr, QStringLiteral("e")), QStringLiteral("e"));
    }

    void padLettersAreTheTableResults()
    {
        // Each pad cell holds what its column key composes with its row trigger.
        const QString lowerKeys[4] = {QStringLiteral("aeiou\"y$["), QStringLiteral("aeiou\"cs]"),
                                      QStringLiteral("aeiou'nao"), QStringLiteral("aeiou'h!?")};
        const QString upperKeys[4] = {QStringLiteral("AEIOU<Y.["), QStringLiteral("AEIOU>C.]"),
                                      QStringLiteral("AEIOU\"NAO"), QStringLiteral("AEIOU\"H-=")};
        const QChar rowTrigger[4] = {u'[', u']', u'^', u'\\'};
        for (int upper = 0; upper < 2; ++upper) {
            const auto &letters = upper ? UpperLetters() : LowerLetters();
            const QString *keys = upper ? upperKeys : lowerKeys;
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 9; ++column) {
                    // Vowels: index row*5+column; special columns 1..4 hold 20+2row, 21+2row,
                    // 28+2row, 29+2row. Row 2's special columns 2..4 belong to ~.
                    const int index = column < 5
                                          ? row * 5 + column
                                          : (column < 7 ? 20 + 2 * row + (column - 5) : 28 + 2 * row + (column - 7));
                    const QChar trigger = (row == 2 && column >= 6) ? QChar(u'~') : rowTrigger[row];
                    QCOMPARE(ComposeResult(trigger, keys[row][column]), letters[index]);
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_CompositionEngine)
#include "tst_CompositionEngine.moc"
