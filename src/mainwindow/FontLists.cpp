#include "mainwindow/FontLists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>

QStringList FilterFontFamilies(const QStringList &families)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList kept;
    for (QString family : families) {
        if (family.startsWith(u'@') || family.startsWith(u'$'))
            continue;
        kept << family.remove(foundry);
    }
    kept.sort(Qt::CaseSensitive);
    kept.removeDuplicates();
    return kept;
}

namespace {

/// Widens a drop-down list to its longest entry when it is first shown: measuring every family
/// name costs a text layout each, which start-up need not pay for a list nobody opened yet.
class WidenListOnFirstShow : public QObject
{
public:
    explicit WidenListOnFirstShow(QAbstractItemView *list) : QObject(list), list_(list)
    {
        list->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == list_ && event->type() == QEvent::Show) {
            list_->removeEventFilter(this);
            list_->setMinimumWidth(list_->sizeHintForColumn(0) +
                                   list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
            deleteLater();
        }
        return false;
    }

private:
    QAbstractItemView *list_;
};

QStringList ScalableFamilies(QFontDatabase::WritingSystem system)
{
    QStringList scalable;
    for (const QString &family : QFontDatabase::families(system)) {
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            scalable << family;
    }
    return FilterFontFamilies(scalable);
}

}  // namespace

const QStringList &LatinFontFamilies()
{
    static const QStringList families = ScalableFamilies(QFontDatabase::Latin);
    return families;
}

QStringList JapaneseFontFamilies()
{
    return ScalableFamilies(QFontDatabase::Japanese);
}

void FillFontSelector(QComboBox *selector, const QString &font, const QString &fallback)
{
    selector->blockSignals(true);
    selector->addItems(LatinFontFamilies());
    const bool listed = selector->findText(font, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    selector->setEditText(listed ? font : fallback);
    if (selector->lineEdit())
        selector->lineEdit()->setCursorPosition(0);  // a long name shows its beginning
    selector->blockSignals(false);
    // The drop-down list shows long family names whole, however narrow the box.
    new WidenListOnFirstShow(selector->view());
}

void FillSizeSelector(QComboBox *selector, int first, int last, int shown)
{
    selector->blockSignals(true);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setMaxVisibleItems(20);
    QStringList sizes;
    for (int size = first; size <= last; ++size)
        sizes << QString::number(size);
    selector->addItems(sizes);  // one insertion: the box measures itself once
    selector->setEditText(QString::number(shown));
    selector->blockSignals(false);
}
