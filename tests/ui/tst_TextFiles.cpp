#include "dialogs/FileDialogSeam.h"
#include "mainwindow/TextFileCommands.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

/// The file menu's text commands and the tool menu's reports on the input area.
class tst_TextFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;
    QTemporaryDir dir_;
    QString chosen_;        ///< what the file dialog answers
    QString filterChoice_;  ///< the dialog chooses the type filter that holds this text
    FileDialogSeam::Request offered_;

    QPlainTextEdit *Memo() const { return Find<QPlainTextEdit>(w_, "Memo1"); }
    void Trigger(const char *action) { Find<QAction>(w_, action)->trigger(); }
    QByteArray FileBytes(const QString &name) const
    {
        QFile file(dir_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    /// Opens the file through 開く (no question is asked on the way).
    void Open(const QString &name)
    {
        chosen_ = dir_.filePath(name);
        Trigger("N27");
        QCOMPARE(w_->TextFiles().TextFileName(), name);
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
        filterChoice_.clear();
        FileDialogSeam::Replace([this](FileDialogSeam::Request &request) {
            offered_ = request;
            for (const QString &filter : request.filter.split(";;"))
                if (!filterChoice_.isEmpty() && filter.contains(filterChoice_))
                    request.selectedFilter = filter;
            return chosen_;
        });
    }
    void cleanup()
    {
        FileDialogSeam::Replace({});
        f_.reset();
    }

    void saveOpenAndClose()
    {
        QVERIFY(!Find<QAction>(w_, "N28")->isEnabled());
        Memo()->setPlainText("a\nb");
        chosen_ = dir_.filePath("note.txt");
        Trigger("N29");
        QCOMPARE(FileBytes("note.txt"), QByteArray("\xFF\xFE"
                                                   "a\0\r\0\n\0b\0\r\0\n\0",
                                                   14));
        QCOMPARE(w_->TextFiles().TextFolder(), dir_.path());
        QCOMPARE(w_->TextFiles().TextFileName(), QStringLiteral("note.txt"));
        QVERIFY(Find<QAction>(w_, "N28")->isEnabled() && Find<QAction>(w_, "N33")->isEnabled());

        // Saved: closing asks nothing.
        Trigger("N33");
        QVERIFY(f_->asked.isEmpty());
        QVERIFY(Memo()->toPlainText().isEmpty());
        QVERIFY(!Find<QAction>(w_, "N28")->isEnabled());

        // Opened, changed, saved over: closing asks nothing; changed again: it asks.
        Trigger("N27");
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("a\nb\n"));
        QVERIFY(!w_->TextModified());
        Memo()->insertPlainText("c");
        Trigger("N28");
        QCOMPARE(FileBytes("note.txt"), QByteArray("\xFF\xFE"
                                                   "a\0\r\0\n\0b\0\r\0\n\0c\0\r\0\n\0",
                                                   20));
        Memo()->insertPlainText("d");
        f_->answer = false;
        Trigger("N33");
        QVERIFY(f_->asked.last().contains(
            QStringLiteral("ファイル\" note.txt \"に変更が加えられましたが、保存せずに閉じますか？")));
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("a\nb\ncd"));  // No keeps the text
        // Opening another file and ending the program ask the same question first.
        f_->asked.clear();
        Trigger("N27");
        QCOMPARE(f_->asked.size(), 1);
        QVERIFY(!w_->close());
        QCOMPARE(f_->asked.size(), 2);
        f_->answer = true;
    }

    void replacingAndFailuresAreTold()
    {
        QFile other(dir_.filePath("other.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("keep");
        other.close();
        Memo()->setPlainText("new");
        chosen_ = other.fileName();
        f_->answer = false;
        Trigger("N29");
        QVERIFY(f_->asked.last().contains(QStringLiteral("置き換えますか？")));
        QCOMPARE(FileBytes("other.txt"), QByteArray("keep"));

        // A blank text is never saved.
        Memo()->setPlainText(" \n ");
        chosen_ = dir_.filePath("blank.txt");
        Trigger("N29");
        QVERIFY(!QFile::exists(chosen_));

        // A file that cannot be read: the message names it, the input area keeps its text.
        Memo()->setPlainText("kept");
        chosen_ = dir_.filePath("missing/none.txt");
        f_->answer = true;  // the draft may go
        Trigger("N27");
        QVERIFY(f_->messages.last().contains(QStringLiteral("は開けません。")));
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("kept"));
    }

    /// 上書き保存 writes a file back in the encoding, mark and line breaks it was read in; what
    /// is typed is written in them too.
    void savingKeepsTheFileFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("typed");  ///< the file after "ü" is typed at the end
        // clang-format off
        QTest::addRow("own format") << QByteArray("\xFF\xFE" "a\0\r\0\n\0", 8) << QByteArray("\xFF\xFE" "a\0\r\0\n\0\xFC\0\r\0\n\0", 14);
        QTest::addRow("UTF-8 with a no-break space") << QByteArray("h\xC3\xA9llo\xC2\xA0!\n") << QByteArray("h\xC3\xA9llo\xC2\xA0!\n\xC3\xBC\n");
        QTest::addRow("UTF-8 of even length") << QByteArray("h\xC3\xA9llo") << QByteArray("h\xC3\xA9llo\xC3\xBC");
        QTest::addRow("UTF-8 with its mark and CR LF") << QByteArray("\xEF\xBB\xBF" "a\r\n") << QByteArray("\xEF\xBB\xBF" "a\r\n\xC3\xBC\r\n");
        QTest::addRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0\n", 6) << QByteArray("\xFE\xFF\0a\0\n\0\xFC\0\n", 10);
        // clang-format on
    }
    void savingKeepsTheFileFormat()
    {
        QFETCH(QByteArray, bytes);
        WriteFile("odd.txt", bytes);
        Open("odd.txt");
        QVERIFY(f_->messages.isEmpty());
        Trigger("N28");
        QCOMPARE(FileBytes("odd.txt"), bytes);
        Memo()->insertPlainText(QStringLiteral("ü"));
        Trigger("N28");
        QTEST(FileBytes("odd.txt"), "typed");
        QVERIFY(f_->messages.isEmpty() && f_->asked.isEmpty());
    }

    void saveAsChoosesTheEncoding()
    {
        // A new text is offered the program's own format first.
        Memo()->setPlainText(QStringLiteral("é\nb"));
        Memo()->moveCursor(QTextCursor::End);
        chosen_ = dir_.filePath("new.txt");
        filterChoice_ = QStringLiteral("UTF-8、BOM なし、改行 LF");
        Trigger("N29");
        QVERIFY(offered_.selectedFilter.contains(QStringLiteral("UTF-16 LE、BOM 付き、改行 CR LF")));
        QCOMPARE(FileBytes("new.txt"), QByteArray("\xC3\xA9\nb\n"));
        // Saved again, it stays UTF-8, and 名前を付けて保存 offers UTF-8 first.
        Memo()->insertPlainText(QStringLiteral("c"));
        Trigger("N28");
        QCOMPARE(FileBytes("new.txt"), QByteArray("\xC3\xA9\nbc\n"));
        filterChoice_.clear();
        chosen_ = dir_.filePath("again.txt");
        Trigger("N29");
        QVERIFY(offered_.selectedFilter.contains(QStringLiteral("UTF-8、BOM なし、改行 LF")));
        QCOMPARE(FileBytes("again.txt"), QByteArray("\xC3\xA9\nbc\n"));

        // A character UTF-8 cannot hold: nothing is written, and the user is told.
        Memo()->setPlainText(QString(QChar(0xD800)) + u'x');
        chosen_ = dir_.filePath("lone.txt");
        filterChoice_ = QStringLiteral("UTF-8、BOM なし、改行 LF");
        f_->answer = false;
        Trigger("N29");
        QVERIFY(f_->messages.last().contains(QStringLiteral("書けない文字があります")));
        QVERIFY(!QFile::exists(chosen_));
        Trigger("N28");
        QVERIFY(f_->asked.last().contains(QStringLiteral("書けない文字があります")));
        QCOMPARE(FileBytes("again.txt"), QByteArray("\xC3\xA9\nbc\n"));
    }

    /// A file that does not decode is shown with a warning and never written back unasked.
    void undecodableFileIsNotOverwritten()
    {
        const QByteArray latin1("caf\xE9\n");
        WriteFile("latin1.txt", latin1);
        Open("latin1.txt");
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages.last().contains(QStringLiteral("文字として読めない部分がありました")));
        QVERIFY(Memo()->toPlainText().startsWith(QStringLiteral("caf")));

        f_->answer = false;
        Trigger("N28");
        QVERIFY(f_->asked.last().contains(QStringLiteral("元の内容が失われます。名前を付けて保存しますか？")));
        chosen_ = dir_.filePath("latin1.txt");  // 名前を付けて保存 onto the same file asks too
        Trigger("N29");
        QVERIFY(f_->asked.last().contains(QStringLiteral("元に戻せなくなります")));
        QCOMPARE(FileBytes("latin1.txt"), latin1);

        // Yes to 名前を付けて保存: the text goes to the new file, which then saves as usual.
        f_->answer = true;
        chosen_ = dir_.filePath("fixed.txt");
        filterChoice_ = QStringLiteral("UTF-16 LE");
        Trigger("N28");
        QCOMPARE(w_->TextFiles().TextFileName(), QStringLiteral("fixed.txt"));
        QVERIFY(FileBytes("fixed.txt")
                    .startsWith("\xFF\xFE"
                                "c\0a\0f\0"));
        QCOMPARE(FileBytes("latin1.txt"), latin1);
        const qsizetype asked = f_->asked.size();
        Memo()->insertPlainText("!");
        Trigger("N28");
        QCOMPARE(f_->asked.size(), asked);
        QVERIFY(FileBytes("fixed.txt").endsWith(QByteArray("!\0\r\0\n\0", 6)));
    }

    void openingAsksBeforeDroppingADraft()
    {
        WriteFile("other.txt", QByteArray("other\n"));
        Memo()->setPlainText("draft");
        f_->answer = false;
        chosen_ = dir_.filePath("other.txt");
        Trigger("N27");
        QCOMPARE(f_->asked.value(0), QStringLiteral("入力中のテキストは保存されていません。破棄して開きますか？"));
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("draft"));
        QVERIFY(w_->TextFiles().TextFileName().isEmpty());

        f_->answer = true;
        Trigger("N27");
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("other\n"));

        // A blank input area holds no draft.
        Trigger("N33");
        Memo()->setPlainText(" \n");
        f_->asked.clear();
        Open("other.txt");
        QVERIFY(f_->asked.isEmpty());
    }

    void savingAVanishedFileTellsAndOffersANewName()
    {
        Memo()->setPlainText("a");
        chosen_ = dir_.filePath("gone.txt");
        Trigger("N29");
        QVERIFY(QFile::remove(chosen_));
        Memo()->moveCursor(QTextCursor::End);
        Memo()->insertPlainText("b");

        f_->answer = false;
        Trigger("N28");
        QVERIFY(f_->asked.last().contains(QStringLiteral("が見つかりません。")));
        QVERIFY(f_->asked.last().endsWith(QStringLiteral("名前を付けて保存しますか？")));
        QVERIFY(!QFile::exists(chosen_));
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("ab"));

        f_->answer = true;
        chosen_ = dir_.filePath("found.txt");
        Trigger("N28");
        QCOMPARE(FileBytes("found.txt"), QByteArray("\xFF\xFE"
                                                    "a\0b\0\r\0\n\0",
                                                    10));
        QCOMPARE(w_->TextFiles().TextFileName(), QStringLiteral("found.txt"));
    }

    /// A save that fails says why in Japanese, and the text stays unsaved.
    void failedSavesTellTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::addRow("its folder was removed") << "removed/note.txt"
                                                << "ファイルまたはフォルダーが見つかりません。";
        QTest::addRow("a file where its folder should be") << "plain.txt/note.txt"
                                                           << "ファイルまたはフォルダーが見つかりません。";
        QTest::addRow("a folder in its place") << "folder.txt"
                                               << "通常のファイルではありません。";
    }
    void failedSavesTellTheReason()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath(dir_.filePath("removed")) && QDir(dir_.filePath("removed")).removeRecursively());
        WriteFile("plain.txt", "x");
        QVERIFY(QDir().mkpath(dir_.filePath("folder.txt")));
        Memo()->setPlainText("typed");
        chosen_ = dir_.filePath(name);
        f_->answer = true;  // what is there may be replaced
        Trigger("N29");
        QCOMPARE(f_->messages.last(),
                 QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(QDir::toNativeSeparators(chosen_), reason));
        QVERIFY(w_->TextFiles().TextFileName().isEmpty());
        QVERIFY(w_->TextFiles().TextModified());
        QVERIFY(QFileInfo(dir_.filePath("folder.txt")).isDir());
    }

    /// Files that are no text to read are refused at once with a message; the input area and
    /// the open file stay as they were.
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addRow("a folder") << "folder.txt"
                                  << "は通常のファイルではないため、開けません。";
        QTest::addRow("over the limit") << "huge.txt"
                                        << "は大きすぎるため、開けません。開けるテキストファイルは 16 MB までです。";
