#include "learning/LearningRecord.h"

#include "learning/LearningLogging.h"
#include "learning/LearningSchema.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

/// A file held by another program answers within this time instead of freezing the window.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=100");

/// SQLite's primary result codes, which the driver reports as the native error code.
enum SqliteCode { SqliteBusy = 5, SqliteLocked = 6, SqliteCorrupt = 11, SqliteNotADatabase = 26 };

int PrimaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;  // an extended code keeps the primary code in its low byte
}

QString SystemText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

RecordProblem::Kind KindOnOpen(const QSqlError &error)
{
    switch (PrimaryCode(error)) {
    case SqliteBusy:
    case SqliteLocked: return RecordProblem::Kind::Locked;
    case SqliteCorrupt:
    case SqliteNotADatabase: return RecordProblem::Kind::Damaged;
    default: return RecordProblem::Kind::CannotOpen;
    }
}

RecordProblem::Kind KindOnWrite(const QSqlError &error)
{
    const int code = PrimaryCode(error);
    return code == SqliteBusy || code == SqliteLocked ? RecordProblem::Kind::Locked : RecordProblem::Kind::WriteFailed;
}

/// The driver binds a null QString as SQL NULL; the record's texts are never NULL, so an empty
/// text from a book matches the same word every time.
QString Text(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

qint64 Millis(const QDateTime &time)
{
    return (time.isValid() ? time : QDateTime::currentDateTimeUtc()).toMSecsSinceEpoch();
}

QDateTime FromMillis(qint64 millis)
{
    return QDateTime::fromMSecsSinceEpoch(millis, Qt::UTC);
}

QString NewConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("quillmaren.learning.%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

struct LearningRecord::Impl {
    /// The statements of every write, prepared once at the open.
    struct Statements {
        explicit Statements(const QSqlDatabase &db)
            : findBook(db), insertBook(db), retitleBook(db), findWord(db), insertWord(db), insertJudgement(db),
              moveBox(db), insertSet(db)
        {
        }
        QSqlQuery findBook, insertBook, retitleBook, findWord, insertWord, insertJudgement, moveBox, insertSet;
    };
    /// Why an open leaves the file alone: the kind and the database's words.
    using Refused = std::pair<RecordProblem::Kind, QString>;

    QString connection;
    QString path;
    QSqlDatabase db;
    std::unique_ptr<Statements> statements;
    bool available = false;
    std::optional<RecordProblem> problem;
    /// The error of the statement that failed inside a write.
    QSqlError failure;

    ~Impl() { Close(); }

    /// Every query goes before the connection is removed, as Qt requires.
    void Close()
    {
        available = false;
        statements.reset();
        if (db.isValid()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
        }
    }

    std::optional<RecordProblem> FailOpen(RecordProblem::Kind kind, const QString &text)
    {
        Close();
        problem = RecordProblem{kind, path, text};
        qCWarning(lcLearning) << "The learning record is not kept:" << path << int(kind) << text;
        return problem;
    }

    std::optional<RecordProblem> OpenFile();
    /// Why a file must be left as it is, from what its inspection found.
    static std::optional<Refused> Refusal(const learning_schema::Inspection &inspection);
    QSqlError SetConnectionPragmas();
    /// Brings an empty or older file up to date in one transaction, or says why not.
    std::optional<Refused> UpgradeUnderLock();
    bool Prepare();

    bool Run(QSqlQuery &query)
    {
        if (query.exec())
            return true;
        failure = query.lastError();
        return false;
    }
    bool Run(const QString &sql)
    {
        QSqlQuery query(db);
        if (query.exec(sql))
            return true;
        failure = query.lastError();
        return false;
    }

    /// Runs work in one write transaction. On any failure the transaction is rolled back and
    /// the record becomes unavailable: later writes return false at once.
    template <typename Work> bool Write(Work work)
    {
        if (!available)
            return false;
        if (Run(QStringLiteral("BEGIN IMMEDIATE")) && work() && Run(QStringLiteral("COMMIT")))
            return true;
        const QSqlError error = failure;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));  // nothing to roll back when BEGIN failed
        Close();
        problem = RecordProblem{KindOnWrite(error), path, SystemText(error)};
        qCWarning(lcLearning) << "The learning record stops:" << path << SystemText(error);
        return false;
    }

    /// The book's row, made on its first write; its title follows the book's.
    bool WriteBook(const BookKey &book, qint64 &bookId);
    /// The word's row and box, made at box 0 on its first write.
    bool WriteWord(qint64 bookId, const WordKey &word, qint64 &wordId, int &box);

    std::optional<qint64> BookId(const BookKey &book) const;
    /// Whether a book has a recorded word whose box meets condition (against TopBox).
    bool HasWordsWhere(const BookKey &book, const QString &condition) const;
    QSqlQuery Select(const QString &sql) const
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(sql);
        return query;
    }
    bool RunRead(QSqlQuery &query) const
    {
        if (query.exec())
            return true;
        qCWarning(lcLearning) << "A read of the learning record failed:" << SystemText(query.lastError());
        return false;
    }
};

