#include "mainwindow/TrainingWordJump.h"
#include "support/BookFiles.h"
#include "support/MainWindowFixture.h"
#include "training/TQType1.h"
#include "training/TStdScore.h"
#include "training/TrainingPage.h"
#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

namespace {

QString Word(int i)
{
    return QStringLiteral("\"w%1\",\"ph%1\",\"カナ%1\",\"語%1\",\"\",\"\"").arg(i);
}

QStringList Book(const QString &title, int words)
{
    QStringList lines{title, "01", "単語理解"};
    for (int i = 0; i < words; ++i)
        lines << Word(i);
    return lines;
}

const QString LongJapanese =
    QStringLiteral("お店は日曜日に閉まっていましたので、私たちは次の月曜日の朝早くにもう一度出かけて、"
                   "ようやく欲しかった本を買うことができました。");
const QString LongAnswer =
    QStringLiteral("The shop was closed on Sunday, so we went back early on Monday morning and bought the book.");

/// A book of ten words of one type, each with the long texts.
QStringList LongBook(const QString &title, const QString &type, const QString &secondField)
{
    QStringList lines{title, "01", type};
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("\"%1\",\"%2\",\"ミセ\",\"%3\",\"\",\"\"").arg(LongAnswer, secondField, LongJapanese);
    return lines;
}

/// Every line of a box can be read: all of them fit, or a scroll bar reaches the rest (shown
/// once the box has taken in its new range); and the box is at least one whole line of its
/// font tall.
void VerifyLinesReachable(const QPlainTextEdit *box, const QString &sample)
{
    const QScrollBar *bar = box->verticalScrollBar();
    QTRY_VERIFY2(bar->maximum() == 0 || bar->isVisible(),
                 qPrintable(box->objectName() + QStringLiteral(": lines hidden without a scroll bar")));
    QTextLayout layout(sample, box->document()->defaultFont());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    QVERIFY2(box->viewport()->height() >= line.height() + 2 * box->document()->documentMargin(),
             qPrintable(box->objectName() + QStringLiteral(" is lower than a line")));
}

/// Where a label's dark ink lies, in its parent's coordinates.
QRect InkRect(QLabel *label)
{
    const QImage image = label->grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink.translated(label->pos());
}

/// The contrast ratio of two colours (1 to 21).
double Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void PressEnter(QWidget *field)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(field, &press);
}

}  // namespace

