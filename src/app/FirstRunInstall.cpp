#include "app/FirstRunInstall.h"
#include "app/AppLogging.h"

#include "app/Language.h"
#include "lib/ULib.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kMarkerContent = QStringLiteral("GF-RD1\r\n");

/// Copies through a file written beside the target and renamed over it, so that a failed
/// copy never leaves a damaged book behind.
bool CopyFileAtomically(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a full disk fails the write
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            return false;
    }
    return out.flush() && out.commit();
}

void CopySampleBooks(const AppPaths &paths, bool overwrite)
{
    for (int language = 0; language < LanguageCount; ++language) {
        for (int kind = 0; kind < 3; ++kind) {
            const QString shelf = paths.InstallFolder + QStringLiteral("/Shelf/") + Languages()[language].folderName +
                                  u'/' + BookFolderKinds()[kind];
            CopyFolderFiles(shelf, BookFolder(paths.DocFolder, language, kind), overwrite);
        }
    }
}

}  // namespace

QString VersionMarkerName(QStringView version)
{
    const QString digits = version.toString().remove(u'.');
    bool ok = false;
    const int value = digits.toInt(&ok);
    int number = 999;
    if (ok && digits.size() == 1)
        number = value * 100;
    else if (ok && digits.size() == 2)
        number = value * 10;
    else if (ok && digits.size() == 3)
        number = value;
    return QStringLiteral("Leaf%1.txt").arg(number);
}

void CopyFolderFiles(const QString &source, const QString &destination, bool overwrite)
{
    if (!QFileInfo(source).isDir() || !QFileInfo(destination).isDir())
        return;
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = destination + u'/' + entry.fileName();
        if (!overwrite && QFileInfo::exists(target))
            continue;
        CopyFileAtomically(entry.filePath(), target);
    }
}

void InstallSamples(const AppPaths &paths)
{
    CopyFolderFiles(paths.InstallFolder + QStringLiteral("/Tbl"), paths.TblFolder, true);
    CopySampleBooks(paths, false);
}

void RefreshSamples(const AppPaths &paths)
{
    CopySampleBooks(paths, true);
}

std::optional<FileError> InstallOnFirstStartOfVersion(const AppPaths &paths, bool noSamples)
{
    const QString markerName = VersionMarkerName(ProgramVersion);
    const QString markerPath = paths.SysFolder + u'/' + markerName;
    if (QFileInfo::exists(markerPath))
        return std::nullopt;
    qCInfo(lcStart) << "first start of version" << ProgramVersion << (noSamples ? "(no samples)" : "");
    if (!noSamples)
        InstallSamples(paths);

    const std::optional<FileError> error = ULib::WriteFileAtomically(markerPath, kMarkerContent.toLatin1());

    const QStringList older = QDir(paths.SysFolder).entryList({QStringLiteral("Leaf*.txt")}, QDir::Files);
    for (const QString &name : older) {
        if (name != markerName)
            QFile::remove(paths.SysFolder + u'/' + name);
    }
    return error;
}
