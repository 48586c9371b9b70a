#pragma once

#include <QStyledItemDelegate>

struct Settings;

/// Draws a cell of the search result list as the word list draws its cells: the foreign word
/// in the main font two points above the list's size, the phonetic text in the phonetic font
/// one above, the number centred in Arial, the other texts in the Japanese list font.
class WordSearchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    WordSearchDelegate(const Settings &settings, QObject *parent);

    /// The font a column's text is drawn in, for the list's font size baseSize.
    QFont ColumnFont(int column, int baseSize) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const Settings &settings_;
};
