#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

/// Small pure text routines shared by every subsystem. All work on UTF-16 code units.
namespace ULib {

/// U+0030 to U+0039 only (no other script's digits).
inline bool IsDecimalDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

/// U+0041 to U+0046 only: the letters of an upper-case hexadecimal number.
inline bool IsUpperHexLetter(QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'F'; }

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

} // namespace ULib
