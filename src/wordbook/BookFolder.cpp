#include "wordbook/BookFolder.h"

#include "wordbook/WordBookFile.h"

#include <QDir>

#include <algorithm>

QList<BookRow> ReadBookFolder(const QString &folder)
{
    QList<BookRow> rows;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + WordBookExtension},
                                                           QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        const WordBookHeader header = ReadWordBookHeader(file.filePath());
        if (header.lineCount < 3)
            continue;
        const QuestionType type = QuestionTypeFromName(header.typeName).value_or(QuestionType::W);
        rows.append({header.title, file.fileName(), header.group, header.lineCount - 3, QuestionTypeLetter(type)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const BookRow &a, const BookRow &b) { return a.group < b.group; });
    return rows;
}