std::optional<RecordProblem> LearningRecord::Impl::OpenFile()
{
    using Kind = RecordProblem::Kind;
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return FailOpen(Kind::NoDriver, kDriver);
    const QFileInfo info(path);
    if (info.exists()) {
        // Only a regular file the program may write: a pipe or device would block or never end.
        if (!info.isFile())
            return FailOpen(Kind::CannotOpen, QStringLiteral("not a regular file"));
        QFile probe(path);
        if (!probe.open(QIODevice::ReadWrite))
            return FailOpen(Kind::CannotOpen, probe.errorString());
    } else if (!QDir().mkpath(info.absolutePath())) {
        return FailOpen(Kind::CannotOpen, QStringLiteral("cannot create the folder"));
    }

    connection = NewConnectionName();
    db = QSqlDatabase::addDatabase(kDriver, connection);
    db.setDatabaseName(path);
    db.setConnectOptions(kConnectOptions);
    if (!db.open())
        return FailOpen(KindOnOpen(db.lastError()), SystemText(db.lastError()));

    // Read before anything is written: a file that is not ours, or newer, stays as it is.
    const learning_schema::Inspection inspection = learning_schema::Inspect(db);
    if (auto refused = Refusal(inspection))
        return FailOpen(refused->first, refused->second);
    // A file of our version whose tables have other columns cannot take our statements;
    // compiling them only reads the schema.
    const bool current = inspection.version == learning_schema::CurrentVersion();
    if (current && !Prepare())
        return FailOpen(Kind::Damaged, SystemText(failure));

    if (const QSqlError error = SetConnectionPragmas(); error.isValid())
        return FailOpen(KindOnOpen(error), SystemText(error));
    if (!current) {
        if (auto refused = UpgradeUnderLock())
            return FailOpen(refused->first, refused->second);
        if (!Prepare())
            return FailOpen(Kind::Damaged, SystemText(failure));
    }
    available = true;
    return std::nullopt;
}

std::optional<LearningRecord::Impl::Refused>
LearningRecord::Impl::Refusal(const learning_schema::Inspection &inspection)
{
    if (inspection.error.isValid())
        return std::pair{KindOnOpen(inspection.error), SystemText(inspection.error)};
    if (inspection.version > learning_schema::CurrentVersion())
        return std::pair{RecordProblem::Kind::NewerSchema, QStringLiteral("user_version %1").arg(inspection.version)};
    if (inspection.foreignTables)
        return std::pair{RecordProblem::Kind::Damaged, QStringLiteral("the tables are not the learning record's")};
    return std::nullopt;
}

