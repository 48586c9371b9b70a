#include "support/BookFiles.h"
#include "wordbook/OpenBook.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

/// A word line as the writer writes it.
QString Line(const QString &foreign, const QString &japanese = {})
{
    return QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"\",\"\"")
        .arg(foreign, japanese.isEmpty() ? u'j' + foreign : japanese);
}

WordEntry Word(const QString &foreign)
{
    return {foreign, {}, {}, u'j' + foreign, {}, {}};
}

/// The bytes the program writes for these lines.
QByteArray Bytes(const QStringList &lines)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString &line : lines) {
        const QString withBreak = line + QStringLiteral("\r\n");
        bytes.append(reinterpret_cast<const char *>(withBreak.utf16()), withBreak.size() * 2);
    }
    return bytes;
}

const QString kHeader[] = {QStringLiteral("Words"), QStringLiteral("01"), QStringLiteral("単語理解")};
/// Words a to d with a line that is no word before b: it must stay in its place through every
/// change and its undo.
const QStringList kBook = {kHeader[0], kHeader[1], kHeader[2], Line("a"), QStringLiteral("note: not a word"),
                           Line("b"),  Line("c"),  Line("d")};

using Change = std::function<OpenBook::ChangeResult(OpenBook &)>;

}  // namespace

class tst_OpenBook;
using ReplaceBook = std::function<void(tst_OpenBook *, OpenBook &)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(ReplaceBook)
Q_DECLARE_METATYPE(OpenBook::ChangeKind)

/// The open book as a document: each change written at once, undone and redone through the
/// same atomic write, taken back when the write fails, and the undo list cleared with the book.
class tst_OpenBook : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString Folder() const { return dir_.filePath("bookS"); }
    QString Path() const { return Folder() + "/words.utx"; }
    QByteArray FileBytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    /// A fresh book file of these lines, opened.
    void Open(OpenBook &book, const QStringList &lines)
    {
        QDir(Folder()).removeRecursively();
        QVERIFY(QDir().mkpath(Folder()));
        WriteBook(Path(), lines);
        QCOMPARE(book.Open(Folder(), "words.utx").status, WordBookStatus::Read);
    }
    static QStringList Foreign(const OpenBook &book)
    {
        QStringList words;
        for (const WordEntry &entry : book.Book().Entries.ToList())
            words << entry.Foreign;
        return words;
    }

