#include "wordbook/WordListModel.h"

#include "wordbook/WordList.h"

WordListModel::WordListModel(const OpenBook &book, QObject *parent) : QAbstractTableModel(parent), book_(book.Book())
{
    ConnectTo(book);
}

void WordListModel::ConnectTo(const OpenBook &book)
{
    connect(&book, &OpenBook::BookAboutToBeReplaced, this, &WordListModel::beginResetModel);
    connect(&book, &OpenBook::BookReplaced, this, [this] {
        Forget();
        endResetModel();
    });
    connect(&book, &OpenBook::RowsAboutToBeInserted, this,
            [this](qsizetype first, qsizetype last) { beginInsertRows({}, int(first), int(last)); });
    connect(&book, &OpenBook::RowsInserted, this, [this] {
        Forget();
        endInsertRows();
    });
    connect(&book, &OpenBook::RowsAboutToBeRemoved, this,
            [this](qsizetype first, qsizetype last) { beginRemoveRows({}, int(first), int(last)); });
    connect(&book, &OpenBook::RowsRemoved, this, [this] {
        Forget();
        endRemoveRows();
    });
    connect(&book, &OpenBook::RowAboutToMove, this, [this](qsizetype from, qsizetype to) {
        // The destination counts rows before the move: below the word it is one further.
        beginMoveRows({}, int(from), int(from), {}, int(to > from ? to + 1 : to));
    });
    connect(&book, &OpenBook::RowMoved, this, [this] {
        Forget();
        endMoveRows();
    });
    connect(&book, &OpenBook::RowChanged, this, [this](qsizetype row) {
        Forget();
        emit dataChanged(index(int(row), 0), index(int(row), WordListColumnCount - 1));
    });
    connect(&book, &OpenBook::OrderAboutToChange, this, [this] { emit layoutAboutToBeChanged(); });
    connect(&book, &OpenBook::OrderChanged, this, &WordListModel::ChangeOrder);
    connect(&book, &OpenBook::HeaderChanged, this, [this] {
        // The type decides column 2's caption and how the cells are drawn.
        if (const std::optional<QuestionType> type = QuestionTypeFromName(book_.TypeName))
            SetPhoneticCaption(PhoneticCaption(*type));
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, WordListColumnCount - 1));
    });
}

void WordListModel::ChangeOrder(const std::vector<qsizetype> &newRow)
{
    Forget();
    // The selection and the current row follow their words.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(this->index(int(newRow[std::size_t(index.row())]), index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
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
