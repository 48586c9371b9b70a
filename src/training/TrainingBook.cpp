#include "training/TrainingBook.h"

#include "lib/ULib.h"
#include "wordbook/BookFolder.h"
#include "wordbook/WordBookFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TrainingBookRead ReadTrainingBook(const QString &path)
{
    // A named pipe would wait for a writer and a device may never end: neither is opened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile)};
    QFile file(path);
    if (file.size() > MaxWordBookBytes)
        return {{}, FileError::TooLargeFile(path, MaxWordBookBytes)};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileError::CannotRead(file)};
    const QByteArray bytes = file.read(qMin(file.size(), MaxWordBookBytes));
    if (file.error() != QFileDevice::NoError)
        return {{}, FileError::CannotRead(file)};
    return {SplitBookLines(ULib::DecodeTextBytes(bytes)), std::nullopt};
}

QList<TrainingBookItem> ListTrainingBooks(const QString &folder)
{
    QList<TrainingBookItem> items;
    for (const QString &file : BookFileNames(folder)) {
        const WordBookHeader header = ReadWordBookHeader(folder + u'/' + file);
        if (header.lineCount <= 3)
            continue;
        items.append({file, header.title,
                      QStringLiteral("　%1　[%2]　・・・　[%3]　・・・　（%4個）")
                          .arg(header.title, header.group, header.typeName, QString::number(header.lineCount - 3))});
    }
    return items;
}
