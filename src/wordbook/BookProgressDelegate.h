#pragma once

#include <QStyledItemDelegate>

/// Draws the book list's mastered share as a small bar with its percentage; a book without
/// record keeps an empty cell.
class BookProgressDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
