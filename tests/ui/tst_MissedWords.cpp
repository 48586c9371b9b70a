#include "app/Settings.h"
#include "compose/CompositionEngine.h"
#include "support/WidgetLookup.h"
#include "training/MissedWordsPanel.h"
#include "training/TQType1.h"
#include "training/WrappedTextDelegate.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

const QList<MissedWordView> Missed{
    {3, QStringLiteral("喫茶店"), QStringLiteral("cafe"), QStringLiteral("café")},
    {7, QStringLiteral("男の子"), QStringLiteral("nino"), QStringLiteral("niño")},
    {12, QStringLiteral("～の上に"), QStringLiteral("uber"), QStringLiteral("über")},
    {20, QStringLiteral("通り"), QStringLiteral("Strasse"), QStringLiteral("Straße")},
    {25, QStringLiteral("家"), QString(), QStringLiteral("maison")},
};

/// The height a cell's text needs wrapped to its column, measured apart from the view.
int WrappedHeight(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    const QFontMetrics metrics(item->font());
    const QRect room(0, 0, table->columnWidth(column) - 8, 100000);
    return metrics.boundingRect(room, Qt::TextWordWrap | Qt::TextWrapAnywhere, item->text()).height();
}

}  // namespace

/// The list of the words missed in a set, and the marked answer in the question frame.
class tst_MissedWords : public QObject
{
    Q_OBJECT

    Settings settings_;
    std::unique_ptr<MissedWordsPanel> panel_;

    QTableWidget *Table() const { return Find<QTableWidget>(panel_.get(), "MissedWordsTable"); }
    QString Heading() const { return Find<QLabel>(panel_.get(), "MissedHeadingLabel")->text(); }

private slots:
    void init()
    {
        panel_ = std::make_unique<MissedWordsPanel>(settings_, nullptr);
        panel_->resize(516, 420);
        panel_->ShowMissed(Missed);
        panel_->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    }
    void cleanup() { panel_.reset(); }

