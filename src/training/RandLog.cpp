#include "training/RandLog.h"

#include "lib/ULib.h"

QString RandLogLine(const QDateTime &when, const QLocale &locale, const QString &title, const QList<int> &order, int n)
{
    QString line = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() != QTime(0, 0))
        line += u' ' + locale.toString(when.time(), QLocale::LongFormat);
    line += QStringLiteral(": ") + title + QStringLiteral(" : ");
    for (int i = 0; i < n && i < order.size(); ++i) {
        if (i > 0)
            line += u',';
        line += QString::number(order[i] + 1);
    }
    return line;
}

std::optional<FileError> WriteRandLog(const QString &folder, const QString &line)
{
    const QString text = line + QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return ULib::WriteFileAtomically(folder + u'/' + RandLogFileName, bytes);
}
