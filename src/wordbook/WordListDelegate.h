#pragma once

#include "wordbook/QuestionType.h"

#include <QStyledItemDelegate>

#include <functional>

struct Settings;

/// A list cell's font: family at pointSize (at least 1).
QFont SizedFont(const QString &family, int pointSize);

/// Draws a cell of a word list as the program's lists do: the selection colours, the text in
/// font fitted into the cell with "...", vertically centred, centred or 4 pixels in.
void PaintListCell(QPainter *painter, const QStyleOptionViewItem &option, const QString &text, const QFont &font,
                   bool centred);

/// Draws a cell of the word list: the font of its column and the book's type, the text fitted
/// into the cell with "...", vertically centred, the number centred, the rest 4 pixels in.
class WordListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// foreignFirst and type are asked at every paint; baseSize is the list's own font size.
    WordListDelegate(const Settings &settings, std::function<bool()> foreignFirst, std::function<QuestionType()> type,
                     QObject *parent);

    /// The font a column's text is drawn in.
    QFont ColumnFont(int column, int baseSize) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const Settings &settings_;
    std::function<bool()> foreignFirst_;
    std::function<QuestionType()> type_;
};
