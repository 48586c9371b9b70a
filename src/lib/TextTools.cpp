#include "lib/TextTools.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextTools {

namespace {

constexpr QStringConverter::Flags kConverterFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QStringConverter::Encoding ConverterEncoding(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE: return QStringConverter::Utf16LE;
    case TextEncoding::Utf16BE: return QStringConverter::Utf16BE;
    case TextEncoding::Utf8: return QStringConverter::Utf8;
    case TextEncoding::System: break;
    }
    return QStringConverter::System;
}

bool IsUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
}

/// UTF-16 code units copied as they are, so that any file of them (lone surrogates included)
/// is written back byte for byte. A lone last byte is left out.
QString Utf16Units(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i) {
        const uchar first = data[2 * i], second = data[2 * i + 1];
        text[i] = QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(first | second << 8));
    }
    return text;
}

QByteArray Utf16Bytes(QStringView text, bool bigEndian)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

/// The bytes as text of an 8-bit encoding; false in clean when a byte sequence is no
/// character of it or the text would not give the same bytes back.
QString DecodeEightBit(QByteArrayView bytes, TextEncoding encoding, bool *clean)
{
    QStringDecoder decoder(ConverterEncoding(encoding), kConverterFlags);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        *clean = false;
    } else if (encoding == TextEncoding::System) {
        QStringEncoder encoder(ConverterEncoding(encoding), kConverterFlags);
        const QByteArray again = encoder(text);
        *clean = !encoder.hasError() && again == bytes;
    }
    return text;
}

/// UTF-16 without a byte-order mark, told by where its NUL bytes sit: an ASCII character has
/// a NUL as its high byte. Text of an 8-bit encoding holds no NULs.
std::optional<TextEncoding> UnmarkedUtf16(QByteArrayView bytes)
{
    bool even = false, odd = false;
    for (qsizetype i = bytes.indexOf('\0'); i >= 0; i = bytes.indexOf('\0', i + 1))
        (i % 2 ? odd : even) = true;
    if (odd && !even)
        return TextEncoding::Utf16LE;
    if (even && !odd)
        return TextEncoding::Utf16BE;
    return std::nullopt;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, kConverterFlags);
    // The decoder works when its result is taken as a text.
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

LineBreak FirstLineBreak(QStringView text, TextEncoding encoding)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return LineBreak::Lf;
        if (text[i] == u'\r')
            return i + 1 < text.size() && text[i + 1] == u'\n' ? LineBreak::CrLf : LineBreak::Cr;
    }
    return IsUtf16(encoding) ? LineBreak::CrLf : LineBreak::Lf;
}

QString BreakText(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf: return QStringLiteral("\r\n");
    case LineBreak::Lf: return QStringLiteral("\n");
    case LineBreak::Cr: break;
    }
    return QStringLiteral("\r");
}

}  // namespace

DecodedText DecodeTextFile(const QByteArray &bytes)
{
    DecodedText decoded;
    TextFileFormat &format = decoded.format;
    QByteArrayView body(bytes);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        format.encoding = bytes.startsWith("\xFF") ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
        body = body.sliced(2);
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        format.encoding = TextEncoding::Utf8;
        body = body.sliced(3);
    } else {
        format.byteOrderMark = false;
        if (const auto utf16 = UnmarkedUtf16(body))
            format.encoding = *utf16;
        else if (IsValidUtf8(body))
            format.encoding = TextEncoding::Utf8;
        else
            format.encoding = TextEncoding::System;
    }

    QString text;
    if (IsUtf16(format.encoding)) {
        text = Utf16Units(body, format.encoding == TextEncoding::Utf16BE);
        decoded.clean = body.size() % 2 == 0;
    } else {
        text = DecodeEightBit(body, format.encoding, &decoded.clean);
    }
    format.lineBreak = FirstLineBreak(text, format.encoding);
    format.breakAfterLastLine = text.isEmpty() || text.endsWith(u'\n') || text.endsWith(u'\r');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    decoded.text = std::move(text);
    return decoded;
}

