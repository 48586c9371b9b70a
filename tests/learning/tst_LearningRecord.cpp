// The learning record: what it writes reads back, the box rules, the review choice, and the
// files it refuses (damaged, newer, locked) left as they were; a killed writer loses nothing
// it had committed.
#include "learning/LearningRecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

Q_DECLARE_METATYPE(RecordProblem::Kind)

namespace {

const QDateTime kStart = QDateTime(QDate(2024, 4, 1), QTime(9, 0), Qt::UTC);

BookKey Book(const QString &fileName = QStringLiteral("words.utx"), const QString &title = QStringLiteral("単語"))
{
    return BookKey{QStringLiteral("E"), QStringLiteral("bookS"), fileName, title};
}

WordKey Word(const QString &foreign)
{
    return WordKey{foreign, u'j' + foreign};
}

JudgementRecord Judged(const WordKey &word, bool correct, bool first, const QDateTime &time = kStart,
                       const BookKey &book = Book())
{
    return JudgementRecord{book, word, correct ? word.foreign : QStringLiteral("x"), correct, first, time};
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A second connection to a file, as another program would hold it; gone with its scope.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherConnection() { QSqlDatabase::removeDatabase(kName); }
    bool Run(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(kName, false));
        if (!query.exec(sql))
            qWarning() << sql << query.lastError().text();
        return query.isActive();
    }

private:
    static inline const QString kName = QStringLiteral("other program");
};

/// The child of killedWriterLosesNothing: records one word after another and prints each
/// word's number once its transaction is committed, until it is killed.
int RecordUntilKilled(const QString &path, int from)
{
    LearningRecord record;
    if (record.Open(path))
        return 2;
    for (int i = from;; ++i) {
        if (!record.RecordJudgement(Judged(Word(QString::number(i)), true, true, kStart.addSecs(i))))
            return 3;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

}  // namespace

class tst_LearningRecord : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath(QStringLiteral("Learning.sqlite")); }