QSqlError LearningRecord::Impl::SetConnectionPragmas()
{
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !pragma.next())
        return pragma.lastError();
    // A file system without shared memory keeps the rollback journal: slower, still safe.
    if (pragma.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        qCWarning(lcLearning) << "The learning record keeps the journal mode" << pragma.value(0).toString();
    pragma.finish();
    // In WAL mode NORMAL loses no committed transaction when the process is killed.
    if (!pragma.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return pragma.lastError();
    return {};
}

std::optional<LearningRecord::Impl::Refused> LearningRecord::Impl::UpgradeUnderLock()
{
    // Looked at again under the write lock, then brought up to date in one transaction.
    if (!Run(QStringLiteral("BEGIN IMMEDIATE")))
        return std::pair{KindOnOpen(failure), SystemText(failure)};
    const learning_schema::Inspection inspection = learning_schema::Inspect(db);
    auto refused = Refusal(inspection);
    if (!refused) {
        QSqlError error = learning_schema::Upgrade(db, inspection.version);
        if (!error.isValid() && !Run(QStringLiteral("COMMIT")))
            error = failure;
        if (!error.isValid())
            return std::nullopt;
        refused = std::pair{KindOnOpen(error), SystemText(error)};
    }
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return refused;
}

bool LearningRecord::Impl::Prepare()
{
    statements = std::make_unique<Statements>(db);
    Statements &s = *statements;
    const std::pair<QSqlQuery *, QString> all[] = {
        {&s.findBook, "SELECT id, title FROM books WHERE language = ? AND folder = ? AND file_name = ?"},
        {&s.insertBook, "INSERT INTO books (language, folder, file_name, title) VALUES (?, ?, ?, ?)"},
        {&s.retitleBook, "UPDATE books SET title = ? WHERE id = ?"},
        {&s.findWord, "SELECT id, box FROM words WHERE book_id = ? AND foreign_text = ? AND japanese = ?"},
        {&s.insertWord, "INSERT INTO words (book_id, foreign_text, japanese, box) VALUES (?, ?, ?, 0)"},
        {&s.insertJudgement,
         "INSERT INTO judgements (book_id, word_id, answer, correct, first, time_ms) VALUES (?, ?, ?, ?, ?, ?)"},
        {&s.moveBox, "UPDATE words SET box = ?, first_judged_ms = ? WHERE id = ?"},
        {&s.insertSet, "INSERT INTO sets (book_id, score, review, finished_ms) VALUES (?, ?, ?, ?)"},
    };
    for (const auto &[query, sql] : all) {
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            failure = query->lastError();
            return false;
        }
    }
    return true;
}

bool LearningRecord::Impl::WriteBook(const BookKey &book, qint64 &bookId)
{
    Statements &s = *statements;
    s.findBook.bindValue(0, book.language);
    s.findBook.bindValue(1, book.folder);
    s.findBook.bindValue(2, book.fileName);
    if (!Run(s.findBook))
        return false;
    if (s.findBook.next()) {
        bookId = s.findBook.value(0).toLongLong();
        const bool renamed = s.findBook.value(1).toString() != Text(book.title);
        s.findBook.finish();
        if (!renamed)
            return true;
        s.retitleBook.bindValue(0, Text(book.title));
        s.retitleBook.bindValue(1, bookId);
        return Run(s.retitleBook);
    }
    s.findBook.finish();
    s.insertBook.bindValue(0, book.language);
    s.insertBook.bindValue(1, book.folder);
    s.insertBook.bindValue(2, book.fileName);
    s.insertBook.bindValue(3, Text(book.title));
    if (!Run(s.insertBook))
        return false;
    bookId = s.insertBook.lastInsertId().toLongLong();
    return true;
}

bool LearningRecord::Impl::WriteWord(qint64 bookId, const WordKey &word, qint64 &wordId, int &box)
{
    Statements &s = *statements;
    s.findWord.bindValue(0, bookId);
    s.findWord.bindValue(1, Text(word.foreign));
    s.findWord.bindValue(2, Text(word.japanese));
    if (!Run(s.findWord))
        return false;
    if (s.findWord.next()) {
        wordId = s.findWord.value(0).toLongLong();
        box = s.findWord.value(1).toInt();
        s.findWord.finish();
        return true;
    }
    s.findWord.finish();
    s.insertWord.bindValue(0, bookId);
    s.insertWord.bindValue(1, Text(word.foreign));
    s.insertWord.bindValue(2, Text(word.japanese));
    if (!Run(s.insertWord))
        return false;
    wordId = s.insertWord.lastInsertId().toLongLong();
    box = 0;
    return true;
}

