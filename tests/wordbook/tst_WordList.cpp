#include "wordbook/WordList.h"

#include <QTest>

namespace {

WordEntries Words(const QStringList &foreign)
{
    WordEntries entries;
    for (const QString &word : foreign)
        entries.append({word, {}, {}, QStringLiteral("訳") + word, {}, {}});
    return entries;
}

QStringList Foreign(const WordEntries &entries)
{
    QStringList words;
    for (const WordEntry &entry : entries.ToList())
        words << entry.Foreign;
    return words;
}

}  // namespace

/// The rules of the word list: columns by word order, sorting, moving, take-over, fitting.
class tst_WordList : public QObject
{
    Q_OBJECT

private slots:
    void columnsFollowTheWordOrder()
    {
        QCOMPARE(FieldOfColumn(0, true), WordField::Foreign);
        QCOMPARE(FieldOfColumn(4, true), WordField::Japanese);
        QCOMPARE(FieldOfColumn(0, false), WordField::Japanese);
        QCOMPARE(FieldOfColumn(4, false), WordField::Foreign);
        QCOMPARE(FieldText({"go", "ɡoʊ", "ゴウ", "行く", "n", "r"}, WordField::Number, 4), QStringLiteral("5"));
        QCOMPARE(BoundColumnWidth(0, 79), 150);
        QCOMPARE(BoundColumnWidth(0, 500), 500);
        QCOMPARE(BoundColumnWidth(1, 81), 60);
        QCOMPARE(BoundColumnWidth(5, 800), 800);
    }

    void sorting()
    {
        WordEntries words = Words({"banana", "Apple", "cherry", "apple", "Banana"});
        SortEntries(words, WordField::Foreign, -1);  // the first sort of a column is descending
        QCOMPARE(Foreign(words), (QStringList{"cherry", "banana", "Banana", "Apple", "apple"}));
        SortEntries(words, WordField::Foreign, 1);
        QCOMPARE(Foreign(words), (QStringList{"Apple", "apple", "banana", "Banana", "cherry"}));
        // Kana compare by code unit: ア (U+30A2) before カ (U+30AB) before ｱ (U+FF71).
        WordEntries kana;
        for (const QString &k : {QStringLiteral("ｱ"), QStringLiteral("カ"), QStringLiteral("ア")})
            kana.append({k, {}, k, {}, {}, {}});
        SortEntries(kana, WordField::Kana, 1);
        QCOMPARE(Foreign(kana), (QStringList{"ア", "カ", "ｱ"}));
    }

    void moving_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("number");  // the moved word's new number
        QTest::addColumn<QString>("order");
        // clang-format off
        QTest::addRow("3 above 10") << 3 << 10 << 9 << "1 2 4 5 6 7 8 9 3 10";
        QTest::addRow("3 above 1") << 3 << 1 << 1 << "3 1 2 4 5 6 7 8 9 10";
        QTest::addRow("10 above 2") << 10 << 2 << 2 << "1 10 2 3 4 5 6 7 8 9";
        // clang-format on
    }
    void moving()
    {
        QFETCH(int, from);
        QFETCH(int, before);
        WordEntries words = Words(QStringLiteral("1 2 3 4 5 6 7 8 9 10").split(u' '));
        QTEST(int(MoveEntry(words, from, before)), "number");
        QTEST(Foreign(words).join(u' '), "order");
        QCOMPARE(MoveTargets(3, 10), (QList<qsizetype>{1, 2, 5, 6, 7, 8, 9, 10}));
        QVERIFY(MoveTargets(1, 1).isEmpty());
    }

    void takeOver()
    {
        const WordEntry word{"good#$0Dbye", "ɡʊdˈbaɪ", "グッドバイ", "さようなら", {}, {}};
        QCOMPARE(TakeOver(word, QuestionType::W, false).secondField, QStringLiteral("ɡʊdˈbaɪ"));
        QCOMPARE(TakeOver(word, QuestionType::W, true).secondField, QStringLiteral("グッドバイ"));
        QCOMPARE(TakeOver(word, QuestionType::B, false).secondField, QString());  // no phonetic text
        QCOMPARE(TakeOver(word, QuestionType::B, false).foreign, QStringLiteral("good\r\nbye"));
    }

    void fitting()
    {
        const auto width = [](const QString &text) { return int(text.size()) * 10; };  // 10 px a character
        QCOMPARE(FitText("abc", 40, width), QStringLiteral("abc"));
        QCOMPARE(FitText("abcdefgh", 60, width), QStringLiteral("abc..."));
        QCOMPARE(FitText("abcdefgh", 20, width), QStringLiteral("..."));
        QCOMPARE(FitText("abcdefgh", 80, width), QStringLiteral("abcde..."));

        // A field of a megabyte is fitted with a few short measurements, not one per character.
        qsizetype measured = 0, calls = 0;
        const auto counting = [&](const QString &text) {
            ++calls;
            measured += text.size();
            return int(text.size()) * 10;
        };
        QCOMPARE(FitText(QString(1 << 20, u'x'), 100, counting), QStringLiteral("xxxxxxx..."));
        QVERIFY(calls < 20);
        QVERIFY(measured < 20 * 1000);
    }
};

QTEST_APPLESS_MAIN(tst_WordList)
#include "tst_WordList.moc"
