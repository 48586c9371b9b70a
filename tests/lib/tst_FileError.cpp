// The system's reasons for a failed file operation are sorted into the cases the user is told
// in Japanese, whatever words Qt or the C library used for them.
#include "dialogs/FileErrorText.h"
#include "lib/FileError.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

class TestFileError : public QObject
{
    Q_OBJECT

private slots:
    void systemTextsAreSorted_data()
    {
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<FileError::Reason>("reason");
        QTest::addRow("Qt ENOENT") << qt_error_string(ENOENT) << FileError::Reason::NotFound;
        QTest::addRow("Qt EACCES") << qt_error_string(EACCES) << FileError::Reason::PermissionDenied;
        QTest::addRow("C EPERM") << QString::fromLocal8Bit(std::strerror(EPERM)) << FileError::Reason::PermissionDenied;
        QTest::addRow("Qt ENOSPC") << qt_error_string(ENOSPC) << FileError::Reason::NoSpace;
        QTest::addRow("C EROFS in a sentence")
            << QStringLiteral("Cannot rename: ") + QString::fromLocal8Bit(std::strerror(EROFS))
            << FileError::Reason::ReadOnlyFileSystem;
        QTest::addRow("another") << qt_error_string(EIO) << FileError::Reason::Other;
        QTest::addRow("none") << QString() << FileError::Reason::Other;
    }
    void systemTextsAreSorted()
    {
        QFETCH(QString, systemText);
        QFETCH(FileError::Reason, reason);
        QCOMPARE(ReasonOfSystemText(systemText), reason);
    }

    void realFailuresAreToldInJapanese()
    {
        QTemporaryDir dir;
        QFile missing(dir.filePath(QStringLiteral("nothing.utx")));
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        const FileError notFound =
            FileError::FromSystem(FileError::Code::Missing, missing.fileName(), missing.errorString());
        QCOMPARE(notFound.reason, FileError::Reason::NotFound);
        QVERIFY2(FileErrorText(notFound).contains(QStringLiteral("見つかりません")),
                 qPrintable(FileErrorText(notFound)));
        QVERIFY(FileErrorText(notFound).startsWith(QStringLiteral("ファイル ")));

        QSaveFile inMissingFolder(dir.filePath(QStringLiteral("no/such/folder/book.utx")));
        QVERIFY(!inMissingFolder.open(QIODevice::WriteOnly));
        const FileError cannotWrite = FileError::FromSystem(FileError::Code::CannotWrite, inMissingFolder.fileName(),
                                                            inMissingFolder.errorString());
        QVERIFY2(FileErrorText(cannotWrite).contains(QStringLiteral("を作成できません。")),
                 qPrintable(FileErrorText(cannotWrite)));

        // A reason the program has no words for keeps the system's own.
        const FileError other =
            FileError::FromSystem(FileError::Code::Unreadable, QStringLiteral("x"), qt_error_string(EIO));
        QVERIFY(FileErrorText(other).contains(qt_error_string(EIO)));
    }
};

QTEST_GUILESS_MAIN(TestFileError)
#include "tst_FileError.moc"
