#pragma once

#include "wordbook/BookFolder.h"

#include <QAbstractTableModel>

#include <optional>

/// The rows of the book list (ListView2): title, file name, group, count, type letter, and the
/// share of the book's words the learning record counts as mastered (empty for a book without
/// record).
class BookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    enum Column { TitleColumn, FileNameColumn, GroupColumn, CountColumn, LetterColumn, MasteredColumn, ColumnCount };
    /// The mastered share as an int (0 … 100) for the progress bar; nothing for a book without record.
    static constexpr int MasteredRole = Qt::UserRole + 1;

    /// Replaces the rows (ReadBookFolder gives them sorted); their shares are empty.
    void SetRows(QList<BookRow> rows);
    /// The mastered share of each row, parallel to the rows (missing ones are empty).
    void SetMasteredShares(QList<std::optional<int>> shares);
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
    QList<std::optional<int>> shares_;
};
