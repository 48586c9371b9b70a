#include "app/DisplayChoice.h"

#include <QDir>
#include <QLibraryInfo>

DisplayChoice ChooseDisplay(const DisplayEnvironment &environment)
{
    if (!environment.needsDisplayServer || !environment.platform.isEmpty())
        return DisplayChoice::AsGiven;
    const bool x11 = !environment.x11Display.isEmpty();
    const bool wayland = !environment.waylandDisplay.isEmpty();
    if (wayland && !environment.waylandPluginInstalled)
        return x11 ? DisplayChoice::X11 : DisplayChoice::None;
    return x11 || wayland ? DisplayChoice::AsGiven : DisplayChoice::None;
}

DisplayEnvironment CurrentDisplayEnvironment()
{
    DisplayEnvironment environment;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    environment.needsDisplayServer = true;
#endif
    environment.platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    environment.x11Display = qEnvironmentVariable("DISPLAY");
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList pluginFolders = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    pluginFolders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString &folder : pluginFolders) {
        if (!QDir(folder + QStringLiteral("/platforms"))
                 .entryList({QStringLiteral("*qwayland*")}, QDir::Files)
                 .isEmpty())
            environment.waylandPluginInstalled = true;
    }
    return environment;
}

QString NoDisplayMessage()
{
    return QStringLiteral(
        "Quillmaren はデスクトップで使うプログラムです。画面（ディスプレイ）が見つからないため、起動できません。\n"
        "デスクトップにログインしてから起動して下さい。（環境変数 DISPLAY も WAYLAND_DISPLAY も設定されていません）");
}
