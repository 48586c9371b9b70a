#include "dialogs/FileErrorText.h"
#include "lib/ULib.h"
#include "training/Judge.h"
#include "training/QuizRandom.h"
#include "training/QuizSession.h"
#include "training/QuizSets.h"
#include "training/RandLog.h"
#include "training/ReviewChoice.h"
#include "training/TrainingBook.h"
#include "training/Verdict.h"
#include "wordbook/WordBookFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

/// A generator that always starts from the same seed.
QuizRandom FixedRandom(quint32 seed = 12345)
{
    return QuizRandom([seed] { return seed; });
}

/// How often each row of a book of count words is asked by a set.
QList<int> RowCounts(const QList<int> &rows, int count)
{
    QList<int> counts(count, 0);
    for (int row : rows)
        ++counts[row];
    return counts;
}

/// A book of n words "w0" … as the training reader returns its lines.
QStringList Book(int n)
{
    QStringList lines{"Title", "G", "単語理解"};
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("\"w%1\",\"\",\"\",\"語%1\",\"\",\"\"").arg(i);
    return lines;
}

/// Records what the quiz shows and answers its questions.
struct RecordingFrontend : QuizFrontend {
    QList<int> remaining, scores, questions, progress;
    QStringList asked, events;
    int told = 0;  ///< every call but the confirmations
    bool answer = true;
    void ShowRemainingSets(int sets) override
    {
        remaining << sets;
        ++told;
    }
    void ShowQuestion(int row, const WordEntry &) override
    {
        questions << row;
        ++told;
    }
    void ShowProgress(int position) override
    {
        progress << position;
        ++told;
    }
    void ShowScore(int score) override
    {
        scores << score;
        ++told;
    }
    void ShowAnswerFeedback(bool correct) override
    {
        events << (correct ? "right" : "wrong");
        ++told;
    }
    void StartVerdict() override
    {
        events << "verdict";
        ++told;
    }
    void BeginSet() override
    {
        events << "set";
        ++told;
    }
    void EnableJudge() override { ++told; }
    bool ConfirmNextSet() override
    {
        asked << "next set";
        return answer;
    }
    bool ConfirmReshuffle() override
    {
        asked << "reshuffle";
        return answer;
    }
};

/// A quiz over a book of 25 words (two sets), taken to any phase the way the page takes it:
/// START, the panel raised, NEXT without judging to the tenth question.
struct QuizInPhase {
    RecordingFrontend frontend;
    QuizRandom random = FixedRandom();
    QuizSession quiz{frontend, random};

    explicit QuizInPhase(QuizPhase phase)
    {
        if (phase == QuizPhase::NoBook)
            return;
        quiz.LoadBook(Book(25));
        if (phase == QuizPhase::Ready)
            return;
        quiz.Start();
        quiz.SetRaised();
        if (phase == QuizPhase::Judged)
            quiz.Judge(u"wrong");
        if (phase == QuizPhase::Asking || phase == QuizPhase::Judged)
            return;
        FinishSet();
        if (phase == QuizPhase::PassOver) {
            quiz.Next();  // the second and last set
            FinishSet();
        }
        frontend.asked.clear();
    }
    void FinishSet()
    {
        while (quiz.Position() < SetSize)
            quiz.Next();
        quiz.Judge(u"wrong");
    }
};

}  // namespace

Q_DECLARE_METATYPE(QuizPhase)

class tst_Quiz : public QObject
{
    Q_OBJECT

private slots:
    void generatorFollowsItsRecurrence()
    {
        QuizRandom random = FixedRandom();
        random.Reseed();
        QList<quint32> states;
        for (int i = 0; i < 4; ++i) {
            random.NextReal();
            states << random.State();
        }
        QCOMPARE(states, (QList<quint32>{1655067934u, 1242767767u, 342459380u, 2377737157u}));
        random.Seed(12345);
        QCOMPARE(random.NextBelow(3), int((quint64(1655067934u) * 3) >> 32));
        QVERIFY(random.NextReal() < 1.0);
    }

    void shuffleIsFisherYatesFromTheTop()
    {
        QuizRandom random = FixedRandom();
        QList<int> order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        ShuffleOrder(order, 10, random);
        QCOMPARE(order, (QList<int>{5, 8, 7, 4, 1, 6, 9, 0, 2, 3}));
    }

