#include "training/WrappedTextDelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>
#include <QtMath>

namespace {

constexpr int kPadding = 4;

/// The cell's text laid out in its font, wrapped to width (a long word breaks anywhere).
void Prepare(QTextDocument &document, const QStyleOptionViewItem &option, const QModelIndex &index, int width)
{
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrap);
    document.setDefaultFont(option.font);
    document.setDocumentMargin(kPadding);
    const QVariant html = index.data(WrappedTextDelegate::HtmlRole);
    if (html.isValid())
        document.setHtml(html.toString());
    else
        document.setPlainText(index.data(Qt::DisplayRole).toString());
    document.setTextWidth(qMax(1, width));
}

}  // namespace

void WrappedTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();  // the style draws the background, selection and focus; the text is ours
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextDocument document;
    Prepare(document, item, index, option.rect.width());
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = option.state & QStyle::State_Selected;
    context.palette = option.palette;
    context.palette.setColor(QPalette::Text,
                             option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    // Centred in the row like a single line of any font, so the columns' lines stay level.
    const int top = option.rect.top() + qMax(0, (option.rect.height() - qCeil(document.size().height())) / 2);
    painter->save();
    painter->translate(option.rect.left(), top);
    painter->setClipRect(QRect(0, option.rect.top() - top, option.rect.width(), option.rect.height()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize WrappedTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    Prepare(document, item, index, option.rect.width() > 0 ? option.rect.width() : 200);
    return {qCeil(document.idealWidth()), qCeil(document.size().height())};
}
