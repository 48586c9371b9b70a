#pragma once

#include "wordbook/QuestionType.h"
#include "wordbook/WordEntries.h"

#include <QDateTime>
#include <QList>
#include <QString>

/// The open word book: where its file lies, its three header lines and its words.
struct WordBook {
    QString Folder;
    QString FileName;  ///< with ".utx"; empty while no book is open
    QString Title;
    QString Group;
    QString TypeName;  ///< the stored type name (header line 3)
    WordEntries Entries;
    /// The file as it was when read or last written: another program's change shows as a
    /// different size or time.
    qint64 FileSize = -1;
    QDateTime FileModified;

    bool IsOpen() const { return !FileName.isEmpty(); }
    QString Path() const { return Folder + u'/' + FileName; }
    /// The book's type; W for an unknown type name.
    QuestionType Type() const { return QuestionTypeFromName(TypeName).value_or(QuestionType::W); }
    /// Empties the entries and the four header fields.
    void Clear() { *this = WordBook{}; }
};

/// The current name for a stored type name: the older "発　音" and "問題文" become "単語理解"
/// and "空欄補充"; every other text stays as it is.
QString CurrentTypeName(const QString &typeName);
