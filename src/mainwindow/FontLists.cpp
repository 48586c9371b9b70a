#include "mainwindow/FontLists.h"

#include <QFontDatabase>

QStringList FilterFontFamilies(const QStringList &families)
{
    QStringList kept;
    for (const QString &family : families) {
        if (!family.startsWith(u'@') && !family.startsWith(u'$'))
            kept << family;
    }
    kept.sort(Qt::CaseSensitive);
    kept.removeDuplicates();
    return kept;
}

QStringList LatinFontFamilies()
{
    QStringList scalable;
    const QStringList families = QFontDatabase::families(QFontDatabase::Latin);
    for (const QString &family : families) {
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            scalable << family;
    }
    return FilterFontFamilies(scalable);
}
