#include "wordbook/WordListModel.h"

#include "wordbook/WordList.h"

WordListModel::WordListModel(const WordBook &book, QObject *parent) : QAbstractTableModel(parent), book_(book) {}

void WordListModel::Reload()
{
    beginResetModel();
    cachedRow_ = -1;
    endResetModel();
}

void WordListModel::SetWordOrder(bool foreignFirst)
{
    foreignFirst_ = foreignFirst;
    emit headerDataChanged(Qt::Horizontal, 0, 4);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 4));
}

void WordListModel::SetLanguageName(const QString &languageName)
{
    languageName_ = languageName;
    emit headerDataChanged(Qt::Horizontal, 0, 4);
}

void WordListModel::SetPhoneticCaption(const QString &caption)
{
    phoneticCaption_ = caption;
    emit headerDataChanged(Qt::Horizontal, 2, 2);
}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(book_.Entries.size());
}

int WordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WordListColumnCount;
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= book_.Entries.size())
        return {};
    if (cachedRow_ != index.row()) {
        cachedEntry_ = book_.Entries.at(index.row());
        cachedRow_ = index.row();
    }
    return FieldText(cachedEntry_, FieldOfColumn(index.column(), foreignFirst_), index.row());
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0: return foreignFirst_ ? languageName_ : QStringLiteral("日本語");
    case 1: return QStringLiteral("No");
    case 2: return phoneticCaption_;
    case 3: return QStringLiteral("発音カナ");
    case 4: return foreignFirst_ ? QStringLiteral("日本語") : languageName_;
    case 5: return QStringLiteral("備考");
    case 6: return QStringLiteral("予備");
    }
    return {};
}