/// The training page in the running main window: the book list, the sets of a book, a whole
/// set answered through the answer box, the verdict, the next-set and reshuffle questions, and
/// the F8 jump to the word dialog.
class tst_TrainingPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    QString Folder() const { return f_->home->documentsFolder() + "/English/bookS"; }
    TrainingPage *Page() const { return w_->findChild<TrainingPage *>("TrainingPage"); }
    const QuizSession &Quiz() const { return Page()->Session(); }
    TrainingWordJump *Jump() const { return w_->findChild<TrainingWordJump *>("TrainingWordJump"); }
    TQType1 *Frame() const { return FindPad<TQType1>(w_); }
    QPlainTextEdit *Answer() const { return Find<QPlainTextEdit>(Frame(), "Memo5"); }
    QString Text(const char *label) const { return Find<QLabel>(w_, label)->text(); }

    void Start()
    {
        f_->WriteParameters("FirstPage,2\r\nCurrentFolderIndex,2\r\nMainWidth,740\r\nMainHeight,730\r\n");
        QDir().mkpath(Folder());
        WriteBook(Folder() + "/ten.utx", Book("十語", 10));
        WriteBook(Folder() + "/three.utx", Book("三語", 3));
        WriteBook(Folder() + "/empty.utx", Book("空", 0));
        w_ = f_->Start();
        QVERIFY(w_);
        Page()->Random().SetSeedSource([] { return 2026u; });
    }
    /// Picks the book whose item names title and waits until it is loaded.
    void Choose(const QString &title)
    {
        auto *books = Find<QComboBox>(w_, "ComboBox1");
        const int index = books->findText(title, Qt::MatchContains);
        QVERIFY2(index >= 0, qPrintable(title));
        books->setCurrentIndex(index);
        emit books->activated(index);
        QTRY_VERIFY(Find<QPushButton>(w_, "StartBtn")->isEnabled());
    }
    void PressStart()
    {
        QTest::mouseClick(Find<QPushButton>(w_, "StartBtn"), Qt::LeftButton);
        QTRY_VERIFY(Page()->ProcedurePanelRaised());
    }
    void AnswerWith(const QString &text)
    {
        Answer()->setPlainText(text);
        PressEnter(Answer());
    }
    void PressNext() { QTest::mouseClick(Find<QPushButton>(FindPad<TStdScore>(w_), "NextBtn"), Qt::LeftButton); }
    QString StatusText() const { return Find<QLabel>(w_, "StatusPanel0")->text(); }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f_.reset(); }

    void offersBooksWithWordsAndBuildsProvisionalSets()
    {
        Start();
        auto *books = Find<QComboBox>(w_, "ComboBox1");
        QVERIFY(books->findText(QStringLiteral("　十語　[01]　・・・　[単語理解]　・・・　（10個）")) >= 0);
        QVERIFY(books->findText(QStringLiteral("（3個）"), Qt::MatchEndsWith) >= 0);
        QCOMPARE(books->findText(QStringLiteral("空"), Qt::MatchContains), -1);
        QCOMPARE(books->placeholderText(), QStringLiteral("学習する単語帳を選んで、STARTボタンを押して下さい。"));

        Choose("三語");
        QVERIFY(!Find<QPlainTextEdit>(w_, "Memo1")->isVisible());  // the page fills the window
        QCOMPARE(Text("ZanLabel"), QStringLiteral("1"));
        QVERIFY(Find<QLabel>(w_, "Label33")->isVisible());
        QCOMPARE(w_->findChild<WordBookPage *>()->Book().Title, QStringLiteral("三語"));
        // The shuffle log: three distinct numbers from 1 to 10.
        const QStringList log = ReadTrainingBook(f_->home->documentsFolder() + "/usr/RandLog.txt").lines;
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].contains(QStringLiteral(": 三語 : ")));
        QStringList numbers = log[0].section(QStringLiteral(" : "), 1).split(',');
        QCOMPARE(numbers.size(), 3);
        numbers.removeDuplicates();
        QCOMPARE(numbers.size(), 3);

        PressStart();
        QCOMPARE(Text("ZanLabel"), QStringLiteral("0"));
        QVERIFY(Find<QLabel>(FindPad<TStdScore>(w_), "Label6")->isVisible());  // 10問未満
        QList<int> rows = Quiz().CurrentSet();
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (QList<int>{0, 0, 0, 0, 1, 1, 1, 2, 2, 2}));
    }

    void aPageBuiltHiddenIsLaidOutOnItsFirstShow()
    {
        // Started on the input page, the training page measures nothing until it shows.
        f_->WriteParameters("FirstPage,0\r\nMainWidth,740\r\nMainHeight,730\r\n");
        w_ = f_->Start();
        QVERIFY(w_);
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::Training);
        auto *count = Find<QLabel>(w_, "ZanLabel");
        const QWidget *square = count->parentWidget();
        QCOMPARE(count->size(), count->sizeHint());
        QCOMPARE(count->pos(),
                 QPoint((square->width() - count->width()) * 2 / 3, (square->height() - count->height()) / 2));
        const QWidget *quizArea = Find<QWidget>(w_, "Panel11");
        QCOMPARE(Find<QWidget>(w_, "Shape3")->geometry().right(), quizArea->width() - 1);
        QCOMPARE(Find<QWidget>(w_, "Panel16")->geometry().bottom(), quizArea->height() - 1);
    }

    void aWholeSetScoresOnlyFirstJudgementsAndEndsInAVerdict()
    {
        Start();
        Choose("十語");
        QCOMPARE(Text("ZanLabel"), QStringLiteral("1"));
        QVERIFY(!Find<QLabel>(w_, "Label33")->isVisible());
        PressStart();
        auto *score = Find<QLabel>(FindPad<TStdScore>(w_), "Label2");
        QCOMPARE(score->text(), QStringLiteral("0"));

        // Composition in the answer box.
        QTest::keyClicks(Answer(), "caf]e");
        QCOMPARE(Answer()->toPlainText(), QStringLiteral("café"));

        for (int question = 1; question <= 10; ++question) {
            QCOMPARE(Quiz().Position(), question);
            if (question == 3) {
                AnswerWith("wrong");
                QCOMPARE(Text("Label5"), QStringLiteral("間違い"));
            }
            AnswerWith(Quiz().ExpectedAnswer() + ' ');  // a trailing space is trimmed
            QCOMPARE(Text("Label5"), QStringLiteral("正解!"));
            QCOMPARE(score->text(), QString::number(question < 3 ? question * 10 : (question - 1) * 10));
            if (question == 5) {
                auto *filled = Find<TShape>(FindPad<TStdScore>(w_), "Shape4");
                QCOMPARE(filled->x(), 105);
                QCOMPARE(filled->width(), 152);
            }
            if (question < 10)
                PressNext();
        }
        QVERIFY(!Find<QLabel>(w_, "Label29")->isVisible());
        QTRY_COMPARE(Text("Label29"), QStringLiteral("惜しい"));
        QCOMPARE(Text("Label30"), QStringLiteral("Close!"));
        QVERIFY(Find<QLabel>(w_, "ManImage")->isVisible() && Find<QLabel>(w_, "WomanImage")->isVisible());
        QCOMPARE(Find<QLabel>(w_, "ManImage")->property("pose").toInt(), 4);

        // After the tenth question NEXT asks for a new pass: the panel comes down again.
        PressNext();
        QCOMPARE(f_->asked.last(), QStringLiteral("同じ単語帳を順番を変えて最初からやります？"));
        QTRY_VERIFY(Find<QPushButton>(w_, "StartBtn")->isEnabled());
        QCOMPARE(Text("ZanLabel"), QStringLiteral("1"));
    }

    void nextBeforeJudgingSkipsWithoutScore()
    {
        Start();
        Choose("十語");
        PressStart();
        PressNext();
        QCOMPARE(Quiz().Position(), 2);
        QCOMPARE(Quiz().Score(), 0);
        AnswerWith("");  // an empty answer is wrong
        QCOMPARE(Text("Label6"), QStringLiteral("残念!"));
    }

    void questionFrameLayoutFollowsTypeAndWindowHeight_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("windowHeight");
        QTest::addColumn<int>("answerHeight");  ///< as drawn; grown only to finish a line of the font
        QTest::addColumn<QString>("guide");
        // clang-format off
        QTest::addRow("B at 800") << "空欄補充" << 800 << 68 << "問題文の答えを英語で解答欄に入れて下さい。";
        QTest::addRow("B at 799") << "空欄補充" << 799 << 42 << "問題文の答えを英語で解答欄に入れて下さい。";
        QTest::addRow("C at 800") << "作文問題" << 800 << 90 << "指示文の内容を読み、日本語の文章を英語にして下さい。";
        QTest::addRow("W") << "単語理解" << 900 << 45 << "日本語に対する英語を解答欄に入れて下さい。";
        // clang-format on
    }
    void questionFrameLayoutFollowsTypeAndWindowHeight()
    {
        QFETCH(QString, type);
        QFETCH(int, windowHeight);
        CompositionEngine engine;
        Settings settings;
        int rememberedPage = TQType1::GuidePage;
        TQType1 frame(
            {engine, settings, QStringLiteral("英　語"), [windowHeight] { return windowHeight; }, rememberedPage}, type,
            nullptr);
        frame.resize(1400, 600);  // wide enough for the guide in one line
        frame.SetupForType();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QFETCH(int, answerHeight);
        const auto *answer = Find<QPlainTextEdit>(&frame, "Memo5");
        QVERIFY(answer->height() >= answerHeight);
        QVERIFY(answer->height() < answerHeight + answer->fontMetrics().lineSpacing());
        QCOMPARE(Find<QPlainTextEdit>(&frame, "Memo4")->height(), Find<QPlainTextEdit>(&frame, "Memo5")->height());
        QTEST(Find<QLabel>(&frame, "Label6")->text(), "guide");
        QVERIFY(!Find<QLabel>(&frame, "Label7")->isVisible());
        QCOMPARE(Find<QWidget>(&frame, "SpeedButton1")->isVisible(), type == QStringLiteral("単語理解"));
    }

    void f8OpensTheWordDialogOnTheWord()
    {
        Start();
        Choose("十語");
        PressStart();
        const int row = Quiz().CurrentWord();
        AnswerWith("x");
        QString shown;
        TrainingWordJump::Stage stageWhileShown = TrainingWordJump::Stage::Idle;
        bool listWaited = false;
        auto *watch = new QTimer(this);
        connect(watch, &QTimer::timeout, this, [&, watch] {
            listWaited = listWaited || Jump()->CurrentStage() == TrainingWordJump::Stage::WaitingForList;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("TRegFrm") && top->isVisible()) {
                    shown = Find<QLineEdit>(top, "Edit1")->text();
                    stageWhileShown = Jump()->CurrentStage();
                    watch->stop();
                    static_cast<QDialog *>(top)->reject();
                }
            }
        });
        watch->start(20);
        Find<QAction>(w_, "ResCall")->trigger();
        QCOMPARE(Jump()->CurrentStage(), TrainingWordJump::Stage::SwitchingPage);
        QVERIFY(Jump()->OpensBookAtOnce());
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringLiteral("w%1").arg(row), 10000);
        QVERIFY(listWaited);
        QCOMPARE(stageWhileShown, TrainingWordJump::Stage::OpeningDialog);
        QCOMPARE(Find<QTabWidget>(w_, "PageControl1")->currentIndex(), int(TMainFrm::WordBook));
        QTRY_VERIFY(Find<QPlainTextEdit>(w_, "Memo1")->isVisible());  // back to the normal height
        QCOMPARE(Jump()->CurrentStage(), TrainingWordJump::Stage::Idle);
        QVERIFY(!Jump()->OpensBookAtOnce());
        QVERIFY(!Find<QTimer>(w_, "CallTimer")->isActive());
    }

    void returningToTheTrainingDropsTheF8Jump()
    {
        Start();
        Choose("十語");
        PressStart();
        AnswerWith("x");
        auto *pages = Find<QTabWidget>(w_, "PageControl1");
        Find<QAction>(w_, "ResCall")->trigger();
        QCOMPARE(pages->currentIndex(), int(TMainFrm::WordBook));
        pages->setCurrentIndex(TMainFrm::Training);  // before the word-book page has settled
        QCOMPARE(Jump()->CurrentStage(), TrainingWordJump::Stage::Idle);
        pages->setCurrentIndex(TMainFrm::WordBook);
        QTRY_VERIFY(Find<QPlainTextEdit>(w_, "Memo1")->isVisible());
        QTest::qWait(300);  // three ticks of CallTimer, had it been started
        QCOMPARE(Jump()->CurrentStage(), TrainingWordJump::Stage::Idle);
        QVERIFY(!Find<QTimer>(w_, "CallTimer")->isActive());
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY(top->objectName() != QLatin1String("TRegFrm") || !top->isVisible());
    }

    void everyQuestionLineCanBeReadAtTheDefaultSize_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("secondField");
        QTest::addRow("W") << "単語理解"
                           << "ʃɒp";
        QTest::addRow("B")
            << "空欄補充"
            << "The shop (   ) closed on Sunday, so we went back early on Monday morning and bought the book.";
        QTest::addRow("C") << "作文問題"
                           << "「お店は日曜日に閉まっていました。」を英語にしなさい。過去形を使い、理由を表す接続詞を"
                              "一つ入れて、二つの文を一つにまとめること。";
    }
    void everyQuestionLineCanBeReadAtTheDefaultSize()
    {
        QFETCH(QString, type);
        QFETCH(QString, secondField);
        QDir().mkpath(Folder());
        WriteBook(Folder() + "/long.utx", LongBook("長文", type, secondField));
        Start();
        QCOMPARE(w_->size(), QSize(740, 730));
        Choose("長文");
        PressStart();
        AnswerWith(LongAnswer + " and more");  // the answer box and the expected answer hold long lines too
        QCOMPARE(Find<QPlainTextEdit>(Frame(), "Memo3")->toPlainText(), LongJapanese);
        // The question may mix Japanese into any line; the answers are European.
        for (auto [name, sample] : {std::pair{"Memo3", "Ág日本"}, std::pair{"Memo2", "Ág日本"},
                                    std::pair{"Memo5", "Ág"}, std::pair{"Memo4", "Ág"}})
            VerifyLinesReachable(Find<QPlainTextEdit>(Frame(), name), QString::fromUtf8(sample));
        // The boxes stay in their order, above the pages.
        int top = 0;
        for (const char *name : {"Memo3", "Memo2", "Memo5", "Memo4", "PageControl1"}) {
            const QWidget *part = Find<QWidget>(Frame(), name);
            QVERIFY2(part->y() >= top, name);
            top = part->geometry().bottom();
        }
        QVERIFY(top < Frame()->height());
    }

    void procedureLinesFitTheirPanel()
    {
        Start();
        Choose("三語");
        const QWidget *panel = Find<QWidget>(w_, "Panel16");
        for (const char *name : {"Label14", "Label15", "Label16", "Label17", "Label18", "Label31", "Label33"}) {
            auto *line = Find<QLabel>(w_, name);
            QVERIFY2(line->isVisible(), name);
            QVERIFY2(panel->rect().contains(line->geometry()), name);
            const bool whole = line->wordWrap() ? line->heightForWidth(line->width()) <= line->height()
                                                : line->sizeHint().width() <= line->width();
            QVERIFY2(whole, name);
        }
        QVERIFY(Find<QLabel>(w_, "Label33")->y() >= Find<QLabel>(w_, "Label31")->geometry().bottom() + 30);
    }

    void aPerfectSetShowsSquaresVerdictPicturesAndTheScoreInItsBox()
    {
        Start();
        Choose("十語");
        PressStart();
        for (int question = 1; question <= 10; ++question) {
            AnswerWith(Quiz().ExpectedAnswer());
            if (question < 10)
                PressNext();
        }
        QTRY_VERIFY(Find<QLabel>(w_, "Label29")->isVisible());
        const QWidget *area = Find<QWidget>(w_, "Panel11");
        const QRect left = Find<TShape>(w_, "Shape2")->geometry(), right = Find<TShape>(w_, "Shape3")->geometry();
        QCOMPARE(left, QRect(0, 0, 100, 100));
        QCOMPARE(right, QRect(area->width() - 100, 0, 100, 100));
        for (auto [name, square] : {std::pair{"Label5", left}, std::pair{"Label29", left}, std::pair{"Label6", right},
                                    std::pair{"Label30", right}})
            QVERIFY2(square.contains(Find<QLabel>(w_, name)->geometry()), name);
        QVERIFY(Find<QLabel>(w_, "Label5")->geometry().center().y() <
                Find<QLabel>(w_, "Label29")->geometry().center().y());
        const QRect woman = Find<QLabel>(w_, "WomanImage")->geometry(), man = Find<QLabel>(w_, "ManImage")->geometry();
        QCOMPARE(woman.size(), QSize(97, 100));
        QCOMPARE(man.size(), QSize(97, 100));
        QVERIFY(woman.top() > left.bottom() && man.top() > right.bottom());
        QCOMPARE(woman.left(), 0);
        QCOMPARE(man.right(), area->width() - 1);

        // "100" inside its box, clear of the 2-pixel border.
        TStdScore *board = FindPad<TStdScore>(w_);
        auto *score = Find<QLabel>(board, "Label2");
        QCOMPARE(score->text(), QStringLiteral("100"));
        QVERIFY(score->font().bold());
        const QRect box = Find<TShape>(board, "Shape2")->geometry();
        const QRect ink = InkRect(score);
        QVERIFY2(
            box.adjusted(4, 4, -4, -4).contains(ink),
            qPrintable(QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    }

    void provisionalNoteStaysReadableOverTheBar()
    {
        TStdScore board(nullptr);
        board.ShowSetKind(true);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        auto *note = Find<QLabel>(&board, "Label6");
        QVERIFY(note->isVisible());
        const QColor track(0x0000FF), filled(0x00FFFF);
        for (int position : {0, 5, 10}) {
            board.ShowProgress(position);
            const QImage image = board.grab().toImage();
            const QRect area = note->geometry().adjusted(1, 1, -1, -1);
            QVERIFY(board.rect().contains(area));
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    QVERIFY2(pixel != track && pixel != filled, qPrintable(QString::number(position)));
                }
            const QColor behind = image.pixelColor(area.topLeft());
            QVERIFY2(Contrast(note->palette().color(QPalette::WindowText), behind) >= 4.5, qPrintable(behind.name()));
        }
    }

    void windowSizeStaysInTheStatusBarWhileTraining()
    {
        Start();
        Choose("十語");
        QCOMPARE(StatusText(), QStringLiteral("画面の幅・高さ(740,730)"));
        Choose("三語");  // the first book closes: the size stays
        QCOMPARE(StatusText(), QStringLiteral("画面の幅・高さ(740,730)"));
    }
};

QTEST_MAIN(tst_TrainingPage)
#include "tst_TrainingPage.moc"
