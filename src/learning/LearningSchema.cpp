#include "learning/LearningSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

namespace learning_schema {
namespace {

/// The steps: Steps()[n] takes a file of version n to version n + 1.
const QList<QStringList> &Steps()
{
    static const QList<QStringList> steps{
        // 0 → 1: books by language, folder and file name; words by book and texts with their
        // box; every judgement; every finished set. Times are milliseconds since the epoch (UTC).
        {
            QStringLiteral("CREATE TABLE books ("
                           " id INTEGER PRIMARY KEY,"
                           " language TEXT NOT NULL,"
                           " folder TEXT NOT NULL,"
                           " file_name TEXT NOT NULL,"
                           " title TEXT NOT NULL DEFAULT '',"
                           " UNIQUE (language, folder, file_name))"),
            QStringLiteral("CREATE TABLE words ("
                           " id INTEGER PRIMARY KEY,"
                           " book_id INTEGER NOT NULL REFERENCES books (id),"
                           " foreign_text TEXT NOT NULL,"
                           " japanese TEXT NOT NULL,"
                           " box INTEGER NOT NULL DEFAULT 0 CHECK (box BETWEEN 0 AND 4),"
                           " first_judged_ms INTEGER,"
                           " UNIQUE (book_id, foreign_text, japanese))"),
            // The review choice and the box counts: a book's words by box, oldest first.
            QStringLiteral("CREATE INDEX words_by_box ON words (book_id, box, first_judged_ms)"),
            QStringLiteral("CREATE TABLE judgements ("
                           " id INTEGER PRIMARY KEY,"
                           " book_id INTEGER NOT NULL REFERENCES books (id),"
                           " word_id INTEGER NOT NULL REFERENCES words (id),"
                           " answer TEXT NOT NULL,"
                           " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
                           " first INTEGER NOT NULL CHECK (first IN (0, 1)),"
                           " time_ms INTEGER NOT NULL)"),
            // A word's history in time order (and the foreign key's check).
            QStringLiteral("CREATE INDEX judgements_by_word ON judgements (word_id, time_ms)"),
            QStringLiteral("CREATE TABLE sets ("
                           " id INTEGER PRIMARY KEY,"
                           " book_id INTEGER NOT NULL REFERENCES books (id),"
                           " score INTEGER NOT NULL CHECK (score BETWEEN 0 AND 100),"
                           " review INTEGER NOT NULL CHECK (review IN (0, 1)),"
                           " finished_ms INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX sets_by_book ON sets (book_id, finished_ms)"),
        },
    };
    return steps;
}

/// The tables every version since the first holds.
const QStringList &RecordTables()
{
    static const QStringList tables{"books", "words", "judgements", "sets"};
    return tables;
}

}  // namespace

int CurrentVersion()
{
    return int(Steps().size());
}

Inspection Inspect(const QSqlDatabase &db)
{
    Inspection inspection;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        inspection.error = query.lastError();
        return inspection;
    }
    inspection.version = query.value(0).toInt();
    query.finish();
    // SQLite's own objects (sqlite_sequence, sqlite_stat1 …) say nothing about who made the file.
    if (!query.exec(
            QStringLiteral("SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"))) {
        inspection.error = query.lastError();
        return inspection;
    }
    QStringList tables;
    bool anyObject = false;
    while (query.next()) {
        anyObject = true;
        if (query.value(0).toString() == QLatin1String("table"))
            tables.append(query.value(1).toString());
    }
    if (inspection.version == 0) {
        inspection.foreignTables = anyObject;
    } else if (inspection.version <= CurrentVersion()) {
        for (const QString &table : RecordTables())
            if (!tables.contains(table))
                inspection.foreignTables = true;
    }
    return inspection;
}

QSqlError Upgrade(const QSqlDatabase &db, int fromVersion)
{
    QSqlQuery query(db);
    for (int version = fromVersion; version < CurrentVersion(); ++version) {
        for (const QString &statement : Steps()[version])
            if (!query.exec(statement))
                return query.lastError();
        // A pragma takes no bound values; the number is ours.
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1)))
            return query.lastError();
    }
    return {};
}

}  // namespace learning_schema