    void buildSets_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("totalSets");
        QTest::addColumn<QList<int>>("timesAsked");  // per row, by the first set
        // clang-format off
        QTest::addRow("3 words") << 3 << 1 << QList<int>{4, 3, 3};
        QTest::addRow("9 words") << 9 << 1 << QList<int>{2, 1, 1, 1, 1, 1, 1, 1, 1};
        QTest::addRow("10 words") << 10 << 1 << QList<int>(10, 1);
        QTest::addRow("12 words") << 12 << 1 << QList<int>();
        QTest::addRow("25 words") << 25 << 2 << QList<int>();
        // clang-format on
    }
    void buildSets()
    {
        QFETCH(int, count);
        QuizRandom random = FixedRandom();
        const QuizSets sets = BuildSets(count, random);
        QTEST(sets.totalSets, "totalSets");
        QCOMPARE(sets.currentSet.size(), SetSize);
        QCOMPARE(sets.provisional, count < SetSize);
        QFETCH(QList<int>, timesAsked);
        if (!timesAsked.isEmpty())
            QCOMPARE(RowCounts(sets.currentSet, count), timesAsked);
        if (!sets.provisional) {
            // One permutation of every row; the sets take it ten at a time.
            QList<int> sorted = sets.order;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < count; ++i)
                QCOMPARE(sorted[i], i);
            QCOMPARE(sets.SetRows(1), sets.order.mid(10, 10));
        }
    }

    void randLogLine()
    {
        const QDateTime when(QDate(2026, 12, 10), QTime(9, 5, 7));
        const QLocale c = QLocale::c();
        QCOMPARE(RandLogLine(when, c, "Verbs", {2, 0, 1}, 3), c.toString(when.date(), QLocale::ShortFormat) + ' ' +
                                                                  c.toString(when.time(), QLocale::LongFormat) +
                                                                  ": Verbs : 3,1,2");
        // At exactly midnight the time is left out; only n numbers are written.
        const QDateTime midnight(QDate(2026, 12, 10), QTime(0, 0));
        QCOMPARE(RandLogLine(midnight, c, "T", {4, 9, 0, 1}, 2),
                 c.toString(midnight.date(), QLocale::ShortFormat) + ": T : 5,10");

        QTemporaryDir dir;
        QVERIFY(!WriteRandLog(dir.path(), "x : 1"));
        QFile file(dir.filePath(RandLogFileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xFF\xFEx\0 \0:\0 \0"
                                            "1\0\r\0\n\0",
                                            16));
        const std::optional<FileError> error = WriteRandLog(dir.filePath("missing/folder"), "x");
        QVERIFY(error);
        QCOMPARE(error->code, FileError::Code::CannotWrite);
        QVERIFY(FileErrorText(*error).contains(QStringLiteral("を作成できません。")));
    }

    void judge_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("correct");
        // clang-format off
        QTest::addRow("exact") << "colour" << "colour" << true;
        QTest::addRow("trailing space and line break") << " colour \r\n" << "colour" << true;
        QTest::addRow("case") << "Colour" << "colour" << false;
        QTest::addRow("accent") << "cafe" << "café" << false;
        QTest::addRow("empty") << "" << "" << false;
        QTest::addRow("spaces only") << "   " << "" << false;
        QTest::addRow("expected with a space at its end") << "go " << "go " << false;
        // clang-format on
    }
    void judge()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QTEST(IsCorrectAnswer(answer, expected), "correct");
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("picture");
        // clang-format off
        QTest::addRow("0") << 0 << "ﾁｮｯﾄ!" << "怒るよ" << 0;
        QTest::addRow("10") << 10 << "駄目!" << "もっと" << 1;
        QTest::addRow("40") << 40 << "ガンバ" << "復習!" << 2;
        QTest::addRow("70") << 70 << "順調" << "Good" << 3;
        QTest::addRow("90") << 90 << "惜しい" << "Close!" << 4;
        QTest::addRow("100") << 100 << "完璧!" << "Cool!" << 5;
        // clang-format on
    }
    void verdicts()
    {
        QFETCH(int, score);
        const SetVerdict verdict = SetVerdictFor(score);
        QTEST(verdict.left.text, "left");
        QTEST(verdict.right.text, "right");
        QTEST(verdict.picture, "picture");
        QCOMPARE(verdict.perfect, score == 100);
        QCOMPARE(AnswerFeedbackFor(true).left.text, QStringLiteral("正解!"));
        QCOMPARE(AnswerFeedbackFor(false).squares, 0x000080u);
    }

    void trainingReaderDecodesByByteOrderMark_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("題\r\nG\rW\n\"é\"");
        QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QTest::addRow("UTF-16 LE") << le;
        QTest::addRow("UTF-16 BE") << be;
        QTest::addRow("UTF-8") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    void trainingReaderDecodesByByteOrderMark()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(SplitBookLines(ULib::DecodeTextBytes(bytes)), (QStringList{"題", "G", "W", "\"é\""}));
    }

    void onlyRegularFilesAreOffered()
    {
        // Neither a named pipe nor a link to /dev/zero stops the list or the reader.
        QTemporaryDir dir;
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.utx")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.utx")));
        QFile book(dir.filePath("real.utx"));
        QVERIFY(book.open(QIODevice::WriteOnly));
        const QString text = QStringLiteral("\uFEFF題\r\nG\r\n単語理解\r\n\"a\",\"\",\"\",\"\",\"\",\"\"\r\n");
        book.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);  // UTF-16 LE with its mark
        book.close();
        const QList<TrainingBookItem> items = ListTrainingBooks(dir.path());
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].fileName, QStringLiteral("real.utx"));
        QVERIFY(ReadTrainingBook(dir.filePath("pipe.utx")).lines.isEmpty());
        QVERIFY(ReadTrainingBook(dir.filePath("zero.utx")).lines.isEmpty());
        QCOMPARE(ReadTrainingBook(dir.filePath("real.utx")).lines.size(), 4);
    }

    void aBookOfTwentyFiveWordsGivesTwoSets()
    {
        RecordingFrontend frontend;
        QuizRandom random = FixedRandom();
        QuizSession quiz(frontend, random);
        QVERIFY(!quiz.LoadBook(Book(0)));  // a book without words is refused
        QVERIFY(quiz.LoadBook(Book(25)));
        QCOMPARE(frontend.remaining, QList<int>{2});
        quiz.Start();
        quiz.SetRaised();
        QCOMPARE(frontend.remaining.last(), 1);
        QCOMPARE(quiz.ExpectedAnswer(), QStringLiteral("w%1").arg(quiz.CurrentSet()[0]));

        QVERIFY(quiz.Judge(quiz.ExpectedAnswer()).scored);
        QVERIFY(!quiz.Judge(quiz.ExpectedAnswer()).scored);  // only the first judgement scores
        QCOMPARE(quiz.Score(), 10);
        for (int i = 1; i < SetSize; ++i)
            QCOMPARE(quiz.Next(), QuizSession::NextStep::Question);  // NEXT without judging
        QCOMPARE(quiz.Position(), SetSize);
        quiz.Judge(u"wrong");
        QCOMPARE(frontend.events.last(), QStringLiteral("verdict"));
        QCOMPARE(quiz.Score(), 10);

        QCOMPARE(quiz.Next(), QuizSession::NextStep::NextSet);
        QCOMPARE(frontend.asked.last(), QStringLiteral("next set"));
        QCOMPARE(frontend.remaining.last(), 0);
        QCOMPARE(quiz.Score(), 0);
        for (int i = 1; i < SetSize; ++i)
            quiz.Next();
        QList<int> asked = frontend.questions;
        std::sort(asked.begin(), asked.end());
        QCOMPARE(std::unique(asked.begin(), asked.end()) - asked.begin(), 20);  // 20 different words

        frontend.answer = false;
        QCOMPARE(quiz.Next(), QuizSession::NextStep::Nothing);
        QCOMPARE(frontend.asked.last(), QStringLiteral("reshuffle"));
        frontend.answer = true;
        QCOMPARE(quiz.Next(), QuizSession::NextStep::Reshuffle);
    }

    void aReviewAsksTheChosenRowsInTheirOrder_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addRow("ten or more: the first ten, lowest box first")
            << QList<int>{7, 3, 9, 0, 1, 2, 4, 5, 6, 8, 10, 11};
        QTest::addRow("fewer: ten questions over them") << QList<int>{12, 5, 3};
    }
    void aReviewAsksTheChosenRowsInTheirOrder()
    {
        QFETCH(QList<int>, chosen);
        RecordingFrontend frontend;
        QuizRandom random = FixedRandom();
        QuizSession quiz(frontend, random);
        int choices = 0;
        QVERIFY(quiz.LoadBook(Book(20), [&] {
            ++choices;
            return chosen;
        }));
        QVERIFY(quiz.Review());
        QCOMPARE(quiz.Provisional(), chosen.size() < SetSize);
        QCOMPARE(frontend.remaining, QList<int>{1});  // one set, whatever the book's size
        quiz.Start();
        quiz.SetRaised();
        for (int i = 1; i < SetSize; ++i)
            quiz.Next();
        if (chosen.size() >= SetSize) {
            QCOMPARE(frontend.questions, chosen.mid(0, SetSize));
        } else {
            QCOMPARE(frontend.questions.size(), SetSize);
            QCOMPARE(frontend.questions.mid(0, chosen.size()), chosen);  // the weakest first
            for (int row : chosen)                                       // 3 rows: each asked three or four times
                QVERIFY(frontend.questions.count(row) >= SetSize / chosen.size());
        }
        // A new pass chooses again; once nothing is left to review, the review ends.
        quiz.Judge(u"x");
        QCOMPARE(quiz.Next(), QuizSession::NextStep::Reshuffle);
        QCOMPARE(choices, 2);
        chosen.clear();
        quiz.Start();
        quiz.SetRaised();
        for (int i = 1; i < SetSize; ++i)
            quiz.Next();
        QCOMPARE(quiz.Next(), QuizSession::NextStep::NothingLeft);
        QCOMPARE(quiz.Phase(), QuizPhase::NoBook);
        QVERIFY(!quiz.LoadBook(Book(20), [] { return QList<int>{}; }));
    }

    void theMissedAnswersAreThoseWrongAtTheirFirstJudgement()
    {
        RecordingFrontend frontend;
        QuizRandom random = FixedRandom();
        QuizSession quiz(frontend, random);
        QVERIFY(quiz.LoadBook(Book(20)));
        quiz.Start();
        QList<QuizSession::MissedAnswer> expected;
        for (int i = 0; i < SetSize; ++i) {
            if (i > 0)
                quiz.Next();
            const QuizSession::Judgement first =
                quiz.Judge(i % 3 == 0 ? QStringLiteral(" typo%1 ").arg(i) : quiz.ExpectedAnswer());
            QVERIFY(first.first);
            QCOMPARE(first.setOver, i == SetSize - 1);
            if (i % 3 == 0) {
                expected.append({quiz.CurrentWord(), QStringLiteral("typo%1").arg(i)});
                QCOMPARE(first.answer, expected.last().answer);  // blanks at both ends removed
            }
            QVERIFY(!quiz.Judge(u"again wrong").first);  // a later judgement is not missed
        }
        QCOMPARE(quiz.Missed().size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(quiz.Missed()[i].row, expected[i].row);
            QCOMPARE(quiz.Missed()[i].answer, expected[i].answer);
        }
        QCOMPARE(quiz.Next(), QuizSession::NextStep::NextSet);
        QVERIFY(quiz.Missed().isEmpty());  // a new set starts a new list
    }

    void aReviewShufflesOnlyWithinABox()
    {
        const QList<ReviewWord> chosen{{4, 0}, {8, 0}, {1, 0}, {9, 1}, {2, 1}, {7, 3}};
        QSet<QList<int>> orders;
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QuizRandom random = FixedRandom(seed);
            const QList<int> rows = ReviewRowsInBoxOrder(chosen, random);
            QCOMPARE(QSet<int>(rows.begin(), rows.begin() + 3), (QSet<int>{4, 8, 1}));  // box 0 first
            QCOMPARE(QSet<int>(rows.begin() + 3, rows.begin() + 5), (QSet<int>{9, 2}));
            QCOMPARE(rows.last(), 7);
            orders.insert(rows);
        }
        QVERIFY(orders.size() > 3);  // the words of a box do not always come in one order
    }

    void aProvisionalSetAgainAsksOnlyTheBooksWords()
    {
        // NEXT through a provisional set before the panel has risen: the set is asked again,
        // each question one of the book's rows (the permutation is of 0..9).
        RecordingFrontend frontend;
        QuizRandom random = FixedRandom();
        QuizSession quiz(frontend, random);
        QVERIFY(quiz.LoadBook(Book(2)));
        quiz.Start();
        for (int i = 0; i < 2 * SetSize; ++i)
            quiz.Next();
        QCOMPARE(frontend.questions.size(), 2 * SetSize);
        for (int row : frontend.questions)
            QVERIFY(row == 0 || row == 1);
    }

    void aBadWordLineAsksWithEmptyFields()
    {
        RecordingFrontend frontend;
        QuizRandom random = FixedRandom();
        QuizSession quiz(frontend, random);
        QVERIFY(
            quiz.LoadBook({"T", "G", "単語理解", "\"a\",\"b\"", "\"say #$22hi#$22\",\"\",\"\",\"挨拶\",\"\",\"\""}));
        QCOMPARE(quiz.WordAt(0), WordEntry());
        QCOMPARE(quiz.WordAt(1).Foreign, QStringLiteral("say \"hi\""));
        QCOMPARE(quiz.TypeName(), QStringLiteral("単語理解"));
    }

    void operationsActOnlyInTheirPhases_data()
    {
        QTest::addColumn<QuizPhase>("phase");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QuizPhase>("after");
        QTest::addColumn<bool>("acts");  ///< whether the frontend is told anything
        using P = QuizPhase;
        // clang-format off
        QTest::addRow("no book: start") << P::NoBook << "start" << P::NoBook << false;
        QTest::addRow("no book: raise") << P::NoBook << "raise" << P::NoBook << false;
        QTest::addRow("no book: judge") << P::NoBook << "judge" << P::NoBook << false;
        QTest::addRow("no book: next") << P::NoBook << "next" << P::NoBook << false;
        QTest::addRow("no book: next, no") << P::NoBook << "next, no" << P::NoBook << false;
        QTest::addRow("no book: a book without words") << P::NoBook << "load empty" << P::NoBook << false;
        QTest::addRow("ready: start") << P::Ready << "start" << P::Asking << true;
        QTest::addRow("ready: raise") << P::Ready << "raise" << P::Ready << false;
        QTest::addRow("ready: judge") << P::Ready << "judge" << P::Ready << false;
        QTest::addRow("ready: next") << P::Ready << "next" << P::Ready << false;
        QTest::addRow("ready: next, no") << P::Ready << "next, no" << P::Ready << false;
        QTest::addRow("asking: start") << P::Asking << "start" << P::Asking << false;
        QTest::addRow("asking: raise") << P::Asking << "raise" << P::Asking << true;
        QTest::addRow("asking: judge") << P::Asking << "judge" << P::Judged << true;
        QTest::addRow("asking: next") << P::Asking << "next" << P::Asking << true;
        QTest::addRow("asking: next, no") << P::Asking << "next, no" << P::Asking << true;
        QTest::addRow("judged: start") << P::Judged << "start" << P::Judged << false;
        QTest::addRow("judged: judge again") << P::Judged << "judge" << P::Judged << true;
        QTest::addRow("judged: next") << P::Judged << "next" << P::Asking << true;
        QTest::addRow("set over: start") << P::SetOver << "start" << P::SetOver << false;
        QTest::addRow("set over: raise") << P::SetOver << "raise" << P::PassOver << true;
        QTest::addRow("set over: judge again") << P::SetOver << "judge" << P::SetOver << true;
        QTest::addRow("set over: next") << P::SetOver << "next" << P::Asking << true;
        QTest::addRow("set over: next, no") << P::SetOver << "next, no" << P::SetOver << false;
        QTest::addRow("pass over: start") << P::PassOver << "start" << P::PassOver << false;
        QTest::addRow("pass over: raise") << P::PassOver << "raise" << P::PassOver << false;
        QTest::addRow("pass over: judge again") << P::PassOver << "judge" << P::PassOver << true;
        QTest::addRow("pass over: next") << P::PassOver << "next" << P::Ready << true;
        QTest::addRow("pass over: next, no") << P::PassOver << "next, no" << P::PassOver << false;
        QTest::addRow("pass over: leave") << P::PassOver << "leave" << P::NoBook << true;
        QTest::addRow("asking: a book without words") << P::Asking << "load empty" << P::NoBook << true;
        QTest::addRow("judged: another book") << P::Judged << "load" << P::Ready << true;
        // clang-format on
    }
    void operationsActOnlyInTheirPhases()
    {
        QFETCH(QuizPhase, phase);
        QFETCH(QString, operation);
        QuizInPhase q(phase);
        QCOMPARE(q.quiz.Phase(), phase);
        const int told = q.frontend.told, position = q.quiz.Position(), score = q.quiz.Score();
        q.frontend.answer = !operation.endsWith(u"no");
        if (operation == u"start")
            QCOMPARE(q.quiz.Start(), phase == QuizPhase::Ready);
        else if (operation == u"raise")
            q.quiz.SetRaised();
        else if (operation == u"judge")
            QCOMPARE(q.quiz.Judge(q.quiz.ExpectedAnswer()).judged,
                     phase != QuizPhase::Ready && phase != QuizPhase::NoBook);
        else if (operation.startsWith(u"next"))
            q.quiz.Next();
        else if (operation == u"leave")
            q.quiz.Leave();
        else
            QCOMPARE(q.quiz.LoadBook(Book(operation == u"load" ? 12 : 0)), operation == u"load");
        QTEST(q.quiz.Phase(), "after");
        QFETCH(bool, acts);
        QCOMPARE(q.frontend.told > told, acts);
        if (!acts) {
            QCOMPARE(q.quiz.Position(), position);
            QCOMPARE(q.quiz.Score(), score);
        }
    }

    void theEndOfASetAsksANamedQuestion_data()
    {
        QTest::addColumn<QuizPhase>("phase");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("step");
        using S = QuizSession::NextStep;
        // clang-format off
        QTest::addRow("next set: no") << QuizPhase::SetOver << false << "next set" << int(S::Nothing);
        QTest::addRow("next set: yes") << QuizPhase::SetOver << true << "next set" << int(S::NextSet);
        QTest::addRow("reshuffle: no") << QuizPhase::PassOver << false << "reshuffle" << int(S::Nothing);
        QTest::addRow("reshuffle: yes") << QuizPhase::PassOver << true << "reshuffle" << int(S::Reshuffle);
        // clang-format on
    }
    void theEndOfASetAsksANamedQuestion()
    {
        QFETCH(QuizPhase, phase);
        QFETCH(bool, answer);
        QuizInPhase q(phase);
        q.frontend.answer = answer;
        const int remaining = q.quiz.RemainingSets();
        QTEST(int(q.quiz.Next()), "step");
        QCOMPARE(q.frontend.asked.size(), 1);
        QTEST(q.frontend.asked.last(), "question");
        if (!answer) {  // everything stays, and NEXT asks again
            QCOMPARE(q.quiz.Phase(), phase);
            QCOMPARE(q.quiz.RemainingSets(), remaining);
            QCOMPARE(q.quiz.Position(), SetSize);
            QCOMPARE(q.quiz.Next(), QuizSession::NextStep::Nothing);
            QCOMPARE(q.frontend.asked.size(), 2);
        } else if (phase == QuizPhase::SetOver) {
            QCOMPARE(q.quiz.Position(), 1);
            QCOMPARE(q.quiz.Score(), 0);
            QCOMPARE(q.quiz.CurrentSet(), q.quiz.Order().mid(SetSize, SetSize));
        } else {  // a new pass: both sets remain, and START begins it
            QCOMPARE(q.quiz.RemainingSets(), 2);
            QCOMPARE(q.quiz.Next(), QuizSession::NextStep::Nothing);
            QVERIFY(q.quiz.Start());
            QCOMPARE(q.quiz.Position(), 1);
        }
    }

    void bookLinesSplitAtEveryBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("CR LF, blank line kept") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
        QTest::addRow("lone CR and LF") << "a\rb\nc" << QStringList{"a", "b", "c"};
        QTest::addRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::addRow("a break alone") << "\n" << QStringList{""};
        QTest::addRow("empty") << "" << QStringList{};
    }
    void bookLinesSplitAtEveryBreak()
    {
        QFETCH(QString, text);
        QTEST(SplitBookLines(text), "lines");
    }
};

QTEST_GUILESS_MAIN(tst_Quiz)
#include "tst_Quiz.moc"
