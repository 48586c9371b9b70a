#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

#include <algorithm>
#include <vector>

/// The environment for probe processes with a profile of their own under home: its data,
/// settings, cache and runtime folders, so that every run starts the same way.
inline QProcessEnvironment ProbeEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        environment.insert(QString::fromLatin1(name), home + u'/' + QString::fromLatin1(name));
    QDir().mkpath(home + "/XDG_RUNTIME_DIR");
    QFile::setPermissions(home + "/XDG_RUNTIME_DIR", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return environment;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
