#include "mainwindow/FontLists.h"

#include <QAbstractItemView>
#include <QComboBox>
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
    QAbstractItemView *list = selector->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
}

void FillSizeSelector(QComboBox *selector, int first, int last, int shown)
{
    selector->blockSignals(true);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setMaxVisibleItems(20);
    for (int size = first; size <= last; ++size)
        selector->addItem(QString::number(size));
    selector->setEditText(QString::number(shown));
    selector->blockSignals(false);
}
