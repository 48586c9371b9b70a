#pragma once

#include "lib/FileError.h"

#include <QList>
#include <QString>

// The one place that words file errors in Japanese. The core's readers and writers return a
// FileError; each message here is the sentence the program shows for one kind of file.

/// The system's reason in Japanese for the common cases (or what a reader found wrong); the
/// system's own words otherwise.
QString FileErrorReasonText(const FileError &error);

/// The whole Japanese message for a file error, with the path in the system's separators:
/// "ファイル <path> は開けません。 <reason> " for a file that cannot be read and
/// "ファイル "<path>" を作成できません。<reason>" for one that cannot be written.
QString FileErrorText(const FileError &error);

/// A text file of the input area: one that is no regular file or too large is refused in
/// words of its own; any other error as FileErrorText.
QString TextFileErrorText(const FileError &error);

/// A flash-card text that cannot be imported: too large, not UTF-8, or not readable.
QString CardImportErrorText(const FileError &error);

/// A flash-card text that cannot be exported.
QString CardExportErrorText(const FileError &error);

/// A symbol set's candidate file that could not be read, or the line its reading stopped at.
QString CandidateFileErrorText(const FileError &error);

/// The parameter file that could not be saved when the program closed.
QString ParameterFileErrorText(const FileError &error);

/// The first start's version marker that could not be written: the samples are installed
/// again at the next start.
QString VersionMarkerErrorText(const FileError &error);

/// The transfer's work file that could not be written or read back.
QString TransferFileErrorText(const FileError &error);

/// The books the search could not read, one line each: the path and the reason.
QString UnreadableBooksText(const QList<FileError> &errors);
