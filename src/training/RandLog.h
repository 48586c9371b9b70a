#pragma once

#include "lib/FileError.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

/// The file that logs the last shuffle, in the text folder.
inline const QString RandLogFileName = QStringLiteral("RandLog.txt");

/// The log line of a shuffle: the date in the locale's short format, a space and the time in
/// its long format (no time at exactly midnight), ": ", the book's title, " : ", then
/// order[0] + 1 … order[n − 1] + 1 joined by ",".
QString RandLogLine(const QDateTime &when, const QLocale &locale, const QString &title, const QList<int> &order, int n);

/// Replaces folder/RandLog.txt with the line: FF FE, UTF-16 LE, CR LF. Returns what went
/// wrong, or none.
std::optional<FileError> WriteRandLog(const QString &folder, const QString &line);
