// The learning record's speed on a book of 10 000 words with 100 000 judgements: the reads the
// training page and the book list make (each must stay under 50 ms) and one judgement's write.
// The file is built once, in one transaction, straight into the record's tables.
#include "MedianTime.h"
#include "learning/LearningRecord.h"
#include "training/BookLearning.h"
#include "training/QuizRandom.h"
#include "training/ReviewChoice.h"
#include "training/TrainingBook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kWords = 10000;
constexpr int kJudgementsPerWord = 10;
constexpr int kSets = 1000;
constexpr double kReadLimitMs = 50;

const BookKey kBook{QStringLiteral("E"), QStringLiteral("bookS"), QStringLiteral("big.utx"),
                    QStringLiteral("大きな単語帳")};
const qint64 kStartMs = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();

WordKey Word(int i)
{
    return WordKey{QStringLiteral("government%1").arg(i), QStringLiteral("政府%1").arg(i)};
}

bool Exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
    return false;
}

/// Fills the record's tables: one book, its words spread over the boxes, ten judgements each
/// and a thousand sets, in one transaction.
bool Fill(const QString &path)
{
    const QString name = QStringLiteral("bench fill");
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction())
            return false;
        QSqlQuery query(db);
        query.prepare("INSERT INTO books (id, language, folder, file_name, title) VALUES (1, ?, ?, ?, ?)");
        query.addBindValue(kBook.language);
        query.addBindValue(kBook.folder);
        query.addBindValue(kBook.fileName);
        query.addBindValue(kBook.title);
        filled = Exec(query);
        query.prepare("INSERT INTO words (id, book_id, foreign_text, japanese, box, first_judged_ms) "
                      "VALUES (?, 1, ?, ?, ?, ?)");
        for (int i = 0; filled && i < kWords; ++i) {
            query.bindValue(0, i + 1);
            query.bindValue(1, Word(i).foreign);
            query.bindValue(2, Word(i).japanese);
            query.bindValue(3, i % (TopBox + 1));
            query.bindValue(4, kStartMs + qint64(i) * 7919 % 1000003 * 1000);
            filled = Exec(query);
        }
        query.prepare("INSERT INTO judgements (book_id, word_id, answer, correct, first, time_ms) "
                      "VALUES (1, ?, ?, ?, ?, ?)");
        for (int j = 0; filled && j < kWords * kJudgementsPerWord; ++j) {
            query.bindValue(0, j % kWords + 1);
            query.bindValue(1, Word(j % kWords).foreign);
            query.bindValue(2, j % 3 ? 1 : 0);
            query.bindValue(3, j % 2);
            query.bindValue(4, kStartMs + qint64(j) * 1000);
            filled = Exec(query);
        }
        query.prepare("INSERT INTO sets (book_id, score, review, finished_ms) VALUES (1, ?, ?, ?)");
        for (int s = 0; filled && s < kSets; ++s) {
            query.bindValue(0, s * 37 % 101);
            query.bindValue(1, s % 4 == 0 ? 1 : 0);
            query.bindValue(2, kStartMs + qint64(s) * 600000);
            filled = Exec(query);
        }
        query.finish();
        filled = filled && db.commit();
    }
    QSqlDatabase::removeDatabase(name);
    return filled;
}

/// The book file of the record's words, as the program writes books: FF FE, UTF-16 LE, CR LF.
bool WriteBook(const QString &path)
{
    QString text = QStringLiteral("\uFEFF%1\r\n01\r\n単語理解\r\n").arg(kBook.title);
    for (int i = 0; i < kWords; ++i)
        text += QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"\",\"\"\r\n").arg(Word(i).foreign, Word(i).japanese);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2) == text.size() * 2;
}

void ReportRead(const char *what, double ms)
{
    std::printf("%-40s %8.2f ms   %s\n", what, ms, ms < kReadLimitMs ? "ok" : "OVER 50 ms");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Learning.sqlite"));
    {
        LearningRecord schema;
        if (const auto problem = schema.Open(path)) {
            std::fprintf(stderr, "cannot open: %s\n", qPrintable(problem->systemText));
            return 1;
        }
    }
    QElapsedTimer fillClock;
    fillClock.start();
    if (!Fill(path))
        return 1;
    std::printf("built %d words, %d judgements, %d sets in one transaction: %.0f ms\n", kWords,
                kWords * kJudgementsPerWord, kSets, fillClock.nsecsElapsed() / 1e6);

    LearningRecord record;
    QElapsedTimer openClock;
    openClock.start();
    if (record.Open(path))
        return 1;
    std::printf("%-40s %8.2f ms\n", "open", openClock.nsecsElapsed() / 1e6);

    QList<WordKey> keys;
    for (int i = 0; i < kWords; ++i)
        keys.append(Word(i));
    qsizetype sink = 0;
    ReportRead("ReviewWords(10 000 keys, 10)",
               MedianMs(21, [&] { sink += record.ReviewWords(kBook, keys, 10).size(); }));
    ReportRead("CountBoxes(10 000 keys)", MedianMs(21, [&] { sink += record.CountBoxes(kBook, keys).Total(); }));
    ReportRead("SetScores (1 000 sets)", MedianMs(21, [&] { sink += record.SetScores(kBook).size(); }));
    ReportRead("Boxes (10 000 words)", MedianMs(21, [&] { sink += record.Boxes(kBook).size(); }));
    ReportRead("HasWordsBelowTop", MedianMs(21, [&] { sink += record.HasWordsBelowTop(kBook); }));

    // What the windows do with the book's file: a review set chosen from it (read, its words'
    // texts, the choice, the shuffle within boxes), and the chart's figures of it.
    const QString bookPath = dir.filePath(kBook.fileName);
    if (!WriteBook(bookPath))
        return 1;
    QuizRandom random([] { return 2026u; });
    ReportRead("review set from the book file", MedianMs(21, [&] {
                   const QList<WordKey> bookKeys = WordKeysOfLines(ReadTrainingBook(bookPath).lines);
                   sink += ReviewRowsInBoxOrder(record.ReviewWords(kBook, bookKeys, ReviewChoiceSize), random).size();
               }));
    ReportRead("chart figures from the book file", MedianMs(21, [&] {
                   sink += record.SetScores(kBook).size() + CountBookBoxes(record, kBook, bookPath).Total();
               }));

    // The first judgement of words already recorded: the book, the word, the judgement and the
    // box in one committed transaction.
    int next = 0;
    const double judgementMs = MedianMs(501, [&] {
        const int i = next++;
        sink += record.RecordJudgement(
            JudgementRecord{kBook, Word(i * 13 % kWords), QStringLiteral("answer"), i % 3 != 0, true,
                            QDateTime::fromMSecsSinceEpoch(kStartMs + 1000000000LL + i, Qt::UTC)});
    });
    std::printf("%-40s %8.1f µs   (median of 501)\n", "RecordJudgement", judgementMs * 1000);
    std::printf("(%lld)\n", qlonglong(sink));
    return record.Available() ? 0 : 1;
}
