#pragma once

#include "wordbook/BookFolder.h"

#include <QAbstractTableModel>

/// The rows of the book list (ListView2): title, file name, group, count, type letter.
class BookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces the rows (ReadBookFolder gives them sorted).
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
