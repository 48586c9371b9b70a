#include "wordbook/WordListDelegate.h"

#include "app/Settings.h"
#include "dialogs/InstalledFonts.h"
#include "wordbook/WordList.h"

#include <QApplication>
#include <QPainter>

QFont SizedFont(const QString &family, int pointSize)
{
    return InstalledFont(family, qMax(1, pointSize));
}

WordListDelegate::WordListDelegate(const Settings &settings, std::function<bool()> foreignFirst,
                                   std::function<QuestionType()> type, QObject *parent)
    : QStyledItemDelegate(parent), settings_(settings), foreignFirst_(std::move(foreignFirst)), type_(std::move(type))
{
}

QFont WordListDelegate::ColumnFont(int column, int baseSize) const
{
    const QFont foreign = SizedFont(settings_.MainFont, baseSize + settings_.OBNadd);
    const QFont japanese = SizedFont(settings_.MyJpFont, baseSize + settings_.JPNadd);
    switch (column) {
    case 0: return foreignFirst_() ? foreign : japanese;
    case 1: return SizedFont(QStringLiteral("Arial"), baseSize + settings_.JPNadd);
    case 2:
        switch (type_()) {
        case QuestionType::B: return foreign;
        case QuestionType::C: return japanese;
        default: return SizedFont(settings_.IPAFont, baseSize + settings_.IPAadd);
        }
    case 4: return foreignFirst_() ? japanese : foreign;
    default: return japanese;
    }
}

void PaintListCell(QPainter *painter, const QStyleOptionViewItem &option, const QString &text, const QFont &font,
                   bool centred)
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const QString fitted =
        FitText(text, option.rect.width() - 4, [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
    const QRect area = option.rect.adjusted(centred ? 0 : 4, 0, 0, 0);
    painter->drawText(area, Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft), fitted);
    painter->restore();
}

void WordListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() >= 6)
        return;  // the reserve is never drawn
    const int baseSize = option.font.pointSize() > 0 ? option.font.pointSize() : 11;
    PaintListCell(painter, option, index.data().toString(), ColumnFont(index.column(), baseSize), index.column() == 1);
}

QSize WordListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int baseSize = option.font.pointSize() > 0 ? option.font.pointSize() : 11;
    const QFontMetrics metrics(ColumnFont(index.column(), baseSize));
    return {metrics.horizontalAdvance(index.data().toString()) + 8, qMax(settings_.LV1LNHeight, metrics.height())};
}
