#pragma once

#include <QAbstractTableModel>
#include <QList>

/// One book of a folder as the book list shows it.
struct BookRow {
    QString title;
    QString fileName;
    QString group;
    qsizetype count = 0;  ///< words: the file's lines minus the three header lines
    QString letter;       ///< W, B or C
};

/// The rows of the book list (ListView2): title, file name, group, count, type letter.
class BookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces the rows, sorted by group code unit by code unit (a stable sort: books of one
    /// group keep the order they came in).
    void SetRows(QList<BookRow> rows);
    const QList<BookRow> &Rows() const { return rows_; }
    /// Sets the count of every row of that file name.
    void SetCount(const QString &fileName, qsizetype count);
    qsizetype Total() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<BookRow> rows_;
};
