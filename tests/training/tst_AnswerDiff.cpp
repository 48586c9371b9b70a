#include "training/AnswerDiff.h"
#include "training/AnswerMarkup.h"

#include <QTest>

namespace {

/// The segments in one line: same text as it is, [typed/expected] for Wrong, [+typed] for
/// Extra and [-expected] for Missing.
QString Written(const QList<DiffSegment> &segments)
{
    QString text;
    for (const DiffSegment &segment : segments) {
        switch (segment.kind) {
        case DiffKind::Same: text += segment.typed; break;
        case DiffKind::Wrong: text += u'[' + segment.typed + u'/' + segment.expected + u']'; break;
        case DiffKind::Extra: text += QStringLiteral("[+") + segment.typed + u']'; break;
        case DiffKind::Missing: text += QStringLiteral("[-") + segment.expected + u']'; break;
        }
    }
    return text;
}

QString Clef(char32_t code)
{
    return QString::fromUcs4(&code, 1);
}

}  // namespace

/// The typed answer against the expected one: the aligned segments, the accent hints for the
/// letters the user missed, and the marked rich text.
class tst_AnswerDiff : public QObject
{
    Q_OBJECT

private slots:
    void diffsTheAnswer_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("segments");
        QTest::addColumn<QString>("hints");
        // clang-format off
        QTest::addRow("accent left out") << "cafe" << "café" << "caf[e/é]" << "é ＝ ] e";
        QTest::addRow("missing letter") << "hous" << "house" << "hous[-e]" << "";
        QTest::addRow("extra letter") << "housse" << "house" << "hous[+s]e" << "";
        QTest::addRow("transposition") << "hosue" << "house" << "ho[+s]u[-s]e" << "";
        QTest::addRow("wrong then extra") << "cafee" << "café" << "caf[e/é][+e]" << "é ＝ ] e";
        QTest::addRow("nothing typed") << "" << "café" << "[-café]" << "é ＝ ] e";
        QTest::addRow("nothing expected") << "abc" << "" << "[+abc]" << "";
        QTest::addRow("equal") << "house" << "house" << "house" << "";
        QTest::addRow("case") << "paris" << "Paris" << "[p/P]aris" << "";
        QTest::addRow("capital accent") << "Ecole" << "École" << "[E/É]cole" << "É ＝ ] E";
        QTest::addRow("n tilde") << "nino" << "niño" << "ni[n/ñ]o" << "ñ ＝ ~ n";
        QTest::addRow("u diaeresis") << "uber" << "über" << "[u/ü]ber" << "ü ＝ \\ u";
        QTest::addRow("sharp s for two letters") << "strasse" << "straße" << "stra[s/ß][+s]e" << "ß ＝ ] s";
        QTest::addRow("accented letter missing") << "Se" << "Señ" << "Se[-ñ]" << "ñ ＝ ~ n";
        QTest::addRow("letter in place of an accented one") << "Sen" << "Señ" << "Se[n/ñ]" << "ñ ＝ ~ n";
        QTest::addRow("right accent not hinted") << "éta" << "été" << "ét[a/é]" << "é ＝ ] e";
        QTest::addRow("each letter once, in order") << "creme brulee ete" << "crème brûlée été"
            << "cr[e/è]me br[u/û]l[e/é]e [e/é]t[e/é]" << "è ＝ [ e　û ＝ ^ u　é ＝ ] e";
        QTest::addRow("trigger key typed alone") << "a" << "a[" << "a[-[]" << "[ ＝ [ [";
        QTest::addRow("surrogate pairs sharing a high unit")
            << Clef(U'\U0001D11E') << Clef(U'\U0001D122') << "[" + Clef(U'\U0001D11E') + "/" + Clef(U'\U0001D122') + "]" << "";
        QTest::addRow("emoji missing") << "ok" << "ok" + Clef(U'\U0001F600') << "ok[-" + Clef(U'\U0001F600') + "]" << "";
        QTest::addRow("emoji for another") << "a" + Clef(U'\U0001F600') << "a" + Clef(U'\U0001F603')
            << "a[" + Clef(U'\U0001F600') + "/" + Clef(U'\U0001F603') + "]" << "";
        // clang-format on
    }
    void diffsTheAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(QString, segments);
        QFETCH(QString, hints);
        const AnswerDiff diff = DiffAnswer(typed, expected);
        QCOMPARE(Written(diff.segments), segments);
        QCOMPARE(diff.HintsText(), hints);
        // The segments rebuild both answers, and no two neighbours share a kind.
        QString typedBack, expectedBack;
        for (qsizetype i = 0; i < diff.segments.size(); ++i) {
            typedBack += diff.segments[i].typed;
            expectedBack += diff.segments[i].expected;
            if (i > 0)
                QVERIFY(diff.segments[i].kind != diff.segments[i - 1].kind);
        }
        QCOMPARE(typedBack, typed);
        QCOMPARE(expectedBack, expected);
    }

    void hintNamesItsKeys()
    {
        const AnswerDiff diff = DiffAnswer(u"cafe", u"café");
        QCOMPARE(diff.hints, (QList<AccentHint>{{QStringLiteral("é"), u']', u'e'}}));
        QCOMPARE(diff.hints.front().Text(), QStringLiteral("é \uFF1D ] e"));
    }

    void longAnswersAreAlignedUpToTheCap()
    {
        // At the cap: one letter changed in the middle is still found.
        QString expected(2000, u'x');
        QString typed = expected;
        typed[1000] = u'y';
        QCOMPARE(Written(DiffAnswer(typed, expected).segments), QString(1000, u'x') + "[y/x]" + QString(999, u'x'));
        // Beyond it, the whole answer is one Wrong segment.
        typed.append(u'x');
        const AnswerDiff beyond = DiffAnswer(typed, expected + u'x');
        QCOMPARE(beyond.segments, (QList<DiffSegment>{{DiffKind::Wrong, typed, expected + u'x'}}));
    }

    void marksTheAnswer_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("fragments");  // each in the rich text, in this order
        QTest::addRow("wrong letter red and underlined")
            << "cafe"
            << "café" << QStringList{"caf<span style=\"color:#D00000;", "underline;\">e</span>"};
        QTest::addRow("extra letter struck through")
            << "housse"
            << "house" << QStringList{"hous<span", "line-through;\">s</span>e"};
        QTest::addRow("missing letters shown as gaps in blue, a pair as one")
            << "hous"
            << "house\U0001D11E" << QStringList{"hous<span style=\"color:#0050D0;", "\">__</span>"};
        QTest::addRow("markup typed is text") << "<b>"
                                              << "<b>x" << QStringList{"&lt;b&gt;<span", "\">_</span>"};
        QTest::addRow("nothing typed") << ""
                                       << "café" << QStringList{"（未入力）"};
        QTest::addRow("spaces keep their width") << "a  b"
                                                 << "a b" << QStringList{"white-space:pre-wrap;"};
    }
    void marksTheAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(QStringList, fragments);
        const QString html = MarkedAnswerHtml(DiffAnswer(typed, expected));
        qsizetype from = 0;
        for (const QString &fragment : fragments) {
            const qsizetype at = html.indexOf(fragment, from);
            QVERIFY2(at >= 0, qPrintable(fragment + " in " + html));
            from = at + fragment.size();
        }
        QVERIFY(!html.contains("<b>"));
        if (!typed.isEmpty())
            QVERIFY(!html.contains(QString::fromUtf16(NotTypedText)));
    }
};

QTEST_APPLESS_MAIN(tst_AnswerDiff)
#include "tst_AnswerDiff.moc"