private slots:
    void eachChangeIsWrittenUndoneAndRedone_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<OpenBook::ChangeKind>("kind");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<int>("selected");  // -1: none
        const QStringList h = {kHeader[0], kHeader[1], kHeader[2]};
        const QString note = kBook[4];
        QTest::addRow("register") << Change([](OpenBook &b) { return b.Insert(4, Word("e")); })
                                  << OpenBook::ChangeKind::Register << (kBook + QStringList{Line("e")}) << 4;
        QTest::addRow("insert before b") << Change([](OpenBook &b) { return b.Insert(1, Word("e")); })
                                         << OpenBook::ChangeKind::Insert
                                         << (h +
                                             QStringList{Line("a"), note, Line("e"), Line("b"), Line("c"), Line("d")})
                                         << 1;
        QTest::addRow("edit b") << Change([](OpenBook &b) { return b.Replace(1, Word("B")); })
                                << OpenBook::ChangeKind::Edit
                                << (h + QStringList{Line("a"), note, Line("B"), Line("c"), Line("d")}) << 1;
        QTest::addRow("delete b") << Change([](OpenBook &b) { return b.Remove(1); }) << OpenBook::ChangeKind::Delete
                                  << (h + QStringList{Line("a"), note, Line("c"), Line("d")}) << -1;
        QTest::addRow("delete a") << Change([](OpenBook &b) { return b.Remove(0); }) << OpenBook::ChangeKind::Delete
                                  << (h + QStringList{note, Line("b"), Line("c"), Line("d")}) << -1;
        QTest::addRow("move a down") << Change([](OpenBook &b) { return b.Move(0, 2); }) << OpenBook::ChangeKind::Move
                                     << (h + QStringList{note, Line("b"), Line("c"), Line("a"), Line("d")}) << 2;
        QTest::addRow("move d up") << Change([](OpenBook &b) { return b.Move(3, 0); }) << OpenBook::ChangeKind::Move
                                   << (h + QStringList{Line("d"), Line("a"), note, Line("b"), Line("c")}) << 0;
        QTest::addRow("sort descending") << Change([](OpenBook &b) { return b.Sort(WordField::Foreign, -1); })
                                         << OpenBook::ChangeKind::Sort
                                         << (h + QStringList{Line("d"), note, Line("c"), Line("b"), Line("a")}) << -1;
        QTest::addRow("properties") << Change([](OpenBook &b) { return b.SetProperties("T2", "G2", "空欄補充"); })
                                    << OpenBook::ChangeKind::Properties
                                    << (QStringList{"T2", "G2", "空欄補充"} + kBook.mid(3)) << -1;
    }
    void eachChangeIsWrittenUndoneAndRedone()
    {
        QFETCH(Change, change);
        QFETCH(OpenBook::ChangeKind, kind);
        QFETCH(QStringList, written);
        QFETCH(int, selected);
        OpenBook book;
        Open(book, kBook);
        const QByteArray original = FileBytes();
        QCOMPARE(original, Bytes(kBook));
        const QList<WordEntry> words = book.Book().Entries.ToList();

        const OpenBook::ChangeResult done = change(book);
        QVERIFY(done.Written());
        QCOMPARE(int(done.row.value_or(-1)), selected);
        QCOMPARE(FileBytes(), Bytes(written));
        QVERIFY(book.UndoKind() == kind);
        QVERIFY(!book.RedoKind());

        const OpenBook::ChangeResult undone = book.Undo();
        QVERIFY(undone.Written());
        QCOMPARE(FileBytes(), original);  // byte for byte, the kept line in its place
        QCOMPARE(book.Book().Entries.ToList(), words);
        QCOMPARE(book.Book().Title, kHeader[0]);
        QVERIFY(!book.UndoKind());
        QVERIFY(book.RedoKind() == kind);

        QVERIFY(book.Redo().Written());
        QCOMPARE(FileBytes(), Bytes(written));
        QVERIFY(book.UndoKind() == kind);
        QVERIFY(!book.RedoKind());
        // What the book holds is what the file holds.
        OpenBook reread;
        QCOMPARE(reread.Open(Folder(), "words.utx").status, WordBookStatus::Read);
        QCOMPARE(reread.Book().Entries.ToList(), book.Book().Entries.ToList());
    }

    void aSortUndoneGivesBackTheExactOrder()
    {
        // Equal keys (case is ignored) keep no order of their own that a second sort could restore.
        OpenBook book;
        const QStringList lines = {"W",
                                   "g",
                                   "単語理解",
                                   Line("b", "1"),
                                   Line("A", "2"),
                                   Line("a", "3"),
                                   Line("B", "4"),
                                   Line("c", "5"),
                                   Line("a", "6")};
        Open(book, lines);
        QVERIFY(book.Sort(WordField::Foreign, 1).Written());
        QCOMPARE(Foreign(book), (QStringList{"A", "a", "a", "b", "B", "c"}));
        QVERIFY(book.Sort(WordField::Japanese, -1).Written());
        QVERIFY(book.Undo().Written());
        QCOMPARE(Foreign(book), (QStringList{"A", "a", "a", "b", "B", "c"}));
        QVERIFY(book.Undo().Written());
        QCOMPARE(FileBytes(), Bytes(lines));
    }

    void aFailedWriteKeepsBookListsAndFileInStep()
    {
        OpenBook book;
        Open(book, kBook);
        QVERIFY(book.Remove(0).Written());
        const QByteArray afterDelete = FileBytes();
        // The folder goes: no write can make the file.
        QVERIFY(QDir().rename(Folder(), Folder() + "-away"));
        const auto back = [this] { QVERIFY(QDir().rename(Folder() + "-away", Folder())); };

        OpenBook::ChangeResult failed = book.Replace(0, Word("x"));
        QCOMPARE(failed.outcome, OpenBook::Outcome::Failed);
        QCOMPARE(failed.error.code, FileError::Code::CannotWrite);
        QCOMPARE(failed.error.path, Path());
        QCOMPARE(Foreign(book), (QStringList{"b", "c", "d"}));
        QVERIFY(book.UndoKind() == OpenBook::ChangeKind::Delete);  // the refused edit is no step

        failed = book.Undo();
        QCOMPARE(failed.outcome, OpenBook::Outcome::Failed);
        QCOMPARE(Foreign(book), (QStringList{"b", "c", "d"}));
        QVERIFY(book.UndoKind() == OpenBook::ChangeKind::Delete);  // still there to undo
        QVERIFY(!book.RedoKind());
        back();
        QCOMPARE(FileBytes(), afterDelete);

        QVERIFY(book.Undo().Written());
        QCOMPARE(FileBytes(), Bytes(kBook));
        QVERIFY(QDir().rename(Folder(), Folder() + "-away"));
        QCOMPARE(book.Redo().outcome, OpenBook::Outcome::Failed);
        QCOMPARE(Foreign(book), (QStringList{"a", "b", "c", "d"}));
        QVERIFY(book.RedoKind() == OpenBook::ChangeKind::Delete);
        back();
        QCOMPARE(FileBytes(), Bytes(kBook));
    }

    void anotherProgramsChangeWaitsForTheCallersWord()
    {
        OpenBook book;
        Open(book, kBook);
        QTest::qWait(20);
        WriteBook(Path(), kBook + QStringList{Line("other")});
        OpenBook::ChangeResult result = book.Remove(0);
        QCOMPARE(result.outcome, OpenBook::Outcome::ChangedOnDisk);
        QCOMPARE(Foreign(book), (QStringList{"b", "c", "d"}));  // held, not written
        QCOMPARE(FileBytes(), Bytes(kBook + QStringList{Line("other")}));
        QCOMPARE(book.Remove(0).outcome, OpenBook::Outcome::Refused);  // one question at a time

        QVERIFY(book.Overwrite().Written());
        QCOMPARE(FileBytes(), Bytes({kHeader[0], kHeader[1], kHeader[2], kBook[4], Line("b"), Line("c"), Line("d")}));
        QVERIFY(book.UndoKind() == OpenBook::ChangeKind::Delete);

        // Kept instead: the book is read again and nothing is left to undo.
        QTest::qWait(20);
        WriteBook(Path(), kBook);
        QCOMPARE(book.Remove(0).outcome, OpenBook::Outcome::ChangedOnDisk);
        QCOMPARE(book.Reread().status, WordBookStatus::Read);
        QCOMPARE(Foreign(book), (QStringList{"a", "b", "c", "d"}));
        QVERIFY(!book.UndoKind());
        QCOMPARE(FileBytes(), Bytes(kBook));
    }

    void theListsAreClearedWithTheBook_data()
    {
        QTest::addColumn<ReplaceBook>("replace");
        QTest::addRow("another book opened") << ReplaceBook([](tst_OpenBook *t, OpenBook &b) {
            WriteBook(t->Folder() + "/other.utx", kBook);
            QCOMPARE(b.Open(t->Folder(), "other.utx").status, WordBookStatus::Read);
        });
        QTest::addRow("read again") << ReplaceBook([](tst_OpenBook *, OpenBook &b) { b.Reread(); });
        QTest::addRow("closed") << ReplaceBook([](tst_OpenBook *, OpenBook &b) { b.Close(); });
    }
    void theListsAreClearedWithTheBook()
    {
        QFETCH(ReplaceBook, replace);
        OpenBook book;
        Open(book, kBook);
        QVERIFY(book.Remove(0).Written());
        QVERIFY(book.Remove(0).Written());
        QVERIFY(book.Undo().Written());
        QVERIFY(book.UndoKind() && book.RedoKind());
        QSignalSpy state(&book, &OpenBook::UndoStateChanged);
        replace(this, book);
        QVERIFY(!book.UndoKind());
        QVERIFY(!book.RedoKind());
        QVERIFY(!state.isEmpty());
        QCOMPARE(book.Undo().outcome, OpenBook::Outcome::Refused);
    }

    /// The training hands the book over by its header alone: a change to it would write a file
    /// without its words, so none is taken until its words are read.
    void aBookTakenByItsHeaderTakesNoChangeUntilRead()
    {
        OpenBook book;
        Open(book, kBook);
        const QByteArray before = FileBytes();
        book.OpenHeader(Folder(), "words.utx", kHeader[0], kHeader[1], kHeader[2]);
        QVERIFY(book.HeaderOnly());
        QCOMPARE(book.Insert(0, Word("x")).outcome, OpenBook::Outcome::Refused);
        QCOMPARE(book.Sort(WordField::Foreign, 1).outcome, OpenBook::Outcome::Refused);
        QCOMPARE(book.SetProperties("T", "G", kHeader[2]).outcome, OpenBook::Outcome::Refused);
        QCOMPARE(FileBytes(), before);

        QCOMPARE(book.Reread().status, WordBookStatus::Read);
        QVERIFY(!book.HeaderOnly());
        QVERIFY(book.Insert(4, Word("e")).Written());
        QCOMPARE(Foreign(book), (QStringList{"a", "b", "c", "d", "e"}));
    }

    void aNewChangeDropsWhatCouldBeRedone()
    {
        OpenBook book;
        Open(book, kBook);
        QVERIFY(book.Remove(0).Written());
        QVERIFY(book.Undo().Written());
        QVERIFY(book.RedoKind() == OpenBook::ChangeKind::Delete);
        QVERIFY(book.Replace(0, Word("x")).Written());
        QVERIFY(!book.RedoKind());
        QCOMPARE(book.Redo().outcome, OpenBook::Outcome::Refused);
        QCOMPARE(Foreign(book), (QStringList{"x", "b", "c", "d"}));
    }
};

QTEST_GUILESS_MAIN(tst_OpenBook)
#include "tst_OpenBook.moc"
