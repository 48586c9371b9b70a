#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// One book of a folder as the book list shows it.
struct BookRow {
    QString title;
    QString fileName;
    QString group;
    qsizetype count = 0;  ///< words: the file's lines minus the three header lines
    QString letter;       ///< W, B or C
};

/// The names of a folder's book files: every regular file named "*.utx" (hidden ones too), in
/// the order the file system lists them. A named pipe, a device or a link to one is no book.
QStringList BookFileNames(const QString &folder);

/// The books of a folder: every ".utx" file of at least three lines, sorted by group code unit
/// by code unit (books of one group keep the order the folder lists them in).
QList<BookRow> ReadBookFolder(const QString &folder);
