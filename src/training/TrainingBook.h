#pragma once

#include <QIODevice>
#include <QStringList>

/// A training book's text by its byte-order mark: UTF-16 LE (FF FE), UTF-16 BE (FE FF), UTF-8
/// (EF BB BF), otherwise the system's 8-bit encoding.
QString DecodeTrainingText(const QByteArray &bytes);

/// A text's lines, split at CR LF, a lone CR or a lone LF; a break at the very end makes no
/// empty last line.
QStringList SplitTextLines(QStringView text);

/// The lines of a training book file (header included), or none when it cannot be read.
QStringList ReadTrainingBook(const QString &path);

/// A training book's header as the book offers it to the question-choice box.
struct TrainingBookItem {
    QString fileName;
    QString caption;  ///< "　title　[group]　・・・　[type]　・・・　（n個）"
};

/// The books of a folder that hold at least one word (more than three lines), read as the book
/// list reads them, in the order the folder lists them.
QList<TrainingBookItem> ListTrainingBooks(const QString &folder);
