#pragma once

#include "app/AppPaths.h"
#include "lib/FileError.h"

#include <QString>

#include <optional>

/// The program's version string.
inline const QString ProgramVersion = QStringLiteral("7.9");

/// The marker file of a version: "Leaf" + number + ".txt", where the number is the version
/// without its dots, scaled to three digits ("7.9" → Leaf790.txt; more than three digits → 999).
QString VersionMarkerName(QStringView version);

/// Copies the plain files of one folder (not its sub-folders) into another. An existing
/// target is replaced only when overwrite is on. Missing folders and failed copies are ignored.
void CopyFolderFiles(const QString &source, const QString &destination, bool overwrite);

/// First-run installation: the table files (replacing older ones) and the sample word books
/// of every language (never replacing a book the user already has).
void InstallSamples(const AppPaths &paths);

/// Copies the sample word books again, replacing the user's copies; no table files.
void RefreshSamples(const AppPaths &paths);

/// Runs once per program version: unless a marker for this version is in the system folder,
/// installs the samples (unless noSamples), writes the marker and removes older markers.
/// Returns the error of a marker that cannot be written (the start goes on), or none.
std::optional<FileError> InstallOnFirstStartOfVersion(const AppPaths &paths, bool noSamples);
