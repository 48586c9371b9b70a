#pragma once

#include "lib/FileError.h"

#include <QHash>
#include <QString>

#include <optional>

/// For each key character, its candidate string: the candidate symbols in order followed by
/// the key character itself, at most ten UTF-16 code units (one per choice slot).
using CandidateTable = QHash<QChar, QString>;

/// The candidate file of a symbol set: the full set or the set for English and the five languages.
QString CandidateFileName(bool fullSet);

/// What reading a candidate file gave.
struct CandidateFileResult {
    std::optional<CandidateTable> table;  ///< none when the file does not exist or cannot be read
    /// Unreadable when the file exists but cannot be read; Malformed (NotACharacterCode, with
    /// its line and field) when a line stopped the reading.
    std::optional<FileError> error;
};

/// Reads the lines of a candidate file. A line of 2 to 10 comma-text fields assigns to the
/// first character of field 1 the candidates of the other fields: a five-character field is a
/// decimal code, any other field stands for its own characters. The last line naming a key
/// wins. A five-character field that is not a code stops the reading at its line; the lines
/// before it have taken effect, and the error names the file (path), the line and the field.
CandidateFileResult ParseCandidateText(const QString &text, const QString &path);

/// Reads the candidate file of the chosen set from the table folder. A missing file is no
/// error: the set is simply not there.
CandidateFileResult ReadCandidateFile(const QString &tblFolder, bool fullSet);
