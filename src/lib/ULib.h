#pragma once

#include "lib/FileError.h"

#include <QByteArray>
#include <QChar>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

/// Small pure text routines shared by every subsystem. All work on UTF-16 code units.
namespace ULib {

/// U+0030 to U+0039 only (no other script's digits).
inline bool IsDecimalDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

/// U+0041 to U+0046 only: the letters of an upper-case hexadecimal number.
inline bool IsUpperHexLetter(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'F';
}

/// Splits one line of comma text into fields: blanks (U+0000..U+0020) separate like commas,
/// double-quoted fields may hold blanks and commas (two quotes stand for one), an empty field
/// between two commas counts, and a comma that ends the line adds one empty field.
QStringList SplitCommaText(QStringView line);

/// Decodes a text file's bytes: a UTF-8 or UTF-16 byte-order mark is honoured, otherwise the
/// system encoding is used.
QString DecodeTextBytes(const QByteArray &bytes);

/// Reads and decodes a small text file of the program's own (settings, symbol sets), at most
/// maxBytes of it: a file of garbage cannot stall the program. When the file is longer, the
/// line cut by the limit is dropped, so that only whole lines are read.
QString ReadTextFileCapped(QIODevice &file, qint64 maxBytes);

/// Writes bytes to path through a file beside it that is renamed over it, so that a failure
/// leaves the previous file whole. Returns what went wrong (CannotWrite), or none.
std::optional<FileError> WriteFileAtomically(const QString &path, const QByteArray &bytes);

/// WriteFileAtomically for the word-book writer: on failure returns false with the system's
/// words for the reason in error.
bool SaveBytesAtomically(const QString &path, const QByteArray &bytes, QString *error);

/// Splits text into lines at CR LF, a lone CR or a lone LF; a break at the very end
/// does not produce an empty last line.
QStringList SplitLines(QStringView text);

/// Joins lines with CR LF after every line, the last one included.
QString JoinLinesCrLf(const QStringList &lines);

/// Every UTF-16 code unit outside printable ASCII (0x20..0x7E) as "&#x" + four upper-case
/// hexadecimal digits + ";". Surrogates are written one by one.
QString EncodeHexNcr(QStringView text);

/// Every UTF-16 code unit outside printable ASCII (0x20..0x7E) as "&#" + its decimal value + ";".
QString EncodeDecNcr(QStringView text);

/// The value of a five-character decimal code ("00601" gives 601); 0 for any other length.
/// Returns no value for five characters that are not a decimal number.
std::optional<int> FiveCharCode(QStringView text);

/// Text without the blanks and control characters (U+0000..U+0020) at both ends.
QString TrimBlanks(QStringView text);

/// Every double quote character replaced by the four characters "#$22".
QString EscapeQuotes(QStringView text);
/// Every "#$22" replaced by one double quote character.
QString UnescapeQuotes(QStringView text);
/// Every CR replaced by the marker "#$0D", every LF dropped: CR LF becomes one marker.
QString BreaksToMarkers(QStringView text);
/// Every "#$0D" marker replaced by CR LF.
QString MarkersToBreaks(QStringView text);
/// Every occurrence of search (non-empty) replaced by replacement, in two passes through a
/// fixed placeholder, so that a replacement holding the search text is not caught again. An
/// occurrence of the placeholder already in the text is replaced too.
QString ReplaceAll(QString text, const QString &search, const QString &replacement);

}  // namespace ULib
