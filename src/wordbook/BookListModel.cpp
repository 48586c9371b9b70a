#include "wordbook/BookListModel.h"

#include <algorithm>

void BookListModel::SetRows(QList<BookRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    shares_.clear();
    endResetModel();
}

void BookListModel::SetMasteredShares(QList<std::optional<int>> shares)
{
    shares.resize(rows_.size());
    for (std::optional<int> &share : shares) {
        if (share)
            share = std::clamp(*share, 0, 100);
    }
    shares_ = std::move(shares);
    if (!rows_.isEmpty())
        emit dataChanged(index(0, MasteredColumn), index(int(rows_.size()) - 1, MasteredColumn));
}

void BookListModel::SetCount(const QString &fileName, qsizetype count)
{
    for (int row = 0; row < rows_.size(); ++row) {
        if (rows_[row].fileName == fileName) {
            rows_[row].count = count;
            emit dataChanged(index(row, CountColumn), index(row, CountColumn));
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
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const BookRow &row = rows_[index.row()];
    if (index.column() == MasteredColumn) {
        const std::optional<int> share = index.row() < shares_.size() ? shares_[index.row()] : std::nullopt;
        if (!share)
            return {};
        if (role == MasteredRole)
            return *share;
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1%").arg(*share);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() == CountColumn)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case TitleColumn: return row.title;
    case FileNameColumn: return row.fileName;
    case GroupColumn: return row.group;
    case CountColumn: return QString::number(row.count);
    case LetterColumn: return row.letter;
    }
    return {};
}

QVariant BookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[ColumnCount] = {"タイトル", "ファイル名", "グループ", "個数", "T", "習得"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QVariant();
}
