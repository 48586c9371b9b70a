#pragma once

#include "app/AppPaths.h"
#include "app/ParameterFile.h"
#include "app/SettingsStore.h"
#include "lib/FileError.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <optional>

/// One run of the program as far as it outlives the run: the settings read at the start from
/// the parameter file (within their ranges), the once-per-version installation, and what is
/// written back at the end (the window's geometry, the first page, the flag). Owns the
/// settings store.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(const AppPaths &paths, QObject *parent = nullptr);

    SettingsStore &Store() { return store_; }
    const Settings &Get() const { return store_.Get(); }

    /// The full name of the parameter file.
    QString ParameterFilePath() const;

    /// The start: the defaults, then the parameter file kept within range, then the
    /// installation of the samples when this version runs for the first time. Returns the
    /// error of a version marker that could not be written.
    std::optional<FileError> Start();

    /// What the window leaves behind at its close.
    struct Ending {
        WindowGeometry window;  ///< the frame's place and size
        QSize screen;           ///< the screen it is on
        int firstPage = 0;      ///< the page showing
        int flagNumber = -1;    ///< the flag chosen for the language
    };

    /// The end: the geometry to save (the window as it is when it lies inside the screen),
    /// the page and the flag go into the settings and the parameter file is written. Nothing
    /// is written after a parameter reset. Returns the error of a parameter file that could
    /// not be written.
    std::optional<FileError> Finish(const Ending &ending);

    /// The parameter reset: the parameter file is removed and the end writes none. Returns
    /// whether there was a file to remove; without one the end writes the settings as usual.
    bool ResetParameters();
    bool ParametersReset() const { return parametersReset_; }

    /// The sample books are copied anew over the user's copies.
    void RefreshSampleBooks();

signals:
    void SampleBooksRefreshed();

private:
    AppPaths paths_;
    SettingsStore store_;
    bool parametersReset_ = false;
};
