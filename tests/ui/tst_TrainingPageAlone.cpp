#include "app/Settings.h"
#include "compose/CompositionEngine.h"
#include "dialogs/MessageSeam.h"
#include "support/BookFiles.h"
#include "support/QuizDriver.h"
#include "support/WidgetLookup.h"
#include "training/TQType1.h"
#include "training/TStdScore.h"
#include "training/TrainingPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QStringList Book(const QString &title, int words)
{
    QStringList lines{title, "01", "単語理解"};
    for (int i = 0; i < words; ++i)
        lines << QStringLiteral("\"w%1\",\"ph%1\",\"カナ%1\",\"語%1\",\"\",\"\"").arg(i);
    return lines;
}

}  // namespace

/// The training page on its own, without the main window: the window's part (the pages grown
/// when a book is chosen) is played by the test, message boxes are answered through hooks.
class tst_TrainingPageAlone : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    CompositionEngine engine_;
    Settings settings_;
    std::unique_ptr<TrainingPage> page_;
    QStringList asked_, messages_;
    bool answer_ = true;

    QString Books() const { return dir_.filePath("books"); }
    const QuizSession &Quiz() const { return page_->Session(); }
    QString Text(const char *label) const { return Find<QLabel>(page_.get(), label)->text(); }
    QPushButton *StartButton() const { return Find<QPushButton>(page_.get(), "StartBtn"); }

    void Choose(const QString &title)
    {
        auto *books = Find<QComboBox>(page_.get(), "ComboBox1");
        const int index = books->findText(title, Qt::MatchContains);
        QVERIFY2(index >= 0, qPrintable(title));
        books->setCurrentIndex(index);
        emit books->activated(index);
    }
    void AnswerWith(const QString &text) { ::AnswerWith(page_.get(), text); }
    void PressNext() { ::PressNext(page_.get()); }
    /// NEXT without judging up to the tenth question, which is judged wrong.
    void FinishSet()
    {
        while (Quiz().Position() < SetSize)
            PressNext();
        AnswerWith("wrong");
    }

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(Books()));
        WriteBook(Books() + "/pass.utx", Book("二勝負", 25));
        WriteBook(Books() + "/gone.utx", Book("消える", 10));
        asked_.clear();
        messages_.clear();
        answer_ = true;
        MessageSeam::Replace([this](const QString &m) { messages_ << m; },
                             [this](const QString &q) {
                                 asked_ << q;
                                 return answer_;
                             });
        const QString folder = dir_.path();
        page_ = std::make_unique<TrainingPage>(TrainingPage::Context{engine_,
                                                                     settings_,
                                                                     [folder] { return folder + "/books"; },
                                                                     [folder] { return folder; },
                                                                     [] { return QStringLiteral("英　語"); },
                                                                     [] { return 730; },
                                                                     [] { return 2026u; },
                                                                     nullptr,
                                                                     {}},
                                               nullptr);
        // What the main window does once the pages have grown for the chosen book.
        connect(page_.get(), &TrainingPage::BookChosen, page_.get(), [this] {
            page_->LowerProcedurePanel();
            page_->LoadTrainingBook();
            page_->SetStartEnabled(true, true);
        });
        page_->InitCaptions();
        page_->resize(740, 560);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
        page_->EnterTrainingPage();
    }
    void cleanup()
    {
        page_.reset();
        MessageSeam::Replace({}, {});
    }

    void runsAPassOfTwoSetsThroughItsQuestions()
    {
        Choose("二勝負");
        QCOMPARE(Quiz().Phase(), QuizPhase::Ready);
        QCOMPARE(Text("ZanLabel"), QStringLiteral("2"));
        QVERIFY(QFile::exists(dir_.filePath("RandLog.txt")));
        QTest::mouseClick(StartButton(), Qt::LeftButton);
        QTRY_VERIFY(page_->ProcedurePanelRaised());
        QCOMPARE(Text("ZanLabel"), QStringLiteral("1"));
        QVERIFY(!StartButton()->isEnabled());

        AnswerWith(Quiz().ExpectedAnswer());
        QCOMPARE(Quiz().Phase(), QuizPhase::Judged);
        QCOMPARE(Text("Label5"), QStringLiteral("正解!"));
        // START while a set runs does not begin it again: the score stays.
        page_->StartBtnClick();
        QCOMPARE(Quiz().Position(), 1);
        QCOMPARE(Quiz().Score(), 10);

        FinishSet();
        QCOMPARE(Quiz().Phase(), QuizPhase::SetOver);
        QTRY_COMPARE(Text("Label29"), QStringLiteral("駄目!"));  // 10 points

        // The next set is asked for; no keeps the set over.
        answer_ = false;
        PressNext();
        QCOMPARE(asked_, QStringList{QStringLiteral("次の勝負に行きますか？")});
        QCOMPARE(Quiz().Phase(), QuizPhase::SetOver);
        QCOMPARE(Text("ZanLabel"), QStringLiteral("1"));
        answer_ = true;
        PressNext();
        QCOMPARE(Quiz().Phase(), QuizPhase::Asking);
        QCOMPARE(Text("ZanLabel"), QStringLiteral("0"));
        QCOMPARE(Find<QLabel>(FindPad<TStdScore>(page_.get()), "Label2")->text(), QStringLiteral("0"));
        QVERIFY(!Find<QLabel>(page_.get(), "ManImage")->isVisible());

        // The end of the pass asks for a new order; the panel comes down and START works again.
        FinishSet();
        QCOMPARE(Quiz().Phase(), QuizPhase::PassOver);
        PressNext();
        QCOMPARE(asked_.last(), QStringLiteral("同じ単語帳を順番を変えて最初からやります？"));
        QCOMPARE(Quiz().Phase(), QuizPhase::Ready);
        QCOMPARE(Text("ZanLabel"), QStringLiteral("2"));
        QTRY_VERIFY(StartButton()->isEnabled());
        QVERIFY(!page_->ProcedurePanelRaised());
        // NEXT once the pass has gone asks nothing more.
        PressNext();
        QCOMPARE(asked_.size(), 3);
        QCOMPARE(Quiz().Phase(), QuizPhase::Ready);
    }

    void f8AsksForTheWordOfTheResultPage()
    {
        Choose("二勝負");
        QTest::mouseClick(StartButton(), Qt::LeftButton);
        QSignalSpy requests(page_.get(), &TrainingPage::EditWordRequested);
        page_->ResCallExecute();  // no result page yet
        QCOMPARE(requests.size(), 0);
        AnswerWith("x");
        page_->ResCallExecute();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0][0].toInt(), Quiz().CurrentWord());
        QCOMPARE(requests[0][1].toInt(), 25);
    }

    void aBookThatLostItsWordsLeavesNothingToStart()
    {
        Choose("二勝負");
        QVERIFY(StartButton()->isEnabled());
        // Listed with words, emptied before it is chosen: the book before must not be asked
        // under its name.
        WriteBook(Books() + "/gone.utx", Book("消える", 0));
        Choose("消える");
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QStringLiteral("学習には使えません。")));
        QCOMPARE(Quiz().Phase(), QuizPhase::NoBook);
        QVERIFY(!StartButton()->isEnabled());
        QCOMPARE(Text("ZanLabel"), QStringLiteral("0"));
    }
};

QTEST_MAIN(tst_TrainingPageAlone)
#include "tst_TrainingPageAlone.moc"
