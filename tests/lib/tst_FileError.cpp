// The system's reasons for a failed file operation are sorted into the cases the user is told
// in Japanese, whatever words Qt or the C library used for them.
#include "dialogs/FileErrorText.h"
#include "lib/FileError.h"

#include <QDir>
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

    /// Each reason the user is told in Japanese, and the sentence each kind of file has.
    void wording_data()
    {
        QTest::addColumn<FileError>("error");
        QTest::addColumn<QString>("text");
        const QString path = QStringLiteral("/d/a.txt");
        const QString shown = QDir::toNativeSeparators(path);
        const auto because = [&](FileError::Code code, FileError::Reason reason) {
            return FileError::Because(code, path, reason);
        };
        using Code = FileError::Code;
        using Reason = FileError::Reason;
        QTest::addRow("not found")
            << because(Code::Missing, Reason::NotFound)
            << QStringLiteral("ファイル %1 は開けません。 ファイルまたはフォルダーが見つかりません。 ").arg(shown);
        QTest::addRow("permission denied")
            << because(Code::CannotWrite, Reason::PermissionDenied)
            << QStringLiteral("ファイル \"%1\" を作成できません。アクセスが拒否されました。").arg(shown);
        QTest::addRow("no space")
            << because(Code::CannotWrite, Reason::NoSpace)
            << QStringLiteral("ファイル \"%1\" を作成できません。ディスクに空き容量がありません。").arg(shown);
        QTest::addRow("read-only disk")
            << because(Code::CannotWrite, Reason::ReadOnlyFileSystem)
            << QStringLiteral("ファイル \"%1\" を作成できません。読み取り専用のディスクには書き込めません。")
                   .arg(shown);
        QTest::addRow("too large")
            << FileError::TooLargeFile(path, qint64(256) << 20)
            << QStringLiteral("ファイル %1 は大きすぎるため、開きません。（256 MB まで）").arg(shown);
    }
    void wording()
    {
        QFETCH(FileError, error);
        QTEST(FileErrorText(error), "text");
    }

    /// The sentences of the kinds of file that have their own.
    void sentencesOfKinds()
    {
        const QString path = QStringLiteral("/d/f.txt");
        const QString shown = QDir::toNativeSeparators(path);
        const FileError notFound = FileError::Because(FileError::Code::CannotWrite, path, FileError::Reason::NotFound);
        const FileError folder =
            FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile);
        const FileError large = FileError::TooLargeFile(path, qint64(16) << 20);
        QCOMPARE(TextFileErrorText(folder),
                 QStringLiteral("\"%1\" は通常のファイルではないため、開けません。").arg(shown));
        QCOMPARE(
            TextFileErrorText(large),
            QStringLiteral("ファイル \"%1\" は大きすぎるため、開けません。開けるテキストファイルは 16 MB までです。")
                .arg(shown));
        QCOMPARE(TextFileErrorText(notFound), FileErrorText(notFound));
        QCOMPARE(CardImportErrorText(large),
                 QStringLiteral("ファイル %1 は大きすぎるため、取り込めません。（16 MB まで）").arg(shown));
        QCOMPARE(
            CardImportErrorText(FileError::Because(FileError::Code::Malformed, path, FileError::Reason::NotUtf8Text)),
            QStringLiteral("ファイル %1 は取り込めません。\nUTF-8 のテキストではありません。"
                           "UTF-8 で保存し直してから取り込んで下さい。")
                .arg(shown));
        QCOMPARE(CardExportErrorText(notFound),
                 QStringLiteral("ファイル %1 に書き出せませんでした。\nファイルまたはフォルダーが見つかりません。")
                     .arg(shown));
        QCOMPARE(ParameterFileErrorText(notFound),
                 QStringLiteral("設定ファイルを保存できませんでした。\n%1\nファイルまたはフォルダーが見つかりません。")
                     .arg(shown));
        QCOMPARE(
            TransferFileErrorText(notFound),
            QStringLiteral("転送用のファイルを書き込めませんでした。\n%1\nファイルまたはフォルダーが見つかりません。")
                .arg(shown));
        QVERIFY(VersionMarkerErrorText(notFound).endsWith(
            QStringLiteral("次回の起動時にもサンプルのインストールを行います。")));
        FileError code = FileError::Because(FileError::Code::Malformed, path, FileError::Reason::NotACharacterCode);
        code.line = 7;
        code.detail = QStringLiteral("0x601");
        QCOMPARE(CandidateFileErrorText(code),
                 QStringLiteral("発音記号の候補ファイル %1 の 7 行目に、数値でない5文字のコード「0x601」があります。"
                                "この行から後は読み込まれませんでした。")
                     .arg(shown));
        // The search lists each book with its reason in brackets, without a full stop.
        QCOMPARE(UnreadableBooksText(
                     {FileError::TooLargeFile(path, qint64(256) << 20),
                      FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::PermissionDenied)}),
                 QStringLiteral("次の単語帳は読めなかったため、検索していません。\n%1（256 MB を超えています）\n"
                                "%1（アクセスが拒否されました）")
                     .arg(shown));
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
