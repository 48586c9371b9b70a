#pragma once

#include <QStringList>

class QComboBox;

/// The font families offered by the font selectors: scalable fonts for Latin text, without
/// the vertical-writing and other variants whose names begin with "@" or "$", one entry per
/// family, sorted. Read from the font system once per run.
const QStringList &LatinFontFamilies();

/// The families for Japanese text, chosen the same way: the settings dialog's Japanese fonts.
QStringList JapaneseFontFamilies();

/// The same selection from a given list of family names (the rule without the font system).
/// A family that several foundries provide ("C059 [urw]", "C059 [UKWN]") is listed once, by
/// its family name.
QStringList FilterFontFamilies(const QStringList &families);

/// Fills an editable font selector. A saved font that is not installed keeps its name in the
/// settings; only the selector shows the fall-back.
void FillFontSelector(QComboBox *selector, const QString &font, const QString &fallback);

/// Fills an editable size selector with first..last and shows a size.
void FillSizeSelector(QComboBox *selector, int first, int last, int shown);
