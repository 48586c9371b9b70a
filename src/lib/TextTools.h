#pragma once

#include "lib/FileError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

/// The plain-text tools of the input area: its text files and the character and code reports.
namespace TextTools {

enum class TextEncoding { Utf16LE, Utf16BE, Utf8, System };
enum class LineBreak { CrLf, Lf, Cr };

/// How a text file is written. The default is the program's own format: UTF-16 LE with the
/// byte-order mark FF FE and CR LF after every line.
struct TextFileFormat {
    TextEncoding encoding = TextEncoding::Utf16LE;
    bool byteOrderMark = true;
    LineBreak lineBreak = LineBreak::CrLf;
    /// The last line ends with a break too (a text without one at its end gains one).
    bool breakAfterLastLine = true;

    friend bool operator==(const TextFileFormat &, const TextFileFormat &) = default;
};

/// A text file's bytes as the input area's text.
struct DecodedText {
    QString text;  ///< every line break as LF
    TextFileFormat format;
    /// False when some bytes were no characters of the encoding: they are shown as U+FFFD (or a
    /// lone last byte of UTF-16 is left out), so writing the text back would change them.
    bool clean = true;
};

/// Reads a text file's encoding from its bytes: UTF-16 LE or BE by its byte-order mark; UTF-8
/// with its mark; without a mark, UTF-16 LE or BE when the bytes hold NULs and all of them sit
/// at odd (LE) or even (BE) offsets, as the high or low halves of ASCII characters do; else
/// UTF-8 when the bytes are valid UTF-8, else the system's encoding. The line-break style is
/// that of the first break (CR LF for UTF-16 and LF otherwise when there is none); CR LF and
/// lone CR breaks become LF.
DecodedText DecodeTextFile(const QByteArray &bytes);

/// The text as a file of the format: every LF written as the format's break. None when the
/// encoding cannot hold every character of the text (a lone surrogate in UTF-8, a character
/// missing from the system's encoding): nothing is written then rather than a stand-in.
std::optional<QByteArray> EncodeTextFile(QStringView text, const TextFileFormat &format);

/// The formats 名前を付けて保存 offers: the program's own, UTF-8 with LF, UTF-8 with its mark
/// and CR LF, and the current file's format when it is none of these. Each keeps the current
/// file's breakAfterLastLine.
QList<TextFileFormat> SaveFormatChoices(const TextFileFormat &current);

/// An encoding's name, e.g. "UTF-16 LE" or "システムの文字コード".
QString EncodingName(TextEncoding encoding);

/// A format in words, e.g. "UTF-8、BOM なし、改行 LF".
QString FormatDescription(const TextFileFormat &format);

/// The largest text file the input area opens: beyond it a file is refused, not read.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

/// A text file read from disk, bounded by kMaxTextFileBytes.
struct TextFileRead {
    /// None when decoded holds the file's text. Else Missing or Unreadable (NotRegularFile for
    /// a folder, a named pipe or a device: never opened, so nothing can hang), or TooLarge.
    std::optional<FileError> error;
    DecodedText decoded;
};
TextFileRead ReadTextFile(const QString &path);

/// "文字数は n 文字です。": UTF-16 code units, each line break counting as two (CR LF).
QString CharacterCountText(QStringView text);

/// heading + the number of code units, a line break, "コード: " + "/XXXX" for every code unit.
/// A line break is listed and counted as the two units CR LF, as the character count and the
/// saved file have it.
QString CodeValueText(const QString &heading, QStringView text);

}  // namespace TextTools
