#include "lib/TextTools.h"

#include <QSysInfo>

namespace TextTools {

QByteArray TextFileBytes(QStringView text)
{
    QString lines = text.toString();
    if (lines.endsWith(u'\n'))
        lines.chop(1);
    lines.replace(u'\n', QStringLiteral("\r\n"));
    lines += QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + lines.size() * 2);
    for (QChar c : std::as_const(lines)) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString TextFromFileBytes(const QByteArray &bytes)
{
    const qsizetype skip = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    const qsizetype units = (bytes.size() - skip) / 2;
    QString text(units, Qt::Uninitialized);
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData() + skip);
    for (qsizetype i = 0; i < units; ++i)
        text[i] = QChar(char16_t(data[2 * i] | (data[2 * i + 1] << 8)));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
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