    void listsEachMissedWord_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("marked");  // in the answer cell's rich text
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("accents");
        QTest::addRow("é") << 0 << "喫茶店"
                           << "cafe"
                           << "caf<span style=\"color:#D00000;"
                           << "café"
                           << "é ＝ ] e";
        QTest::addRow("ñ") << 1 << "男の子"
                           << "nino"
                           << "underline;\">n</span>o"
                           << "niño"
                           << "ñ ＝ ~ n";
        QTest::addRow("ü") << 2 << "～の上に"
                           << "uber"
                           << "underline;\">u</span>ber"
                           << "über"
                           << "ü ＝ \\ u";
        QTest::addRow("ß") << 3 << "通り"
                           << "Strasse"
                           << "underline;\">s</span><span style=\"color:#B00000;"
                           << "Straße"
                           << "ß ＝ ] s";
        QTest::addRow("nothing typed") << 4 << "家"
                                       << "（未入力）"
                                       << "（未入力）"
                                       << "maison"
                                       << "";
    }
    void listsEachMissedWord()
    {
        QFETCH(int, row);
        QFETCH(QString, japanese);
        QFETCH(QString, answer);
        QFETCH(QString, marked);
        QFETCH(QString, expected);
        QFETCH(QString, accents);
        QCOMPARE(Heading(), QStringLiteral("この勝負で間違えた単語（5語）"));
        QCOMPARE(Table()->rowCount(), Missed.size());
        QCOMPARE(Table()->item(row, MissedWordsPanel::JapaneseColumn)->text(), japanese);
        const QTableWidgetItem *answerCell = Table()->item(row, MissedWordsPanel::AnswerColumn);
        QCOMPARE(answerCell->text(), answer);
        const QString html = answerCell->data(WrappedTextDelegate::HtmlRole).toString();
        QVERIFY2(html.contains(marked), qPrintable(html));
        QCOMPARE(Table()->item(row, MissedWordsPanel::ExpectedColumn)->text(), expected);
        QCOMPARE(Table()->item(row, MissedWordsPanel::AccentColumn)->text(), accents);
    }

    void doubleClickAndF8AskToEditTheBookRow()
    {
        QSignalSpy edit(panel_.get(), &MissedWordsPanel::EditWordRequested);
        // The window's own F8 (the result page's edit) must not take the key from the list.
        QAction windowF8(panel_.get());
        windowF8.setShortcut(Qt::Key_F8);
        windowF8.setShortcutContext(Qt::WindowShortcut);
        panel_->addAction(&windowF8);
        QSignalSpy windowEdit(&windowF8, &QAction::triggered);

        QTableWidget *table = Table();
        const QPoint third = table->visualRect(table->model()->index(2, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, third);  // a double click's first press
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(edit.size(), 1);
        QCOMPARE(edit.takeFirst().at(0).toInt(), 12);

        const QPoint fourth = table->visualRect(table->model()->index(3, 1)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, fourth);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_F8);
        QCOMPARE(edit.size(), 1);
        QCOMPARE(edit.takeFirst().at(0).toInt(), 20);
        QCOMPARE(windowEdit.size(), 0);
    }

    void backButtonAsksToReturn()
    {
        QSignalSpy back(panel_.get(), &MissedWordsPanel::BackRequested);
        QTest::mouseClick(Find<QPushButton>(panel_.get(), "BackToQuestionBtn"), Qt::LeftButton);
        QCOMPARE(back.size(), 1);
    }

    void saysSoWhenNothingWasMissed()
    {
        panel_->ShowMissed({});
        QCOMPARE(Heading(), QStringLiteral("この勝負で間違えた単語はありません。"));
        QVERIFY(!Table()->isVisible());
        QCOMPARE(Table()->rowCount(), 0);
    }

    void rowsHoldTheirWrappedTexts()
    {
        const QString longAnswer = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitän");
        panel_->ShowMissed(Missed + QList<MissedWordView>{{30, QStringLiteral("とても長い言葉の意味を説明する文"),
                                                           longAnswer.left(30), longAnswer}});
        for (const QSize size : {QSize(516, 420), QSize(900, 600), QSize(516, 420)}) {
            panel_->resize(size);
            QTest::qWait(20);
            QTableWidget *table = Table();
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column : {MissedWordsPanel::JapaneseColumn, MissedWordsPanel::ExpectedColumn,
                                   MissedWordsPanel::AccentColumn})
                    QVERIFY2(table->rowHeight(row) >= WrappedHeight(table, row, column),
                             qPrintable(QStringLiteral("row %1 column %2 at %3 wide: %4 < %5 in %6")
                                            .arg(row)
                                            .arg(column)
                                            .arg(size.width())
                                            .arg(table->rowHeight(row))
                                            .arg(WrappedHeight(table, row, column))
                                            .arg(table->columnWidth(column))));
            }
            // The last row's long word wraps at the smallest size.
            if (size.width() == 516)
                QVERIFY(table->rowHeight(5) > 2 * QFontMetrics(table->item(5, 2)->font()).height());
        }
    }

    void questionFrameMarksAWrongAnswer()
    {
        CompositionEngine engine;
        int rememberedPage = TQType1::GuidePage;
        TQType1 frame({engine, settings_, QStringLiteral("英　語"), [] { return 730; }, rememberedPage},
                      QStringLiteral("単語理解"), nullptr);
        frame.resize(700, 560);
        frame.SetupForType();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto *answer = Find<QPlainTextEdit>(&frame, "Memo5");
        auto *mark = Find<QLabel>(&frame, "AnswerMarkLabel");

        frame.FillQuestion(0, {QStringLiteral("café"), {}, {}, QStringLiteral("喫茶店"), {}, {}});
        answer->setPlainText(QStringLiteral(" cafe "));
        frame.ShowResult(QStringLiteral("café"));
        QVERIFY(mark->isVisible());
        QVERIFY2(mark->text().startsWith(QStringLiteral("あなたの解答：")), qPrintable(mark->text()));
        QVERIFY2(mark->text().contains(QStringLiteral("underline;\">e</span>")), qPrintable(mark->text()));
        QVERIFY2(mark->text().contains(QStringLiteral("　打ち方：é ＝ ] e<br>")), qPrintable(mark->text()));
        // The notes stay below the mark, whole.
        auto *notes = Find<QPlainTextEdit>(&frame, "Memo1");
        QVERIFY(notes->geometry().top() >= mark->geometry().bottom());

        frame.ClearQuestion();
        QVERIFY(!mark->isVisible());
        frame.FillQuestion(1, {QStringLiteral("niño"), {}, {}, QStringLiteral("男の子"), {}, {}});
        answer->setPlainText(QStringLiteral("niño"));
        frame.ShowResult(QStringLiteral("niño"));
        QVERIFY(!mark->isVisible());
        QVERIFY(!frame.AnswerMarkShown());
    }
};

QTEST_MAIN(tst_MissedWords)
#include "tst_MissedWords.moc"
