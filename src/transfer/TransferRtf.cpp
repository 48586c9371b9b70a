#include "transfer/TransferRtf.h"

#include "lib/ULib.h"

#include <QStringEncoder>

int RtfCharsetCode(int code)
{
    switch (code) {
    case 1:
    case 129:
    case 134:
    case 161:
    case 162:
    case 163:
    case 204:
    case 222: return code;
    default: return 0;
    }
}

QString EscapeRtfUnicode(QStringView text)
{
    QString out;
    out.reserve(text.size() * 7);
    for (QChar c : text) {
        out += QLatin1String("\\u");
        out += QString::number(uint(c.unicode()));
        out += QLatin1Char('?');
    }
    return out;
}

QString EscapeRtfFontName(QStringView fontName)
{
    QString out;
    for (QChar c : fontName) {
        if (c.unicode() > 0x7F) {
            // The document declares a code page; a name outside ASCII is written as Unicode
            // escapes, which RTF readers take back whatever the code page.
            out += EscapeRtfUnicode(QStringView(&c, 1));
            continue;
        }
        if (c == u'\\' || c == u'{' || c == u'}')
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString BuildTransferRtf(int charsetCode, int pointSize, QStringView text, QStringView fontName)
{
    return QLatin1String(
               "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil\\fcharset") +
           QString::number(RtfCharsetCode(charsetCode)) + QLatin1Char(' ') + EscapeRtfFontName(fontName) +
           QLatin1String(";}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs") + QString::number(2 * qint64(pointSize)) +
           EscapeRtfUnicode(text) + QLatin1String("\\f1\\par}");
}

std::optional<FileError> WriteWorkRtf(int charsetCode, int pointSize, const QString &path, QStringView text,
                                      QStringView fontName)
{
    const QString document = BuildTransferRtf(charsetCode, pointSize, text, fontName) + QLatin1String("\r\n");
    return ULib::WriteFileAtomically(path, QStringEncoder(QStringConverter::System)(document));
}
