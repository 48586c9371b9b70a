#pragma once

#include <QByteArray>
#include <QString>

/// The plain-text tools of the input area: its text files and the character and code reports.
namespace TextTools {

/// A text as a text file: FF FE, then every line in UTF-16 LE followed by CR LF. Lines are
/// split at LF (the input area's line break); a break at the very end adds no empty line.
QByteArray TextFileBytes(QStringView text);

/// A text file's text: FF FE skipped when present, the rest read as UTF-16 LE whatever it
/// holds (an odd last byte is dropped). Its CR LF and lone CR breaks become LF.
QString TextFromFileBytes(const QByteArray &bytes);

/// "文字数は n 文字です。": UTF-16 code units, each line break counting as two (CR LF).
QString CharacterCountText(QStringView text);

/// heading + the number of code units, a line break, "コード: " + "/XXXX" for every code unit.
/// A line break is listed and counted as the two units CR LF, as the character count and the
/// saved file have it.
QString CodeValueText(const QString &heading, QStringView text);

}  // namespace TextTools
