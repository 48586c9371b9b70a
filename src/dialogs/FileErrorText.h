#pragma once

#include "lib/FileError.h"

#include <QString>

/// The system's reason in Japanese for the common cases; the system's own words otherwise.
QString FileErrorReasonText(const FileError &error);

/// The whole Japanese message for a file error, with the path in the system's separators:
/// "ファイル <path> は開けません。 <reason> " for a file that cannot be read and
/// "ファイル "<path>" を作成できません。<reason>" for one that cannot be written.
QString FileErrorText(const FileError &error);
