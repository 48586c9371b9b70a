#include "app/AppPaths.h"

#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>

namespace {

const QString kVendorProduct = QStringLiteral("/Bertovan/Quillmaren");

bool EnsureFolder(const QString &path)
{
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

/// Why a folder could not be made: the nearest part of its path that exists, and whether that
/// part is a file (a file in the way) rather than a folder without the right to write in it.
struct FolderBlock {
    QString existing;
    bool isFile = false;
};

FolderBlock BlockOf(QString path)
{
    path = QDir::cleanPath(path);
    while (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return {path, QFileInfo(path).exists() && !QFileInfo(path).isDir()};
}

/// Why the folder could not be made, as a sentence.
QString ReasonNotMade(const QString &folder)
{
    const FolderBlock block = BlockOf(folder);
    const QString shown = QDir::toNativeSeparators(block.existing);
    return block.isFile ? QStringLiteral("%1 がフォルダではなくファイルのためです。").arg(shown)
                        : QStringLiteral("%1 の中にフォルダを作る権限がないためです。").arg(shown);
}

/// Tells once for each cause the folders that could not be made: "<folder>フォルダが作れません
/// でした。" and why, or for several folders with one cause, how many and why.
void WarnFolders(const QStringList &folders, const WarningSink &warn)
{
    QStringList causes;
    QMap<QString, QStringList> byCause;
    for (const QString &folder : folders) {
        const FolderBlock block = BlockOf(folder);
        if (!byCause.contains(block.existing))
            causes << block.existing;
        byCause[block.existing] << folder;
    }
    for (const QString &cause : causes) {
        const QStringList &blocked = byCause[cause];
        const QString reason = ReasonNotMade(blocked.constFirst());
        if (blocked.size() == 1)
            warn(QDir::toNativeSeparators(blocked.constFirst()) + QStringLiteral("フォルダが作れませんでした。") +
                 reason);
        else
            warn(QStringLiteral("単語帳などのフォルダが %1 個作れませんでした（%2 ほか）。%3")
                     .arg(blocked.size())
                     .arg(QDir::toNativeSeparators(blocked.constFirst()), reason));
    }
}

}  // namespace

PathRoots PlatformPathRoots()
{
    PathRoots roots;
    roots.appDataRoot = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    roots.documentsRoot = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (roots.documentsRoot.isEmpty())
        roots.documentsRoot = QDir::homePath() + QStringLiteral("/Documents");

    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share") + kVendorProduct);
    roots.installFolder = installed;
#if defined(QUILL_SOURCE_DATA_DIR) && defined(QUILL_BUILD_DIR)
    // A program started from its build tree reads the source tree's data; an installed one
    // never does, even when its own share folder is missing.
    const QString buildDir = QDir(QStringLiteral(QUILL_BUILD_DIR)).canonicalPath();
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    if (!buildDir.isEmpty() && (programDir == buildDir || programDir.startsWith(buildDir + u'/'))) {
        roots.installFolder = QStringLiteral(QUILL_SOURCE_DATA_DIR);
        roots.helpFolder = buildDir + QStringLiteral("/Help");  // the manual is made at build time
    }
#endif
    return roots;
}

QString BookFolder(const QString &docFolder, int language, int kind)
{
    return docFolder + u'/' + Languages().at(language).folderName + u'/' + BookFolderKinds().at(kind);
}

AppPaths PrepareDataFolders(const PathRoots &roots, const WarningSink &warn)
{
    AppPaths paths;
    const QString appData = QDir::cleanPath(roots.appDataRoot + kVendorProduct);
    paths.SysFolder = appData + QStringLiteral("/Sys");
    paths.DocFolder = QDir::cleanPath(roots.documentsRoot + kVendorProduct);
    paths.UsrFolder = paths.DocFolder + QStringLiteral("/usr");

    // The documents' folders are told together: a file in the way (say, a file named Documents)
    // is one cause, not eighteen.
    QStringList notMade;
    for (int language = 0; language < LanguageCount; ++language) {
        for (int kind = 0; kind < 3; ++kind) {
            const QString folder = BookFolder(paths.DocFolder, language, kind);
            if (!EnsureFolder(folder))
                notMade << folder;
        }
    }
    if (!EnsureFolder(paths.UsrFolder))
        notMade << paths.UsrFolder;
    WarnFolders(notMade, warn);
    paths.BookAFolder = BookFolder(paths.DocFolder, 0, 0);
    paths.BookGFolder = BookFolder(paths.DocFolder, 0, 1);
    paths.BookSFolder = BookFolder(paths.DocFolder, 0, 2);

    // The installation tree is only read, so it is neither tested nor created here.
    paths.InstallFolder = QDir::cleanPath(roots.installFolder);
    paths.TblFolder = appData + QStringLiteral("/Tbl");
    paths.HelpFolder = roots.helpFolder.isEmpty() ? paths.InstallFolder + QStringLiteral("/Help") : roots.helpFolder;

    if (!EnsureFolder(paths.SysFolder))
        warn(QStringLiteral("システムフォルダが作れませんでした。") + ReasonNotMade(paths.SysFolder));
    if (!EnsureFolder(paths.TblFolder))
        warn(QStringLiteral("テーブルフォルダが作れませんでした。") + ReasonNotMade(paths.TblFolder));
    return paths;
}
