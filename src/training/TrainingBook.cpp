#include "training/TrainingBook.h"

#include "lib/ULib.h"
#include "wordbook/BookFolder.h"
#include "wordbook/WordBookFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList SplitTextLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines << text.sliced(start, i - start).toString();
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.sliced(start).toString();
    return lines;
}

QStringList ReadTrainingBook(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxWordBookBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return SplitTextLines(ULib::DecodeTextBytes(file.read(qMin(file.size(), MaxWordBookBytes))));
}

QList<TrainingBookItem> ListTrainingBooks(const QString &folder)
{
    QList<TrainingBookItem> items;
    for (const QString &file : BookFileNames(folder)) {
        const WordBookHeader header = ReadWordBookHeader(folder + u'/' + file);
        if (header.lineCount <= 3)
            continue;
        items.append(
            {file, QStringLiteral("　%1　[%2]　・・・　[%3]　・・・　（%4個）")
                       .arg(header.title, header.group, header.typeName, QString::number(header.lineCount - 3))});
    }
    return items;
}
