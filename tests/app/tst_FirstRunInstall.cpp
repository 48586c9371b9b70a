#include "app/AppPaths.h"
#include "app/FirstRunInstall.h"
#include "dialogs/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A temporary machine: application-data and documents roots, and a small installation tree
/// with one table file and one sample book for English and German.
struct Machine {
    QTemporaryDir root;
    PathRoots roots{root.filePath("appdata"), root.filePath("Documents"), root.filePath("install"), {}};
    QStringList warnings;

    Machine()
    {
        WriteText(roots.installFolder + "/Tbl/ipa_cand1.txt", "table v2");
        WriteText(roots.installFolder + "/Shelf/English/bookA/Greetings.utx", "sample English");
        WriteText(roots.installFolder + "/Shelf/German/bookS/Farben.utx", "sample German");
        QDir().mkpath(roots.installFolder + "/Shelf/English/bookA/nested");  // folders are not copied
    }

    AppPaths Prepare()
    {
        return PrepareDataFolders(roots, [this](const QString &m) { warnings << m; });
    }

    void Start(const AppPaths &paths, bool noSamples = false)
    {
        if (const std::optional<FileError> error = InstallOnFirstStartOfVersion(paths, noSamples))
            warnings << VersionMarkerErrorText(*error);
    }
};

}  // namespace

