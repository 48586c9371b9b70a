#pragma once

#include "app/Settings.h"
#include "lib/FileError.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

/// Name of the parameter file in the system folder.
inline const QString ParameterFileName = QStringLiteral("Quillo.rng");

/// The value of the first line that splits into exactly two fields whose first field is key
/// (case-sensitive); empty when there is none.
QString LookupKey(const QStringList &lines, QStringView key);

/// Applies the lines of a parameter file to settings: each known key with a non-empty value
/// replaces its field; everything else keeps its current value.
void ApplyParameterLines(const QStringList &lines, Settings &settings);

/// Reads the parameter file of sysFolder into settings. A missing file changes nothing and is
/// no error; a file that cannot be read changes nothing either, and the error says why.
std::optional<FileError> ReadParameterFile(const QString &sysFolder, Settings &settings);

/// The 43 lines of the file, in their fixed order, without line ends.
QStringList BuildParameterLines(const Settings &settings);

/// Writes all 43 keys to the parameter file of sysFolder, replacing it atomically. Returns what
/// went wrong, or none.
std::optional<FileError> WriteParameterFile(const QString &sysFolder, const Settings &settings);

/// Keeps the sizes a hand-edited parameter file may hold within what their selectors accept.
/// A font size outside it goes back to its default: the main and transfer sizes take 8 to 200
/// points, the phonetic size 9 to 40 (1500000000 would overflow the rich text). The word
/// list's row height is kept within 22 to 40 pixels and its three size additions within 0 to
/// 8, as the settings dialog's track bars show them (a row of 999 pixels hides the list).
void KeepSettingsInRange(Settings &settings);

/// A window's frame position and size in pixels.
struct WindowGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowGeometry &) const = default;
};

/// The geometry to save for a window: as it is when it lies wholly inside the screen, with a
/// margin, otherwise a 740 × 740 window centred on the screen.
WindowGeometry GeometryToSave(const WindowGeometry &window, QSize screen);

/// The window's least size on a screen with this available area: 740 × 730 wherever that fits
/// with the window's frame, otherwise what fits (a small screen, or a large scale factor), so
/// that the whole window, status bar included, can always be on the screen.
QSize MinimumWindowSize(QSize available);

/// The geometry to restore at start-up from the settings. A saved size beyond the screen's
/// available area is bounded so that the window with its frame fits; a size below the window's minimum (or none, -1) is
/// the default 740 × 730 (bounded by MinimumWindowSize), centred. The saved place is used when MemPosFlg is on and one
/// was saved, moved as far as needed to bring the window onto the screen; otherwise the window is centred on the
/// screen.
WindowGeometry GeometryToRestore(const Settings &settings, QSize screen, QSize available);
