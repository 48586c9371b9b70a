#include "app/Session.h"

#include "app/FirstRunInstall.h"

#include <QFile>

Session::Session(const AppPaths &paths, QObject *parent) : QObject(parent), paths_(paths) {}

QString Session::ParameterFilePath() const
{
    return paths_.SysFolder + u'/' + ParameterFileName;
}

std::optional<FileError> Session::Start()
{
    store_.Change([this](Settings &settings) {
        SetDefaults(settings);
        ReadParameterFile(paths_.SysFolder, settings);
        KeepSettingsInRange(settings);
    });
    return InstallOnFirstStartOfVersion(paths_, store_.Get().NoSampleFlg);
}

std::optional<FileError> Session::Finish(const Ending &ending)
{
    if (parametersReset_)
        return std::nullopt;
    const WindowGeometry saved = GeometryToSave(ending.window, ending.screen);
    store_.Change([&](Settings &settings) {
        settings.MainLeft = saved.left;
        settings.MainTop = saved.top;
        settings.MainWidth = saved.width;
        settings.MainHeight = saved.height;
        settings.FirstPage = ending.firstPage;
        settings.RecFlagNumber = ending.flagNumber;
    });
    return WriteParameterFile(paths_.SysFolder, store_.Get());
}

bool Session::ResetParameters()
{
    parametersReset_ = QFile::remove(ParameterFilePath());
    return parametersReset_;
}

void Session::RefreshSampleBooks()
{
    RefreshSamples(paths_);
    emit SampleBooksRefreshed();
}