class tst_FirstRunInstall : public QObject
{
    Q_OBJECT

private slots:
    void VersionMarkerName_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("marker");
        // clang-format off
        QTest::addRow("7.9") << "7.9" << "Leaf790.txt";
        QTest::addRow("8") << "8" << "Leaf800.txt";
        QTest::addRow("7.9.1") << "7.9.1" << "Leaf791.txt";
        QTest::addRow("10.2.3") << "10.2.3" << "Leaf999.txt";
        QTest::addRow("not a number") << "beta" << "Leaf999.txt";
        // clang-format on
    }
    void VersionMarkerName()
    {
        QFETCH(QString, version);
        QFETCH(QString, marker);
        QCOMPARE(::VersionMarkerName(version), marker);
    }

    void prepareCreatesTheUserFolders()
    {
        Machine machine;
        const AppPaths paths = machine.Prepare();
        QVERIFY(machine.warnings.isEmpty());
        int bookFolders = 0;
        for (const char *language : {"English", "Italian", "French", "Spanish", "Portuguese", "German"}) {
            for (const char *kind : {"bookA", "bookG", "bookS"})
                bookFolders += QFileInfo(paths.DocFolder + "/" + language + "/" + kind).isDir();
        }
        QCOMPARE(bookFolders, 18);
        QVERIFY(QFileInfo(paths.SysFolder).isDir());
        QVERIFY(QFileInfo(paths.TblFolder).isDir());
        QVERIFY(QFileInfo(paths.UsrFolder).isDir());
        QCOMPARE(paths.SysFolder, machine.roots.appDataRoot + "/Bertovan/Quillmaren/Sys");
        QCOMPARE(paths.TblFolder, machine.roots.appDataRoot + "/Bertovan/Quillmaren/Tbl");
        QCOMPARE(paths.UsrFolder, machine.roots.documentsRoot + "/Bertovan/Quillmaren/usr");
        QCOMPARE(paths.BookGFolder, machine.roots.documentsRoot + "/Bertovan/Quillmaren/English/bookG");
        QCOMPARE(paths.HelpFolder, machine.roots.installFolder + "/Help");
        QVERIFY(!QFileInfo::exists(paths.HelpFolder));  // the installation tree is only read
    }

    void prepareWarnsOnceForEachCauseWithIt()
    {
        Machine machine;
        WriteText(machine.roots.documentsRoot + "/Bertovan/Quillmaren/French", "a file in the way");
        WriteText(machine.roots.appDataRoot + "/Bertovan/Quillmaren/Sys", "a file in the way");
        const AppPaths paths = machine.Prepare();
        // French's three book folders have one cause, told once.
        QCOMPARE(machine.warnings.size(), 2);
        const QString french = QDir::toNativeSeparators(paths.DocFolder + "/French");
        QCOMPARE(machine.warnings[0],
                 QStringLiteral("単語帳などのフォルダが 3 個作れませんでした（%1 ほか）。%2 がフォルダではなく"
                                "ファイルのためです。")
                     .arg(french + QDir::separator() + "bookA", french));
        QCOMPARE(machine.warnings[1],
                 QStringLiteral("システムフォルダが作れませんでした。%1 がフォルダではなくファイルのためです。")
                     .arg(QDir::toNativeSeparators(paths.SysFolder)));
        QVERIFY(QFileInfo(paths.DocFolder + "/German/bookS").isDir());  // it went on

        // The marker cannot be written: the start still finishes, and the user is told.
        machine.warnings.clear();
        machine.Start(paths);
        QCOMPARE(machine.warnings.size(), 1);
        QVERIFY(machine.warnings[0].contains(QStringLiteral("Leaf790.txt")));
    }

    /// The documents folder itself is a file: one message for the nineteen folders under it.
    void aFileForTheDocumentsFolderIsToldOnce()
    {
        Machine machine;
        QVERIFY(QDir(machine.roots.documentsRoot).removeRecursively());
        WriteText(machine.roots.documentsRoot, "not a folder");
        machine.Prepare();
        QCOMPARE(machine.warnings.size(), 1);
        QVERIFY2(machine.warnings[0].contains(QStringLiteral("19 個")), qPrintable(machine.warnings[0]));
        QVERIFY2(machine.warnings[0].contains(QDir::toNativeSeparators(machine.roots.documentsRoot) +
                                              QStringLiteral(" がフォルダではなくファイルのためです。")),
                 qPrintable(machine.warnings[0]));
    }

    void firstStartInstallsOncePerVersion()
    {
        Machine machine;
        const AppPaths paths = machine.Prepare();
        WriteText(paths.SysFolder + "/Leaf770.txt", "GF-RD1\r\n");
        WriteText(paths.SysFolder + "/Leafy.dat", "not a marker");
        machine.Start(paths);

        QCOMPARE(ReadText(paths.SysFolder + "/Leaf790.txt"), QByteArray("GF-RD1\r\n"));
        QVERIFY(!QFileInfo::exists(paths.SysFolder + "/Leaf770.txt"));
        QVERIFY(QFileInfo::exists(paths.SysFolder + "/Leafy.dat"));
        QCOMPARE(ReadText(paths.TblFolder + "/ipa_cand1.txt"), QByteArray("table v2"));
        QCOMPARE(ReadText(paths.DocFolder + "/English/bookA/Greetings.utx"), QByteArray("sample English"));
        QCOMPARE(ReadText(paths.DocFolder + "/German/bookS/Farben.utx"), QByteArray("sample German"));
        QVERIFY(!QFileInfo::exists(paths.DocFolder + "/English/bookA/nested"));

        // A second start of the same version installs nothing and removes no marker.
        WriteText(paths.TblFolder + "/ipa_cand1.txt", "table edited");
        QFile::remove(paths.DocFolder + "/German/bookS/Farben.utx");
        WriteText(paths.SysFolder + "/Leaf770.txt", "GF-RD1\r\n");
        machine.Start(paths);
        QCOMPARE(ReadText(paths.TblFolder + "/ipa_cand1.txt"), QByteArray("table edited"));
        QVERIFY(!QFileInfo::exists(paths.DocFolder + "/German/bookS/Farben.utx"));
        QVERIFY(QFileInfo::exists(paths.SysFolder + "/Leaf770.txt"));
        QVERIFY(machine.warnings.isEmpty());
    }

    void newVersionKeepsEditedBooksAndReplacesTables()
    {
        Machine machine;
        const AppPaths paths = machine.Prepare();
        WriteText(paths.DocFolder + "/English/bookA/Greetings.utx", "edited by the user");
        WriteText(paths.TblFolder + "/ipa_cand1.txt", "table v1");
        machine.Start(paths);
        QCOMPARE(ReadText(paths.DocFolder + "/English/bookA/Greetings.utx"), QByteArray("edited by the user"));
        QCOMPARE(ReadText(paths.TblFolder + "/ipa_cand1.txt"), QByteArray("table v2"));

        RefreshSamples(paths);  // the explicit refresh replaces the user's copy of a sample
        QCOMPARE(ReadText(paths.DocFolder + "/English/bookA/Greetings.utx"), QByteArray("sample English"));
    }

    void noSamplesStillWritesTheMarker()
    {
        Machine machine;
        const AppPaths paths = machine.Prepare();
        WriteText(paths.SysFolder + "/Leaf770.txt", "GF-RD1\r\n");
        machine.Start(paths, true);
        QVERIFY(QFileInfo::exists(paths.SysFolder + "/Leaf790.txt"));
        QVERIFY(!QFileInfo::exists(paths.SysFolder + "/Leaf770.txt"));
        QVERIFY(!QFileInfo::exists(paths.TblFolder + "/ipa_cand1.txt"));
        QVERIFY(!QFileInfo::exists(paths.DocFolder + "/English/bookA/Greetings.utx"));
    }

    void missingInstallationCopiesNothing()
    {
        Machine machine;
        machine.roots.installFolder = machine.root.filePath("nowhere");
        const AppPaths paths = machine.Prepare();
        machine.Start(paths);
        QVERIFY(QFileInfo::exists(paths.SysFolder + "/Leaf790.txt"));
        QVERIFY(QDir(paths.TblFolder).isEmpty());
        QVERIFY(machine.warnings.isEmpty());
    }
};

QTEST_APPLESS_MAIN(tst_FirstRunInstall)
#include "tst_FirstRunInstall.moc"
