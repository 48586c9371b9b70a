#pragma once

#include <QFont>
#include <QString>

/// The installed family a font named family is drawn in: family itself when it is installed,
/// else the system's stand-in for it (the fonts this program names by default come from
/// another system and are often missing). Each name is looked up once per run; fonts built
/// from the answer share their font engines and stand-in lists instead of each repeating the
/// search.
QString InstalledFamily(const QString &family);

/// A font of the installed family for family, at the toolkit's default size.
QFont InstalledFont(const QString &family);
/// The same at a size in points.
QFont InstalledFont(const QString &family, int points);
