#include "support/BookFiles.h"
#include "wordbook/WordListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

/// The word list's model follows the open book by the rows an edit touches: one edit of a
/// large book lays out nothing anew.
class tst_WordListModel : public QObject
{
    Q_OBJECT

private slots:
    void oneEditOfABigBookReportsItsRows()
    {
        QTemporaryDir dir;
        QStringList lines = {"Big", "01", "単語理解"};
        constexpr int kWords = 100000;
        for (int i = 0; i < kWords; ++i)
            lines << QStringLiteral("\"w%1\",\"\",\"\",\"j\",\"\",\"\"").arg(kWords - i, 6, 10, QLatin1Char('0'));
        WriteBook(dir.filePath("big.utx"), lines);
        OpenBook book;
        QCOMPARE(book.Open(dir.path(), "big.utx").status, WordBookStatus::Read);
        WordListModel model(book, nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), kWords);

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        const auto cell = [&model](int row) { return model.index(row, 0).data().toString(); };

        QVERIFY(book.Insert(5, {"new", {}, {}, "j", {}, {}}).Written());
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted[0][1].toInt(), 5);
        QCOMPARE(inserted[0][2].toInt(), 5);
        QCOMPARE(cell(5), QStringLiteral("new"));

        QVERIFY(book.Replace(5, {"edited", {}, {}, "j", {}, {}}).Written());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 5);
        QCOMPARE(changed[0][1].toModelIndex().row(), 5);
        QCOMPARE(cell(5), QStringLiteral("edited"));

        QVERIFY(book.Move(5, 0).Written());
        QCOMPARE(moved.size(), 1);
        QCOMPARE(cell(0), QStringLiteral("edited"));

        QVERIFY(book.Remove(0).Written());
        QVERIFY(book.Undo().Written());
        QCOMPARE(removed.size(), 1);
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(cell(0), QStringLiteral("edited"));

        QVERIFY(book.Sort(WordField::Foreign, 1).Written());
        QCOMPARE(layout.size(), 1);
        QCOMPARE(cell(0), QStringLiteral("edited"));
        QCOMPARE(cell(1), QStringLiteral("w000001"));
        QCOMPARE(reset.size(), 0);  // no edit reset the list

        QCOMPARE(book.Reread().status, WordBookStatus::Read);
        QCOMPARE(reset.size(), 1);  // the book read again is a new book
    }

    void aSortKeepsTheSelectedWordSelected()
    {
        QTemporaryDir dir;
        WriteBook(dir.filePath("b.utx"), {"B", "01", "単語理解", "\"c\",\"\",\"\",\"\",\"\",\"\"",
                                          "\"a\",\"\",\"\",\"\",\"\",\"\"", "\"b\",\"\",\"\",\"\",\"\",\"\""});
        OpenBook book;
        QCOMPARE(book.Open(dir.path(), "b.utx").status, WordBookStatus::Read);
        WordListModel model(book, nullptr);
        const QPersistentModelIndex selected = model.index(2, 3);  // "b"
        QVERIFY(book.Sort(WordField::Foreign, 1).Written());
        QCOMPARE(selected.row(), 1);
        QCOMPARE(selected.column(), 3);
        QVERIFY(book.Undo().Written());
        QCOMPARE(selected.row(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_WordListModel)
#include "tst_WordListModel.moc"
