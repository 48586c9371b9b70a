#include "lib/ULib.h"

#include "lib/CommaFields.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace ULib {

QStringList SplitCommaText(QStringView line)
{
    QStringList fields;
    ForEachCommaField(line, [&fields](QStringView field, bool, bool doubled) {
        fields << CommaFieldText(field, doubled);
        return true;
    });
    return fields;
}

QString DecodeTextBytes(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringConverter::Utf8)(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes.mid(2));
    return QStringDecoder(QStringConverter::System)(bytes);
}

std::optional<FileError> WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    // A folder, a device or a named pipe is never replaced by a file.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return FileError::Because(FileError::Code::CannotWrite, path, FileError::Reason::NotRegularFile);
    // Unbuffered, so that a full disk fails the write itself: a buffered write would only fail
    // at the flush inside commit, too late to tell. The old file stays until the commit.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return std::nullopt;
    return FileError::CannotWrite(file);
}

bool SaveBytesAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const std::optional<FileError> failure = WriteFileAtomically(path, bytes);
    if (failure && error)
        *error = failure->systemText;
    return !failure;
}

QString ReadTextFileCapped(QIODevice &file, qint64 maxBytes)
{
    const QByteArray bytes = file.read(maxBytes);
    QString text = DecodeTextBytes(bytes);
    if (!file.atEnd()) {
        const qsizetype lastBreak = qMax(text.lastIndexOf(u'\n'), text.lastIndexOf(u'\r'));
        text.truncate(lastBreak + 1);
    }
    return text;
}

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

QString JoinLinesCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

namespace {

bool IsPrintableAscii(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

template <typename Encode> QString EncodeNcr(QStringView text, Encode encode)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (IsPrintableAscii(c))
            out += c;
        else
            out += encode(c.unicode());
    }
    return out;
}

}  // namespace

QString EncodeHexNcr(QStringView text)
{
    return EncodeNcr(text, [](char16_t unit) {
        return QStringLiteral("&#x") + QStringLiteral("%1").arg(uint(unit), 4, 16, QLatin1Char('0')).toUpper() +
               QLatin1Char(';');
    });
}

std::optional<int> FiveCharCode(QStringView text)
{
    if (text.size() != 5)
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString EncodeDecNcr(QStringView text)
{
    return EncodeNcr(text, [](char16_t unit) { return QStringLiteral("&#%1;").arg(uint(unit)); });
}

QString TrimBlanks(QStringView text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start].unicode() <= 0x20)
        ++start;
    while (end > start && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(start, end - start).toString();
}

QString EscapeQuotes(QStringView text)
{
    QString out = text.toString();
    return out.replace(u'"', QStringLiteral("#$22"));
}

QString UnescapeQuotes(QStringView text)
{
    QString out = text.toString();
    return out.replace(QStringLiteral("#$22"), QStringLiteral("\""));
}

QString BreaksToMarkers(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r')
            out += QStringLiteral("#$0D");
        else if (c != u'\n')
            out += c;
    }
    return out;
}

QString MarkersToBreaks(QStringView text)
{
    QString out = text.toString();
    return out.replace(QStringLiteral("#$0D"), QStringLiteral("\r\n"));
}

namespace {

/// One pass of ReplaceAll: replace the first occurrence, then search again from the start.
/// The text before a replaced occurrence held none, so the next search may begin just before
/// the replacement (an occurrence may straddle its start), which keeps the pass linear.
void ReplacePass(QString &text, const QString &search, const QString &replacement)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(search, from);
        if (at < 0)
            return;
        text.replace(at, search.size(), replacement);
        from = qMax<qsizetype>(0, at - search.size() + 1);
    }
}

}  // namespace

QString ReplaceAll(QString text, const QString &search, const QString &replacement)
{
    static const QString placeholder = QStringLiteral("WQZR@XOPL");
    if (search.isEmpty())
        return text;
    ReplacePass(text, search, placeholder);
    ReplacePass(text, placeholder, replacement);
    return text;
}

}  // namespace ULib