std::optional<QByteArray> EncodeTextFile(QStringView text, const TextFileFormat &format)
{
    QString lines = text.toString();
    if (format.breakAfterLastLine && !lines.endsWith(u'\n'))
        lines += u'\n';
    if (format.lineBreak != LineBreak::Lf)
        lines.replace(u'\n', BreakText(format.lineBreak));

    switch (format.encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool bigEndian = format.encoding == TextEncoding::Utf16BE;
        QByteArray bytes = format.byteOrderMark ? QByteArray(bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2) : QByteArray();
        return bytes + Utf16Bytes(lines, bigEndian);
    }
    case TextEncoding::Utf8:
    case TextEncoding::System: break;
    }
    QStringEncoder encoder(ConverterEncoding(format.encoding), kConverterFlags);
    QByteArray body = encoder(lines);
    // An encoder may put a stand-in for a character it lacks without telling: only a text that
    // reads back the same is written.
    QStringDecoder decoder(ConverterEncoding(format.encoding), kConverterFlags);
    const QString back = decoder(body);
    if (encoder.hasError() || decoder.hasError() || back != lines)
        return std::nullopt;
    if (format.encoding == TextEncoding::Utf8 && format.byteOrderMark)
        body.prepend("\xEF\xBB\xBF");
    return body;
}

QList<TextFileFormat> SaveFormatChoices(const TextFileFormat &current)
{
    const bool lastBreak = current.breakAfterLastLine;
    QList<TextFileFormat> choices{
        {TextEncoding::Utf16LE, true, LineBreak::CrLf, lastBreak},
        {TextEncoding::Utf8, false, LineBreak::Lf, lastBreak},
        {TextEncoding::Utf8, true, LineBreak::CrLf, lastBreak},
    };
    if (!choices.contains(current))
        choices.append(current);
    return choices;
}

QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::System: break;
    }
    return QStringLiteral("システムの文字コード");
}

QString FormatDescription(const TextFileFormat &format)
{
    QString lineBreak;
    switch (format.lineBreak) {
    case LineBreak::CrLf: lineBreak = QStringLiteral("CR LF"); break;
    case LineBreak::Lf: lineBreak = QStringLiteral("LF"); break;
    case LineBreak::Cr: lineBreak = QStringLiteral("CR"); break;
    }
    // The system's encoding has no byte-order mark to speak of.
    const QString mark = format.encoding == TextEncoding::System ? QString()
                         : format.byteOrderMark                  ? QStringLiteral("BOM 付き、")
                                                                 : QStringLiteral("BOM なし、");
    return EncodingName(format.encoding) + u'、' + mark + QStringLiteral("改行 ") + lineBreak;
}

TextFileRead ReadTextFile(const QString &path)
{
    const QFileInfo info(path);
    // Only a regular file is opened: opening a named pipe waits for a writer, and a device
    // may never end.
    if (info.exists() && !info.isFile())
        return {FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile), {}};
    if (info.exists() && info.size() > kMaxTextFileBytes)
        return {FileError::TooLargeFile(path, kMaxTextFileBytes), {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileError::CannotRead(file), {}};
    // The file may have grown since it was measured: the read stops one byte past the limit.
    // (read() makes room for all it is allowed first: no more than the file's size is asked.)
    const QByteArray bytes = file.read(qMin(file.size(), kMaxTextFileBytes) + 1);
    if (bytes.size() > kMaxTextFileBytes)
        return {FileError::TooLargeFile(path, kMaxTextFileBytes), {}};
    if (file.error() != QFileDevice::NoError)
        return {FileError::CannotRead(file), {}};
    return {std::nullopt, DecodeTextFile(bytes)};
}

QString CharacterCountText(QStringView text)
{
    const qsizetype count = text.size() + text.count(u'\n');
    return QStringLiteral("文字数は ") + QString::number(count) + QStringLiteral(" 文字です。");
}

QString CodeValueText(const QString &heading, QStringView text)
{
    QString codes;
    codes.reserve(text.size() * 5);
    const auto code = [&codes](char16_t unit) {
        codes += u'/' + QStringLiteral("%1").arg(unit, 4, 16, QChar(u'0')).toUpper();
    };
    for (QChar c : text) {
        if (c == u'\n')
            code(u'\r');
        code(c.unicode());
    }
    const qsizetype count = text.size() + text.count(u'\n');
    return heading + QString::number(count) + u'\n' + QStringLiteral("コード: ") + codes;
}

}  // namespace TextTools
