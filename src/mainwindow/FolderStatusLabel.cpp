#include "mainwindow/FolderStatusLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

/// The text split into the caption up to "：", the path, and the total from the last "…[".
struct FolderStatusParts {
    QString head, path, tail;
};

FolderStatusParts SplitFolderStatus(const QString &text)
{
    const qsizetype headEnd = text.indexOf(u'：') + 1;  // 0 without a caption
    qsizetype tailStart = text.lastIndexOf(QStringLiteral("…["));
    if (tailStart < headEnd)
        tailStart = text.size();
    return {text.left(headEnd), text.mid(headEnd, tailStart - headEnd), text.mid(tailStart)};
}

}  // namespace

FolderStatusLabel::FolderStatusLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString FolderStatusLabel::ShownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - 2 * margin();
    const QString whole = text();
    if (metrics.horizontalAdvance(whole) <= room)
        return whole;
    const FolderStatusParts parts = SplitFolderStatus(whole);
    const int pathRoom = room - metrics.horizontalAdvance(parts.head) - metrics.horizontalAdvance(parts.tail);
    const QString ellipsis(u'…');
    if (pathRoom >= metrics.horizontalAdvance(ellipsis))
        return parts.head + metrics.elidedText(parts.path, Qt::ElideMiddle, pathRoom) + parts.tail;
    // Too narrow for the caption: the total alone, cut from the left if even that is too wide.
    return metrics.elidedText(parts.tail, Qt::ElideLeft, room);
}

QSize FolderStatusLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() + 2 * margin(),
            QLabel::sizeHint().height()};
}

QSize FolderStatusLabel::minimumSizeHint() const
{
    // Wide enough for the total; the rest shortens.
    const FolderStatusParts parts = SplitFolderStatus(text());
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(parts.tail) + margins.left() + margins.right() + 2 * margin(),
            QLabel::minimumSizeHint().height()};
}

void FolderStatusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int inset = margin();
    style()->drawItemText(&painter, contentsRect().adjusted(inset, inset, -inset, -inset), int(alignment()),
                          option.palette, isEnabled(), ShownText(), foregroundRole());
}
