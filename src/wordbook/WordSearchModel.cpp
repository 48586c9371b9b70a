#include "wordbook/WordSearchModel.h"

#include "wordbook/WordBookFile.h"

#include <QHash>

void WordSearchModel::ShowHits(const QList<SearchedBook> &books, QList<WordSearchHit> hits)
{
    beginResetModel();
    QHash<QString, int> booksWithTitle;
    for (const SearchedBook &book : books)
        ++booksWithTitle[book.title];
    titles_.clear();
    files_.clear();
    titlesRepeat_ = false;
    for (const SearchedBook &book : books) {
        // Books of one title are told apart by their files.
        titlesRepeat_ = titlesRepeat_ || booksWithTitle.value(book.title) > 1;
        titles_ << (booksWithTitle.value(book.title) > 1 ? book.title + QStringLiteral("（") + book.fileName + u'）'
                                                         : book.title);
        files_ << book.fileName;
    }
    hits_ = std::move(hits);
    noneRow_ = hits_.isEmpty();
    cachedRow_ = -1;
    endResetModel();
}

void WordSearchModel::Clear()
{
    beginResetModel();
    titles_.clear();
    files_.clear();
    hits_.clear();
    noneRow_ = false;
    cachedRow_ = -1;
    endResetModel();
}

QString WordSearchModel::LongestTitle() const
{
    QString longest;
    for (const QString &title : titles_) {
        if (title.size() > longest.size())
            longest = title;
    }
    return longest;
}

const WordSearchHit *WordSearchModel::HitAt(int row) const
{
    return row >= 0 && row < hits_.size() ? &hits_[row] : nullptr;
}

int WordSearchModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return noneRow_ ? 1 : int(hits_.size());
}

int WordSearchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordSearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignVCenter | (index.column() == Number ? Qt::AlignHCenter : Qt::AlignLeft));
    if (role == Qt::ToolTipRole && index.column() == Title && HitAt(index.row()))
        return titles_.value(HitAt(index.row())->book);  // the whole title, with its file's name
    if (role != Qt::DisplayRole)
        return {};
    if (noneRow_)
        return index.column() == Foreign ? QStringLiteral("- なし -") : QString();
    const WordSearchHit *hit = HitAt(index.row());
    if (!hit)
        return {};
    switch (index.column()) {
    case Title: return titles_.value(hit->book);
    case Number: return (hit->exact ? QStringLiteral("*") : QString()) + QString::number(hit->number);
    case Reserve: return QString();
    default: break;
    }
    if (cachedRow_ != index.row()) {
        for (int field = 0; field < 5; ++field)
            cachedFields_[std::size_t(field)] = WordLineField(hit->line, field);
        cachedRow_ = index.row();
    }
    static constexpr std::array<int, ColumnCount> kFieldOfColumn{0, 1, 2, -1, -1, 3, 4, -1};
    return cachedFields_[std::size_t(kFieldOfColumn[std::size_t(index.column())])];
}

QVariant WordSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const std::array<QString, ColumnCount> captions{
        QStringLiteral("外国語"), QStringLiteral("発音記号"), QStringLiteral("発音カナ"), QStringLiteral("単語帳"),
        QStringLiteral("No"),     QStringLiteral("日本語"),   QStringLiteral("備考"),     QStringLiteral("予備")};
    return section >= 0 && section < ColumnCount ? captions[std::size_t(section)] : QVariant();
}
