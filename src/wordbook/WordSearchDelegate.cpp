#include "wordbook/WordSearchDelegate.h"

#include "app/Settings.h"
#include "wordbook/WordListDelegate.h"
#include "wordbook/WordSearchModel.h"

WordSearchDelegate::WordSearchDelegate(const Settings &settings, QObject *parent)
    : QStyledItemDelegate(parent), settings_(settings)
{
}

QFont WordSearchDelegate::ColumnFont(int column, int baseSize) const
{
    switch (column) {
    case WordSearchModel::Foreign: return SizedFont(settings_.MainFont, baseSize + 2);
    case WordSearchModel::Phonetic: return SizedFont(settings_.IPAFont, baseSize + 1);
    case WordSearchModel::Number: return SizedFont(QStringLiteral("Arial"), baseSize);
    default: return SizedFont(QStringLiteral("MS UI Gothic"), baseSize);
    }
}

void WordSearchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() == WordSearchModel::Reserve)
        return;
    const int baseSize = option.font.pointSize() > 0 ? option.font.pointSize() : 11;
    PaintListCell(painter, option, index.data().toString(), ColumnFont(index.column(), baseSize),
                  index.column() == WordSearchModel::Number);
}
