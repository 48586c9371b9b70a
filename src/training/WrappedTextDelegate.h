#pragma once

#include <QStyledItemDelegate>

/// Draws a cell's text, or its rich text where it has one (the marked answer), wrapped to its
/// column in the cell's font, a long word broken anywhere; and asks for the height the wrapped
/// text needs, so rows sized from their contents never clip.
class WrappedTextDelegate : public QStyledItemDelegate
{
public:
    /// The role that holds a cell's rich text; without it the cell's display text is drawn.
    static constexpr int HtmlRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
