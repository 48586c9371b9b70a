#pragma once

#include <QIODevice>
#include <QStringList>

/// A text's lines, split at CR LF, a lone CR or a lone LF; a break at the very end makes no
/// empty last line.
QStringList SplitTextLines(QStringView text);

/// The lines of a training book file (header included), decoded by its byte-order mark (UTF-16
/// LE or BE, UTF-8, else the system's encoding), or none when it cannot be read.
QStringList ReadTrainingBook(const QString &path);

/// A training book's header as the book offers it to the question-choice box.
struct TrainingBookItem {
    QString fileName;
    QString caption;  ///< "　title　[group]　・・・　[type]　・・・　（n個）"
};

/// The books of a folder that hold at least one word (more than three lines), read as the book
/// list reads them, in the order the folder lists them.
QList<TrainingBookItem> ListTrainingBooks(const QString &folder);
