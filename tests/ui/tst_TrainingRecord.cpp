#include "app/Settings.h"
#include "compose/CompositionEngine.h"
#include "dialogs/MessageSeam.h"
#include "learning/LearningRecord.h"
#include "support/BookFiles.h"
#include "support/QuizDriver.h"
#include "support/WidgetLookup.h"
#include "training/LearningRecordAccess.h"
#include "training/MissedWordsPanel.h"
#include "training/TQType1.h"
#include "training/TStdScore.h"
#include "training/TrainingPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QStringList Book(int words)
{
    QStringList lines{QStringLiteral("語彙"), "01", "単語理解"};
    for (int i = 0; i < words; ++i)
        lines << QStringLiteral("\"w%1\",\"\",\"\",\"語%1\",\"\",\"\"").arg(i);
    return lines;
}

}  // namespace

/// The training page with a learning record: what it writes, the review entry it offers and
/// what a record that cannot be kept does to the training (nothing but one message).
class tst_TrainingRecord : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    CompositionEngine engine_;
    Settings settings_;
    std::unique_ptr<LearningRecordAccess> access_;
    std::unique_ptr<TrainingPage> page_;
    QStringList messages_;

    QString RecordPath() const { return dir_.filePath("Learning.sqlite"); }
    const QuizSession &Quiz() const { return page_->Session(); }
    QComboBox *Books() const { return Find<QComboBox>(page_.get(), "ComboBox1"); }
    static BookKey Key() { return {"G", "bookS", "words.utx", QStringLiteral("語彙")}; }

    void Choose(int index)
    {
        Books()->setCurrentIndex(index);
        emit Books()->activated(index);
        QTest::mouseClick(Find<QPushButton>(page_.get(), "StartBtn"), Qt::LeftButton);
        QCOMPARE(Quiz().Phase(), QuizPhase::Asking);
    }
    /// Answers the set's ten questions, the first wrongCount wrong; returns the rows missed.
    QList<int> AnswerSet(int wrongCount)
    {
        QList<int> missed;
        for (int i = 0; i < SetSize; ++i) {
            if (i > 0)
                PressNext(page_.get());
            if (i < wrongCount)
                missed << Quiz().CurrentWord();
            AnswerWith(page_.get(), i < wrongCount ? QStringLiteral("x") : Quiz().ExpectedAnswer());
        }
        return missed;
    }

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(dir_.filePath("books")));
        WriteBook(dir_.filePath("books/words.utx"), Book(12));
        messages_.clear();
        MessageSeam::Replace([this](const QString &m) { messages_ << m; }, [](const QString &) { return true; });
        access_ = std::make_unique<LearningRecordAccess>([this] { return RecordPath(); });
        const QString folder = dir_.path();
        page_ = std::make_unique<TrainingPage>(
            TrainingPage::Context{engine_, settings_, [folder] { return folder + "/books"; },
                                  [folder] { return folder; }, [] { return QStringLiteral("ドイツ語"); },
                                  [] { return 730; }, [] { return 2026u; }, access_.get(),
                                  [](const QString &file, const QString &title) {
                                      return BookKey{"G", "bookS", file, title};
                                  }},
            nullptr);
        connect(page_.get(), &TrainingPage::BookChosen, page_.get(), [this] {
            page_->LowerProcedurePanel();
            page_->LoadTrainingBook();
            page_->SetStartEnabled(true, true);
        });
        page_->InitCaptions();
        page_->resize(740, 560);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    }
    void cleanup()
    {
        page_.reset();
        access_.reset();
        QFile::remove(RecordPath());
        QFile::remove(RecordPath() + "-wal");
        QFile::remove(RecordPath() + "-shm");
        MessageSeam::Replace({}, {});
    }

    void aSetWithMissedWordsOffersAReviewThatAsksThemFirst()
    {
        page_->EnterTrainingPage();
        QCOMPARE(Books()->count(), 1);  // nothing recorded: no review yet
        Choose(0);
        const QList<int> missed = AnswerSet(3);
        QCOMPARE(Quiz().Missed().size(), 3);
        // With the verdict, the missed words cover the question; F8 asks for the first of them.
        MissedWordsPanel *panel = nullptr;
        QTRY_VERIFY((panel = FindPad<MissedWordsPanel>(page_.get())) && panel->isVisible());
        QCOMPARE(Find<QTableWidget>(panel, "MissedWordsTable")->rowCount(), 3);
        QSignalSpy edits(page_.get(), &TrainingPage::EditWordRequested);
        page_->ResCallExecute();
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits[0][0].toInt(), missed[0]);
        QTest::mouseClick(Find<QPushButton>(panel, "BackToQuestionBtn"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());

        // Written as judged: three words in box 0, seven in box 1, and the set's score.
        LearningRecord record;
        QVERIFY(!record.Open(RecordPath()));
        const QHash<WordKey, int> boxes = record.Boxes(Key());
        QCOMPARE(boxes.size(), 10);
        for (int row : missed)
            QCOMPARE(boxes.value({QStringLiteral("w%1").arg(row), QStringLiteral("語%1").arg(row)}, -1), 0);
        QCOMPARE(std::count(boxes.begin(), boxes.end(), 1), 7);
        QCOMPARE(record.SetScores(Key()).size(), 1);
        QCOMPARE(record.SetScores(Key())[0].score, 70);

        // The set's end offers the review at once, below its book, the book still chosen.
        QCOMPARE(Books()->count(), 2);
        // Every word asked is below the top box: ten to review.
        QCOMPARE(Books()->itemText(1), QStringLiteral("　【復習】語彙　・・・　（10語）"));
        QCOMPARE(Books()->currentIndex(), 0);
        Choose(1);
        QVERIFY(Quiz().Review());
        QList<int> firstThree = Quiz().CurrentSet().mid(0, 3);
        std::sort(firstThree.begin(), firstThree.end());
        QList<int> expected = missed;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(firstThree, expected);
        QVERIFY(messages_.isEmpty());
    }

    void wordsKeepTheirRecordWhenTheBookIsSortedOrEdited()
    {
        page_->EnterTrainingPage();
        Choose(0);
        const QList<int> missed = AnswerSet(3);
        // Another order, other kana for every word, the first missed word deleted: the others
        // are still reviewed, at their new rows; the deleted one is not asked.
        QStringList lines = Book(12);
        QStringList words = lines.mid(3);
        std::reverse(words.begin(), words.end());
        for (QString &word : words)
            word.replace(QStringLiteral("\"\",\"\",\"語"), QStringLiteral("\"\",\"かな\",\"語"));
        words.removeOne(QStringLiteral("\"w%1\",\"\",\"かな\",\"語%1\",\"\",\"\"").arg(missed[0]));
        QCOMPARE(words.size(), 11);
        WriteBook(dir_.filePath("books/words.utx"), lines.mid(0, 3) + words);

        page_->EnterTrainingPage();
        QCOMPARE(Books()->itemText(1), QStringLiteral("　【復習】語彙　・・・　（9語）"));  // one deleted
        Choose(1);
        QSet<QString> firstTwo;
        for (int row : Quiz().CurrentSet().mid(0, 2))
            firstTwo << Quiz().WordAt(row).Foreign;
        QCOMPARE(firstTwo, (QSet<QString>{QStringLiteral("w%1").arg(missed[1]), QStringLiteral("w%1").arg(missed[2])}));
        for (int row : Quiz().CurrentSet())
            QVERIFY(Quiz().WordAt(row).Foreign != QStringLiteral("w%1").arg(missed[0]));
    }

    void aRecordThatCannotBeKeptIsToldOnceAndTheTrainingGoesOn()
    {
        QFile damaged(RecordPath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        const QByteArray bytes(4096, 'Q');
        damaged.write(bytes);
        damaged.close();

        page_->EnterTrainingPage();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QStringLiteral("記録を残さずに")));
        Choose(0);
        AnswerSet(2);
        QCOMPARE(Quiz().Score(), 80);
        page_->EnterTrainingPage();
        QCOMPARE(messages_.size(), 1);  // once only
        QCOMPARE(Books()->count(), 1);  // no review without a record
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), bytes);  // the file is left as it was
    }
};

QTEST_MAIN(tst_TrainingRecord)
#include "tst_TrainingRecord.moc"
