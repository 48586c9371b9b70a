#include "app/AppPaths.h"

#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kVendorProduct = QStringLiteral("/Bertovan/Quillmaren");

bool EnsureFolder(const QString &path)
{
    return QDir().mkpath(path) && QFileInfo(path).isDir();
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

    for (int language = 0; language < LanguageCount; ++language) {
        for (int kind = 0; kind < 3; ++kind) {
            const QString folder = BookFolder(paths.DocFolder, language, kind);
            if (!EnsureFolder(folder))
                warn(QDir::toNativeSeparators(folder) + QStringLiteral("フォルダが作れませんでした。"));
        }
    }
    paths.BookAFolder = BookFolder(paths.DocFolder, 0, 0);
    paths.BookGFolder = BookFolder(paths.DocFolder, 0, 1);
    paths.BookSFolder = BookFolder(paths.DocFolder, 0, 2);

    // The installation tree is only read, so it is neither tested nor created here.
    paths.InstallFolder = QDir::cleanPath(roots.installFolder);
    paths.TblFolder = appData + QStringLiteral("/Tbl");
    paths.HelpFolder = roots.helpFolder.isEmpty() ? paths.InstallFolder + QStringLiteral("/Help") : roots.helpFolder;

    if (!EnsureFolder(paths.SysFolder))
        warn(QStringLiteral("システムフォルダが作れませんでした。"));
    if (!EnsureFolder(paths.TblFolder))
        warn(QStringLiteral("テーブルフォルダが作れませんでした。"));
    if (!EnsureFolder(paths.UsrFolder))
        warn(QStringLiteral("ユーザーテキストフォルダが作れませんでした。"));
    return paths;
}
