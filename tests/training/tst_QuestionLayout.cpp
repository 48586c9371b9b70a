#include "training/QuestionLayout.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QuestionType>)

/// The question frame's stack of boxes: the type's drawn heights, grown to whole lines of the
/// fonts in use, and lines given up in a frame too low for them and the pages below.
class tst_QuestionLayout : public QObject
{
    Q_OBJECT

private slots:
    void stacksTheBoxesForTheFonts_data()
    {
        QTest::addColumn<std::optional<QuestionType>>("type");
        QTest::addColumn<bool>("tall");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<int>("pagesTop");
        // With a chrome of 10 pixels per box.
        // clang-format off
        QTest::addRow("small fonts keep the drawn heights")
            << std::optional(QuestionType::B) << false << 10 << 600 << QList{2, 3, 1, 1} << QList{50, 94, 42, 42} << 250;
        QTest::addRow("large fonts grow to whole lines")
            << std::optional(QuestionType::B) << false << 33 << 600 << QList{2, 3, 1, 1} << QList{76, 109, 43, 43} << 293;
        QTest::addRow("tall window, more lines")
            << std::optional(QuestionType::B) << true << 33 << 700 << QList{3, 3, 2, 2} << QList{109, 109, 76, 76} << 392;
        QTest::addRow("vocabulary")
            << std::optional(QuestionType::W) << false << 20 << 600 << QList{2, 1, 1, 1} << QList{50, 50, 45, 45} << 232;
        QTest::addRow("unknown type as vocabulary")
            << std::optional<QuestionType>() << true << 20 << 600 << QList{2, 1, 1, 1} << QList{50, 50, 45, 45} << 232;
        QTest::addRow("one line less for the expected answer")
            << std::optional(QuestionType::C) << true << 30 << 507 << QList{2, 3, 3, 2} << QList{70, 100, 100, 70} << 357;
        QTest::addRow("a low frame leaves one line each")
            << std::optional(QuestionType::C) << true << 30 << 300 << QList{1, 1, 1, 1} << QList{40, 40, 40, 40} << 177;
        // clang-format on
    }
    void stacksTheBoxesForTheFonts()
    {
        QFETCH(std::optional<QuestionType>, type);
        QFETCH(bool, tall);
        QFETCH(int, lineHeight);
        QFETCH(int, frameHeight);
        const BoxMetrics box{lineHeight, 10};
        const QuestionStack stack = PlanQuestionStack(type, tall, {box, box, box, box}, frameHeight);
        QTEST(QList<int>(stack.lines.begin(), stack.lines.end()), "lines");
        QTEST(QList<int>(stack.heights.begin(), stack.heights.end()), "heights");
        QTEST(stack.pagesTop, "pagesTop");
        for (int i = 0; i < 4; ++i)
            QVERIFY(stack.heights[i] >= stack.lines[i] * lineHeight + box.chrome);
    }
};

QTEST_APPLESS_MAIN(tst_QuestionLayout)
#include "tst_QuestionLayout.moc"