std::optional<qint64> LearningRecord::Impl::BookId(const BookKey &book) const
{
    if (!available || !book.IsValid())
        return std::nullopt;
    QSqlQuery query =
        Select(QStringLiteral("SELECT id FROM books WHERE language = ? AND folder = ? AND file_name = ?"));
    query.bindValue(0, book.language);
    query.bindValue(1, book.folder);
    query.bindValue(2, book.fileName);
    if (!RunRead(query) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool LearningRecord::Impl::HasWordsWhere(const BookKey &book, const QString &condition) const
{
    const std::optional<qint64> bookId = BookId(book);
    if (!bookId)
        return false;
    QSqlQuery query =
        Select(QStringLiteral("SELECT EXISTS (SELECT 1 FROM words WHERE book_id = ? AND %1)").arg(condition));
    query.bindValue(0, *bookId);
    query.bindValue(1, TopBox);
    return RunRead(query) && query.next() && query.value(0).toBool();
}

LearningRecord::LearningRecord() : impl_(std::make_unique<Impl>()) {}

LearningRecord::~LearningRecord() = default;

std::optional<RecordProblem> LearningRecord::Open(const QString &path)
{
    impl_->Close();
    impl_->problem.reset();
    impl_->path = path;
    return impl_->OpenFile();
}

bool LearningRecord::Available() const
{
    return impl_->available;
}

std::optional<RecordProblem> LearningRecord::Problem() const
{
    return impl_->problem;
}

bool LearningRecord::RecordJudgement(const JudgementRecord &judgement)
{
    if (!impl_->available)
        return false;
    // A line that is no word, or a book without a name, has nothing to be known by.
    if (judgement.word.foreign.isEmpty() || !judgement.book.IsValid())
        return true;
    const qint64 time = Millis(judgement.time);
    return impl_->Write([&] {
        qint64 bookId = 0;
        qint64 wordId = 0;
        int box = 0;
        if (!impl_->WriteBook(judgement.book, bookId) || !impl_->WriteWord(bookId, judgement.word, wordId, box))
            return false;
        Impl::Statements &s = *impl_->statements;
        s.insertJudgement.bindValue(0, bookId);
        s.insertJudgement.bindValue(1, wordId);
        s.insertJudgement.bindValue(2, Text(judgement.answer));
        s.insertJudgement.bindValue(3, judgement.correct ? 1 : 0);
        s.insertJudgement.bindValue(4, judgement.first ? 1 : 0);
        s.insertJudgement.bindValue(5, time);
        if (!impl_->Run(s.insertJudgement))
            return false;
        if (!judgement.first)
            return true;  // a second try at the same question never moves the box
        s.moveBox.bindValue(0, judgement.correct ? std::min(box + 1, TopBox) : 0);
        s.moveBox.bindValue(1, time);
        s.moveBox.bindValue(2, wordId);
        return impl_->Run(s.moveBox);
    });
}

bool LearningRecord::RecordSet(const BookKey &book, const SetRecord &set)
{
    if (!impl_->available)
        return false;
    if (!book.IsValid())
        return true;
    return impl_->Write([&] {
        qint64 bookId = 0;
        if (!impl_->WriteBook(book, bookId))
            return false;
        Impl::Statements &s = *impl_->statements;
        s.insertSet.bindValue(0, bookId);
        s.insertSet.bindValue(1, std::clamp(set.score, 0, 100));
        s.insertSet.bindValue(2, set.review ? 1 : 0);
        s.insertSet.bindValue(3, Millis(set.finished));
        return impl_->Run(s.insertSet);
    });
}

QHash<WordKey, int> LearningRecord::Boxes(const BookKey &book) const
{
    QHash<WordKey, int> boxes;
    const std::optional<qint64> bookId = impl_->BookId(book);
    if (!bookId)
        return boxes;
    QSqlQuery query = impl_->Select(QStringLiteral("SELECT foreign_text, japanese, box FROM words WHERE book_id = ?"));
    query.bindValue(0, *bookId);
    if (!impl_->RunRead(query))
        return boxes;
    while (query.next())
        boxes.insert(WordKey{query.value(0).toString(), query.value(1).toString()}, query.value(2).toInt());
    return boxes;
}

bool LearningRecord::KnowsBook(const BookKey &book) const
{
    return impl_->BookId(book).has_value();
}

bool LearningRecord::HasWordsBelowTop(const BookKey &book) const
{
    return impl_->HasWordsWhere(book, QStringLiteral("box < ?"));
}

bool LearningRecord::HasWordsInTop(const BookKey &book) const
{
    return impl_->HasWordsWhere(book, QStringLiteral("box = ?"));
}

QList<ReviewWord> LearningRecord::ReviewWords(const BookKey &book, const QList<WordKey> &words, int limit) const
{
    QList<ReviewWord> chosen;
    const std::optional<qint64> bookId = limit > 0 ? impl_->BookId(book) : std::nullopt;
    if (!bookId)
        return chosen;
    // Each word's first row: walking backwards, an earlier row overwrites a later one.
    QHash<WordKey, int> firstRow;
    firstRow.reserve(words.size());
    for (qsizetype row = words.size() - 1; row >= 0; --row)
        if (!words[row].foreign.isEmpty())
            firstRow.insert(words[row], int(row));

    QSqlQuery query = impl_->Select(
        QStringLiteral("SELECT foreign_text, japanese, box, first_judged_ms FROM words WHERE book_id = ? AND box < ?"));
    query.bindValue(0, *bookId);
    query.bindValue(1, TopBox);
    if (!impl_->RunRead(query))
        return chosen;
    // Box, then the time of the last first judgement (never judged first counts as oldest), then row.
    std::vector<std::tuple<int, qint64, int>> candidates;
    while (query.next()) {
        const auto row = firstRow.constFind(WordKey{query.value(0).toString(), query.value(1).toString()});
        if (row == firstRow.cend())
            continue;  // deleted from the book: kept in the record, no longer asked
        const qint64 time = query.value(3).isNull() ? std::numeric_limits<qint64>::min() : query.value(3).toLongLong();
        candidates.emplace_back(query.value(2).toInt(), time, *row);
    }
    const auto end = candidates.begin() + std::min<qsizetype>(limit, qsizetype(candidates.size()));
    std::partial_sort(candidates.begin(), end, candidates.end());
    for (auto it = candidates.begin(); it != end; ++it)
        chosen.append(ReviewWord{std::get<2>(*it), std::get<0>(*it)});
    return chosen;
}

BoxCounts LearningRecord::CountBoxes(const BookKey &book, const QList<WordKey> &words) const
{
    BoxCounts counts;
    const QHash<WordKey, int> boxes = Boxes(book);
    // Every row counts: a word the book holds twice is counted twice, in its one box.
    for (const WordKey &word : words) {
        if (word.foreign.isEmpty())
            continue;
        const auto box = boxes.constFind(word);
        if (box == boxes.cend())
            ++counts.notAsked;
        else
            ++counts.inBox[std::clamp(*box, 0, TopBox)];
    }
    return counts;
}

QList<SetRecord> LearningRecord::SetScores(const BookKey &book) const
{
    QList<SetRecord> sets;
    const std::optional<qint64> bookId = impl_->BookId(book);
    if (!bookId)
        return sets;
    QSqlQuery query = impl_->Select(
        QStringLiteral("SELECT score, review, finished_ms FROM sets WHERE book_id = ? ORDER BY finished_ms, id"));
    query.bindValue(0, *bookId);
    if (!impl_->RunRead(query))
        return sets;
    while (query.next())
        sets.append(
            SetRecord{query.value(0).toInt(), query.value(1).toBool(), FromMillis(query.value(2).toLongLong())});
    return sets;
}
