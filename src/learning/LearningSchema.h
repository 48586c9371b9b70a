#pragma once

#include <QSqlError>

class QSqlDatabase;

/// The record file's tables and their versions. The version is the file's PRAGMA user_version;
/// each upgrade step takes a file from one version to the next, so a new version adds a step.
namespace learning_schema {

/// The version this program writes.
int CurrentVersion();

/// What a file holds, found by reading only.
struct Inspection {
    int version = 0;
    /// Tables that are not the record's: a version-0 file that is not empty, or a file of a
    /// known version that lacks one of the record's tables.
    bool foreignTables = false;
    /// Set when the file could not be read (no database, locked, unreadable).
    QSqlError error;
};
Inspection Inspect(const QSqlDatabase &db);

/// Runs the steps from `fromVersion` up to CurrentVersion(), each ending with its version
/// number, inside the caller's transaction. An invalid error when every step ran.
QSqlError Upgrade(const QSqlDatabase &db, int fromVersion);

}  // namespace learning_schema
