#pragma once

#include "lib/FileError.h"

#include <QIODevice>
#include <QStringList>

#include <optional>

/// A training book file as read.
struct TrainingBookRead {
    /// The file's lines (header included), decoded by its byte-order mark (UTF-16 LE or BE,
    /// UTF-8, else the system's encoding); none when it cannot be read.
    QStringList lines;
    /// Missing, Unreadable (NotRegularFile for a named pipe or a device: never opened) or
    /// TooLarge (over MaxWordBookBytes); none when the file was read.
    std::optional<FileError> error;
};
TrainingBookRead ReadTrainingBook(const QString &path);

/// A training book's header as the book offers it to the question-choice box.
struct TrainingBookItem {
    QString fileName;
    QString title;
    QString caption;  ///< "　title　[group]　・・・　[type]　・・・　（n個）"
};

/// The books of a folder that hold at least one word (more than three lines), read as the book
/// list reads them, in the order the folder lists them.
QList<TrainingBookItem> ListTrainingBooks(const QString &folder);
