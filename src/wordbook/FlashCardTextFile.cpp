#include "wordbook/FlashCardText.h"
#include "wordbook/WordBookFile.h"

#include <QFile>
#include <QFileInfo>

CardTextRead ReadCardTextFile(const QString &path)
{
    // A named pipe would wait for a writer and a device may never end: neither is opened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {std::nullopt, FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile)};
    if (info.size() > MaxWordBookBytes)
        return {std::nullopt, FileError::TooLargeFile(path, MaxWordBookBytes)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, FileError::CannotRead(file)};
    // The file may have grown since it was measured: the read stops one byte past the limit.
    const QByteArray bytes = file.read(qMin(file.size(), MaxWordBookBytes) + 1);
    if (bytes.size() > MaxWordBookBytes)
        return {std::nullopt, FileError::TooLargeFile(path, MaxWordBookBytes)};
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, FileError::CannotRead(file)};
    std::optional<CardTable> table = ReadCardText(bytes);
    if (!table)
        return {std::nullopt, FileError::Because(FileError::Code::Malformed, path, FileError::Reason::NotUtf8Text)};
    return {std::move(table), std::nullopt};
}