private slots:
    void init()
    {
        QFile::remove(Path());
        QFile::remove(Path() + "-wal");
        QFile::remove(Path() + "-shm");
        // A connection still held when the record removes it is a fault Qt only warns about.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("still in use")));
    }

    void writesAndReadsBackAfterReopening()
    {
        {
            LearningRecord record;
            QVERIFY(!record.Open(Path()));
            QVERIFY(record.Available());
            QVERIFY(record.RecordJudgement(Judged(Word("a"), true, true)));
            QVERIFY(record.RecordJudgement(Judged(Word("b"), false, true)));
            // A word without Japanese text is still a word, matched by its empty text.
            QVERIFY(record.RecordJudgement(Judged(WordKey{"c", QString()}, true, true)));
            // A line that is no word is not recorded, and that is no failure.
            QVERIFY(record.RecordJudgement(Judged(WordKey{}, true, true)));
            // Another book with the same words keeps its own boxes.
            QVERIFY(record.RecordJudgement(Judged(Word("a"), false, true, kStart, Book("other.utx"))));
            QVERIFY(record.RecordSet(Book(), SetRecord{70, false, kStart.addSecs(60)}));
            QVERIFY(record.RecordSet(Book(), SetRecord{100, true, kStart.addSecs(30)}));
            // A score out of range is kept at its bound rather than stopping the record.
            QVERIFY(record.RecordSet(Book("other.utx"), SetRecord{130, false, kStart}));
        }
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        // The title is no part of a book's identity.
        const BookKey renamed = Book("words.utx", "新しい題名");
        const QHash<WordKey, int> expected{{Word("a"), 1}, {Word("b"), 0}, {WordKey{"c", ""}, 1}};
        QCOMPARE(record.Boxes(renamed), expected);
        QCOMPARE(record.Boxes(Book("other.utx")), (QHash<WordKey, int>{{Word("a"), 0}}));
        QCOMPARE(record.SetScores(Book("other.utx")).value(0).score, 100);
        QVERIFY(record.HasWordsBelowTop(renamed));
        QVERIFY(!record.HasWordsInTop(renamed));
        QVERIFY(record.Boxes(Book("never.utx")).isEmpty());
        QVERIFY(record.KnowsBook(renamed) && !record.KnowsBook(Book("never.utx")));

        const QList<SetRecord> sets = record.SetScores(renamed);
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets[0].score, 100);  // oldest first
        QVERIFY(sets[0].review);
        QCOMPARE(sets[0].finished, kStart.addSecs(30));
        QCOMPARE(sets[1].score, 70);
        QVERIFY(!sets[1].review);
        QCOMPARE(sets[1].finished, kStart.addSecs(60));
    }

    void boxMoves_data()
    {
        // Each step: F first judgement, L later one; + right, - wrong.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("box");
        QTest::addRow("right at its first question") << QStringList{"F+"} << 1;
        QTest::addRow("wrong at its first question") << QStringList{"F-"} << 0;
        QTest::addRow("four rights reach the top") << QStringList{"F+", "F+", "F+", "F+"} << TopBox;
        QTest::addRow("the top is the last box") << QStringList{"F+", "F+", "F+", "F+", "F+", "F+"} << TopBox;
        QTest::addRow("wrong drops from the top to 0") << QStringList{"F+", "F+", "F+", "F+", "F-"} << 0;
        QTest::addRow("up again after a drop") << QStringList{"F+", "F+", "F-", "F+"} << 1;
        QTest::addRow("later wrong never moves it down") << QStringList{"F+", "F+", "L-", "L-"} << 2;
        QTest::addRow("later right never moves it up") << QStringList{"F-", "L+", "L+"} << 0;
        QTest::addRow("first seen at a later one: box 0") << QStringList{"L+"} << 0;
    }
    void boxMoves()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, box);
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        for (const QString &step : steps)
            QVERIFY(record.RecordJudgement(Judged(Word("w"), step[1] == '+', step[0] == 'F')));
        QCOMPARE(record.Boxes(Book()).value(Word("w"), -1), box);
        QCOMPARE(record.HasWordsInTop(Book()), box == TopBox);
        QCOMPARE(record.HasWordsBelowTop(Book()), box < TopBox);
    }

    void reviewChoosesLowestBoxesOldestFirst_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("boxes");
        // Book rows: 0 top, 1 box 1 (judged 10:00), 2 box 0 (11:00), 3 deleted from the book's
        // list, 4 box 1 (09:30), 5 box 0 (08:00), 6 never asked, 7 a second "e" (row 2's word).
        QTest::addRow("all") << 10 << QList<int>{5, 2, 4, 1} << QList<int>{0, 0, 1, 1};
        QTest::addRow("limit") << 3 << QList<int>{5, 2, 4} << QList<int>{0, 0, 1};
        QTest::addRow("none") << 0 << QList<int>{} << QList<int>{};
    }
    void reviewChoosesLowestBoxesOldestFirst()
    {
        QFETCH(int, limit);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, boxes);
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        const auto at = [](int hour, int minute = 0) {
            return QDateTime(QDate(2024, 4, 1), QTime(hour, minute), Qt::UTC);
        };
        for (int i = 0; i < TopBox; ++i)
            QVERIFY(record.RecordJudgement(Judged(Word("top"), true, true, at(7))));
        QVERIFY(record.RecordJudgement(Judged(Word("b"), true, true, at(10))));
        QVERIFY(record.RecordJudgement(Judged(Word("e"), false, true, at(11))));
        QVERIFY(record.RecordJudgement(Judged(Word("gone"), false, true, at(6))));
        QVERIFY(record.RecordJudgement(Judged(Word("d"), true, true, at(9, 30))));
        QVERIFY(record.RecordJudgement(Judged(Word("a"), false, true, at(8))));
        // A later judgement changes neither the box nor the time of the first one.
        QVERIFY(record.RecordJudgement(Judged(Word("a"), true, false, at(12))));

        const QList<WordKey> book{Word("top"), Word("b"), Word("e"),   WordKey{},
                                  Word("d"),   Word("a"), Word("new"), Word("e")};
        QList<int> gotRows;
        QList<int> gotBoxes;
        for (const ReviewWord &word : record.ReviewWords(Book(), book, limit)) {
            gotRows.append(word.row);
            gotBoxes.append(word.box);
        }
        QCOMPARE(gotRows, rows);
        QCOMPARE(gotBoxes, boxes);
    }

    void reviewTiesGoByRow()
    {
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        for (const char *foreign : {"c", "a", "b"})
            QVERIFY(record.RecordJudgement(Judged(Word(foreign), false, true, kStart)));
        const QList<ReviewWord> chosen = record.ReviewWords(Book(), {Word("a"), Word("b"), Word("c")}, 10);
        QCOMPARE(chosen.size(), 3);
        QCOMPARE(chosen[0].row, 0);
        QCOMPARE(chosen[1].row, 1);
        QCOMPARE(chosen[2].row, 2);
    }

    void countBoxesCountsEveryWordRow()
    {
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        QVERIFY(record.RecordJudgement(Judged(Word("a"), true, true)));
        QVERIFY(record.RecordJudgement(Judged(Word("b"), false, true)));
        QVERIFY(record.RecordJudgement(Judged(Word("gone"), true, true)));
        // Rows: a, a line that is no word, b, a again, two never asked.
        const BoxCounts counts =
            record.CountBoxes(Book(), {Word("a"), WordKey{}, Word("b"), Word("a"), Word("n1"), Word("n2")});
        QCOMPARE(counts.inBox[0], 1);
        QCOMPARE(counts.inBox[1], 2);
        QCOMPARE(counts.notAsked, 2);
        QCOMPARE(counts.Total(), 5);
        // A book never recorded: every word not asked.
        QCOMPARE(record.CountBoxes(Book("never.utx"), {Word("a"), Word("b")}).notAsked, 2);
    }

    void emptyFileGetsTheSchema()
    {
        QFile empty(Path());
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        {
            LearningRecord record;
            QVERIFY(!record.Open(Path()));
            QVERIFY(record.RecordJudgement(Judged(Word("a"), true, true)));
        }
        OtherConnection other(Path());
        QSqlQuery query(QSqlDatabase::database("other program"));
        QVERIFY(query.exec("PRAGMA user_version") && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
        QVERIFY(query.exec("PRAGMA journal_mode") && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(query.exec("SELECT count(*) FROM judgements") && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }

    void refusedFilesStayUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes");        // the file's bytes, or
        QTest::addColumn<QStringList>("statements");  // what another program wrote into it
        QTest::addColumn<RecordProblem::Kind>("kind");
        QByteArray noise(8192, '\0');
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::addRow("random bytes") << noise << QStringList{} << RecordProblem::Kind::Damaged;
        QTest::addRow("text") << QByteArray("SQLite format 3 is what I am not\n") << QStringList{}
                              << RecordProblem::Kind::Damaged;
        QTest::addRow("another program's tables")
            << QByteArray()
            << QStringList{"CREATE TABLE notes (id INTEGER, text TEXT)", "INSERT INTO notes VALUES (1, 'x')"}
            << RecordProblem::Kind::Damaged;
        QTest::addRow("our version without our tables")
            << QByteArray() << QStringList{"CREATE TABLE books (id INTEGER)", "PRAGMA user_version = 1"}
            << RecordProblem::Kind::Damaged;
        QTest::addRow("our tables with other columns")
            << QByteArray()
            << QStringList{"CREATE TABLE books (id INTEGER)", "CREATE TABLE words (id INTEGER)",
                           "CREATE TABLE judgements (id INTEGER)", "CREATE TABLE sets (id INTEGER)",
                           "PRAGMA user_version = 1"}
            << RecordProblem::Kind::Damaged;
        QTest::addRow("a newer version") << QByteArray()
                                         << QStringList{"CREATE TABLE books (id INTEGER)", "PRAGMA user_version = 2"}
                                         << RecordProblem::Kind::NewerSchema;
    }
    void refusedFilesStayUntouched()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, statements);
        QFETCH(RecordProblem::Kind, kind);
        if (statements.isEmpty()) {
            QFile file(Path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else {
            OtherConnection other(Path());
            for (const QString &statement : statements)
                QVERIFY(other.Run(statement));
        }
        const QByteArray before = Bytes(Path());
        QVERIFY(!before.isEmpty());
        {
            LearningRecord record;
            const std::optional<RecordProblem> problem = record.Open(Path());
            QVERIFY(problem);
            QCOMPARE(problem->kind, kind);
            QCOMPARE(problem->path, Path());
            QVERIFY(!record.Available());
            QCOMPARE(record.Problem()->kind, kind);
            QVERIFY(!record.RecordJudgement(Judged(Word("a"), true, true)));
            QVERIFY(!record.RecordSet(Book(), SetRecord{50, false, kStart}));
            QVERIFY(record.Boxes(Book()).isEmpty());
            QVERIFY(record.ReviewWords(Book(), {Word("a")}, 10).isEmpty());
        }
        QCOMPARE(Bytes(Path()), before);
        QVERIFY(!QFile::exists(Path() + "-wal") || Bytes(Path() + "-wal").isEmpty());
    }

    void unusablePathsCannotOpen_data()
    {
        QTest::addColumn<QString>("name");  // in a folder holding the regular file "file"
        QTest::addRow("a folder") << ".";
        QTest::addRow("under a file") << "file/Learning.sqlite";
    }
    void unusablePathsCannotOpen()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QFile file(folder.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        LearningRecord record;
        const std::optional<RecordProblem> problem = record.Open(folder.filePath(name));
        QVERIFY(problem);
        QCOMPARE(problem->kind, RecordProblem::Kind::CannotOpen);
        QVERIFY(!record.RecordJudgement(Judged(Word("a"), true, true)));
    }

    void lockedFileAnswersAtOnce_data()
    {
        QTest::addColumn<QString>("journal");  // the journal mode the other program holds it in
        QTest::addColumn<bool>("lockedOnOpen");
        // With a rollback journal the other program's lock keeps readers out: the open fails.
        QTest::addRow("rollback journal") << "DELETE" << true;
        // In WAL mode reads go on; the first write finds the lock.
        QTest::addRow("WAL") << "WAL" << false;
    }
    void lockedFileAnswersAtOnce()
    {
        QFETCH(QString, journal);
        QFETCH(bool, lockedOnOpen);
        {
            LearningRecord record;
            QVERIFY(!record.Open(Path()));
            QVERIFY(record.RecordJudgement(Judged(Word("kept"), true, true)));
        }
        {
            OtherConnection other(Path());
            QVERIFY(other.Run("PRAGMA journal_mode = " + journal));
            QVERIFY(other.Run("BEGIN EXCLUSIVE"));
            QVERIFY(other.Run("INSERT INTO sets (book_id, score, review, finished_ms) VALUES (1, 0, 0, 0)"));

            LearningRecord record;
            QElapsedTimer clock;
            clock.start();
            std::optional<RecordProblem> problem = record.Open(Path());
            QCOMPARE(bool(problem), lockedOnOpen);
            if (!problem) {
                QVERIFY(record.Available());
                QCOMPARE(record.Boxes(Book()).value(Word("kept"), -1), 1);
                QVERIFY(!record.RecordJudgement(Judged(Word("a"), true, true)));
                problem = record.Problem();
                QVERIFY(problem);
            }
            QCOMPARE(problem->kind, RecordProblem::Kind::Locked);
            QVERIFY(!problem->systemText.isEmpty());
            QVERIFY(!record.Available());
            QVERIFY(!record.RecordSet(Book(), SetRecord{50, false, kStart}));
            QVERIFY(record.Boxes(Book()).isEmpty());
            QCOMPARE_LT(clock.elapsed(), 2000);
            QVERIFY(other.Run("ROLLBACK"));
        }
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        QCOMPARE(record.Boxes(Book()), (QHash<WordKey, int>{{Word("kept"), 1}}));
    }

    void failedWriteLeavesNothingHalfDone()
    {
        {
            LearningRecord record;
            QVERIFY(!record.Open(Path()));
            QVERIFY(record.RecordJudgement(Judged(Word("a"), true, true)));
        }
        {
            // Another program's trigger makes the box's move fail, after the new word's row
            // and its judgement were written in the same transaction.
            OtherConnection other(Path());
            QVERIFY(other.Run("CREATE TRIGGER refuse BEFORE UPDATE OF box ON words BEGIN SELECT RAISE(ABORT, 'disk "
                              "full'); END"));
        }
        {
            LearningRecord record;
            QVERIFY(!record.Open(Path()));
            QVERIFY(!record.RecordJudgement(Judged(Word("b"), true, true)));
            QVERIFY(!record.Available());
            QCOMPARE(record.Problem()->kind, RecordProblem::Kind::WriteFailed);
            QVERIFY(record.Problem()->systemText.contains("disk full"));
            // Unavailable from then on, even for writes that would not touch a box.
            QVERIFY(!record.RecordSet(Book(), SetRecord{50, false, kStart}));
            QVERIFY(!record.RecordJudgement(Judged(Word("c"), false, false)));
        }
        {
            OtherConnection other(Path());
            QVERIFY(other.Run("DROP TRIGGER refuse"));
        }
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        QCOMPARE(record.Boxes(Book()), (QHash<WordKey, int>{{Word("a"), 1}}));
        QVERIFY(record.SetScores(Book()).isEmpty());
        OtherConnection other(Path());
        QSqlQuery query(QSqlDatabase::database("other program"));
        QVERIFY(query.exec("SELECT count(*) FROM judgements") && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }

    void killedWriterLosesNothing()
    {
        QSet<int> printed;
        for (int round = 0; round < 3; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {"--record-until-killed", Path(), QString::number(round * 100000)});
            QVERIFY(child.waitForStarted());
            QByteArray output;
            // Killed at a moment it is writing: after some hundreds of commits.
            QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).count('\n') >= 200 + round * 150, 20000);
            child.kill();
            QVERIFY(child.waitForFinished());
            output += child.readAllStandardOutput();
            for (const QByteArray &line : output.split('\n'))
                if (line.size())
                    printed.insert(line.toInt());
        }
        LearningRecord record;
        QVERIFY(!record.Open(Path()));
        const QHash<WordKey, int> boxes = record.Boxes(Book());
        for (int number : printed)
            QVERIFY2(boxes.value(Word(QString::number(number)), -1) == 1, qPrintable(QString::number(number)));
        QVERIFY(boxes.size() >= printed.size());
        // The record goes on after the kills.
        QVERIFY(record.RecordJudgement(Judged(Word("after"), true, true)));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--record-until-killed") == 0)
        return RecordUntilKilled(QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    tst_LearningRecord test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_LearningRecord.moc"