#ifdef Q_OS_UNIX
        QTest::addRow("a named pipe") << "pipe.txt"
                                      << "は通常のファイルではないため、開けません。";
        QTest::addRow("a device") << "zero.txt"
                                  << "は通常のファイルではないため、開けません。";
#endif
    }
    void refusedFiles()
    {
        QFETCH(QString, name);
        const QString path = dir_.filePath(name);
        if (name == QLatin1String("folder.txt"))
            QVERIFY(QDir().mkpath(path));
        if (name == QLatin1String("huge.txt")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(16 * 1024 * 1024 + 1));
        }
#ifdef Q_OS_UNIX
        if (name == QLatin1String("pipe.txt") && !QFileInfo::exists(path))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (name == QLatin1String("zero.txt") && !QFileInfo::exists(path))
            QVERIFY(QFile::link("/dev/zero", path));
#endif
        WriteFile("open.txt", "kept\n");
        Open("open.txt");

        chosen_ = dir_.filePath(name);
        Trigger("N27");
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages.last().contains(QDir::toNativeSeparators(chosen_)));
        QTEST(f_->messages.last().mid(f_->messages.last().indexOf(QStringLiteral("\" は")) + 2), "message");
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("kept\n"));
        QCOMPARE(w_->TextFiles().TextFileName(), QStringLiteral("open.txt"));
    }

    void reports_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::addRow("counter") << "N36" << "a\nb" << "" << "文字数は 4 文字です。";
        QTest::addRow("counter outside the BMP") << "N36" << QString::fromUcs4(U"\U0001F600") << "" << "文字数は 2 文字です。";
        QTest::addRow("foreign codes") << "N38" << "ab" << "" << "欧文　文字数： 2\nコード: /0061/0062";
        QTest::addRow("a break as the counter has it") << "N38" << "a\nb" << "" << "欧文　文字数： 4\nコード: /0061/000D/000A/0062";
        QTest::addRow("a no-break space") << "N38" << "a\u00A0b" << "" << "欧文　文字数： 3\nコード: /0061/00A0/0062";
        QTest::addRow("phonetic codes") << "N37" << "" << "ə" << "発音記号　文字数： 1\nコード: /0259";
        QTest::addRow("an empty field says nothing") << "N37" << "x" << "" << "";
        // clang-format on
    }
    void reports()
    {
        QFETCH(QString, action);
        QFETCH(QString, memo);
        QFETCH(QString, edit);
        QFETCH(QString, message);
        Memo()->setPlainText(memo);
        Find<QLineEdit>(w_, "Edit1")->setText(edit);
        f_->messages.clear();
        Find<QAction>(w_, action.toLatin1().constData())->trigger();
        QCOMPARE(f_->messages.value(0), message);
    }
};

QTEST_MAIN(tst_TextFiles)
#include "tst_TextFiles.moc"
