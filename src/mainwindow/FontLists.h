#pragma once

#include <QStringList>

/// The font families offered by the font selectors: scalable fonts for Latin text, without
/// the vertical-writing and other variants whose names begin with "@" or "$", sorted.
QStringList LatinFontFamilies();

/// The same selection from a given list of family names (the rule without the font system).
QStringList FilterFontFamilies(const QStringList &families);
