#include "wordbook/BookProgressDelegate.h"

#include "wordbook/BookListModel.h"

#include <QApplication>
#include <QPainter>

void BookProgressDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The row's background and selection as every other cell has them, without the text.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);

    const QVariant share = index.data(BookListModel::MasteredRole);
    if (!share.isValid())
        return;
    const int percent = std::clamp(share.toInt(), 0, 100);
    const int barHeight = std::min(option.rect.height() - 4, option.fontMetrics.height());
    const QRect track(option.rect.left() + 3, option.rect.center().y() - barHeight / 2 + 1, option.rect.width() - 6,
                      barHeight);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    QColor trackColor = text;
    trackColor.setAlpha(45);
    painter->fillRect(track, trackColor);
    painter->fillRect(QRect(track.topLeft(), QSize(track.width() * percent / 100, track.height())),
                      QColor(0x2e, 0x9e, 0x5b));
    painter->setPen(text);
    painter->drawText(track, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
}
