#pragma once

#include <QString>

#include <functional>

/// The folder paths computed at start-up. Absolute, '/'-separated, no trailing separator.
struct AppPaths {
    QString SysFolder;      ///< parameter file, version marker, work files
    QString TblFolder;      ///< table files copied from the installation
    QString DocFolder;      ///< root of the per-language word-book folders
    QString UsrFolder;      ///< the user's own text files
    QString InstallFolder;  ///< read-only installation data
    QString HelpFolder;     ///< the manual
    QString BookAFolder;    ///< the three word-book folders of the current language
    QString BookGFolder;
    QString BookSFolder;
};

/// Where the three roots lie on this machine.
struct PathRoots {
    QString appDataRoot;    ///< per-user application data (below it: Bertovan/Quillmaren/Sys, Tbl)
    QString documentsRoot;  ///< the user's documents (below it: Bertovan/Quillmaren/<Language>/book*)
    QString installFolder;  ///< the installation tree itself (Tbl, Shelf, Help)
    QString helpFolder;     ///< where the PDF manual lies; empty: the installation's Help
};

/// Receives a Japanese warning for the user; the caller decides how to show it.
using WarningSink = std::function<void(const QString &message)>;

/// The roots of this platform: the generic data location, the documents location, and the
/// installation tree <bin>/../share/Bertovan/Quillmaren (or, for a program run from the build
/// tree, the source tree's data folder).
PathRoots PlatformPathRoots();

/// Word-book folder of one language (index into Languages()) and kind (0 bookA, 1 bookG, 2 bookS).
QString BookFolder(const QString &docFolder, int language, int kind);

/// Computes every path and creates the user folders. Each folder that cannot be created is
/// reported through warn; the function always returns.
AppPaths PrepareDataFolders(const PathRoots &roots, const WarningSink &warn);
