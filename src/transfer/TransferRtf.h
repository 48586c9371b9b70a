#pragma once

#include "lib/FileError.h"

#include <QString>

#include <optional>

/// The font-table character-set number of a code: 1, 129, 134, 161, 162, 163, 204 and 222
/// stand for themselves, every other code for 0.
int RtfCharsetCode(int code);

/// Every UTF-16 code unit as "\u" + its unsigned decimal value + "?".
QString EscapeRtfUnicode(QStringView text);

/// A font name made safe for the font table: "\", "{" and "}" are escaped, so that a name
/// holding them cannot end the table or the document early; characters outside ASCII are
/// written as "\u" escapes, so that a reader gets the name back whatever the code page.
QString EscapeRtfFontName(QStringView fontName);

/// The one-line rich-text document of a transfer: the text in one font at one size.
QString BuildTransferRtf(int charsetCode, int pointSize, QStringView text, QStringView fontName);

/// Writes the document, followed by CR LF, to path in the system encoding, replacing the
/// file atomically. Returns what went wrong, or none.
std::optional<FileError> WriteWorkRtf(int charsetCode, int pointSize, const QString &path, QStringView text,
                                      QStringView fontName);

/// The name of the work file of the second rich-text method, in the system folder.
inline const QString WorkRtfFileName = QStringLiteral("Work.rtf");
