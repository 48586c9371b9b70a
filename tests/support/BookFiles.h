#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>

/// Writes a word-book file as the program does: FF FE, then the lines in UTF-16 LE, each
/// ending in CR LF.
inline void WriteBook(const QString &path, const QStringList &lines)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString &line : lines) {
        const QString withBreak = line + QStringLiteral("\r\n");
        bytes.append(reinterpret_cast<const char *>(withBreak.utf16()), withBreak.size() * 2);
    }
    file.write(bytes);
}
