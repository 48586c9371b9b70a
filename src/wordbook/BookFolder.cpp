#include "wordbook/BookFolder.h"

#include "wordbook/WordBookFile.h"

#include <QDir>

#include <algorithm>

QStringList BookFileNames(const QString &folder)
{
    QStringList names;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + WordBookExtension},
                                                           QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo &file : files) {
        if (file.isFile())  // follows links: true for regular files only
            names << file.fileName();
    }
    return names;
}

QList<BookRow> ReadBookFolder(const QString &folder)
{
    QList<BookRow> rows;
    for (const QString &fileName : BookFileNames(folder)) {
        const WordBookHeader header = ReadWordBookHeader(folder + u'/' + fileName);
        if (header.lineCount < 3)
            continue;
        const QuestionType type = QuestionTypeFromName(header.typeName).value_or(QuestionType::W);
        rows.append({header.title, fileName, header.group, header.lineCount - 3, QuestionTypeLetter(type)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const BookRow &a, const BookRow &b) { return a.group < b.group; });
    return rows;
}
