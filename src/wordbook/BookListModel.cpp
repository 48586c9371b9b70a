#include "wordbook/BookListModel.h"

void BookListModel::SetRows(QList<BookRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void BookListModel::SetCount(const QString &fileName, qsizetype count)
{
    for (int row = 0; row < rows_.size(); ++row) {
        if (rows_[row].fileName == fileName) {
            rows_[row].count = count;
            emit dataChanged(index(row, 3), index(row, 3));
        }
    }
}

qsizetype BookListModel::Total() const
{
    qsizetype total = 0;
    for (const BookRow &row : rows_)
        total += row.count;
    return total;
}

int BookListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int BookListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant BookListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const BookRow &row = rows_[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() == 3)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return row.title;
    case 1: return row.fileName;
    case 2: return row.group;
    case 3: return QString::number(row.count);
    case 4: return row.letter;
    }
    return {};
}

QVariant BookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[] = {"タイトル", "ファイル名", "グループ", "個数", "T"};
    return section >= 0 && section < 5 ? QString::fromUtf8(captions[section]) : QVariant();
}
