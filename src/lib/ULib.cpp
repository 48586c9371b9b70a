#include "lib/ULib.h"

namespace ULib {

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

bool IsPrintableAscii(QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; }

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

} // namespace

QString EncodeHexNcr(QStringView text)
{
    return EncodeNcr(text, [](char16_t unit) {
        return QStringLiteral("&#x") + QStringLiteral("%1").arg(uint(unit), 4, 16, QLatin1Char('0')).toUpper() +
               QLatin1Char(';');
    });
}

QString EncodeDecNcr(QStringView text)
{
    return EncodeNcr(text, [](char16_t unit) { return QStringLiteral("&#%1;").arg(uint(unit)); });
}

} // namespace ULib
