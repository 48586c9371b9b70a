#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

/// Points HOME and the XDG folders into a fresh temporary folder for as long as it lives, so
/// that a test sees a first start on a clean profile and never touches the real one.
class TempHome
{
public:
    TempHome()
    {
        const QString home = dir_.path();
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
        qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
        qputenv("XDG_RUNTIME_DIR", (home + "/run").toUtf8());
        QDir().mkpath(home + "/run");
        QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path() const { return dir_.path(); }
    QString dataFolder() const { return dir_.path() + "/.local/share/Bertovan/Quillmaren"; }
    QString documentsFolder() const { return dir_.path() + "/Documents/Bertovan/Quillmaren"; }

private:
    QTemporaryDir dir_;
};
