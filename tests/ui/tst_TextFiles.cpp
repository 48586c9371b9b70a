#include "dialogs/FileDialogSeam.h"
#include "mainwindow/TextFileCommands.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

/// The file menu's text commands and the tool menu's reports on the input area.
class tst_TextFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;
    QTemporaryDir dir_;
    QString chosen_;  ///< what the file dialog answers

    QPlainTextEdit *Memo() const { return Find<QPlainTextEdit>(w_, "Memo1"); }
    void Trigger(const char *action) { Find<QAction>(w_, action)->trigger(); }
    QByteArray FileBytes(const QString &name) const
    {
        QFile file(dir_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        w_ = f_->Start();
        QVERIFY(w_);
        FileDialogSeam::Replace([this](const FileDialogSeam::Request &) { return chosen_; });
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
        Trigger("N27");
        QVERIFY(f_->messages.last().contains(QStringLiteral("は開けません。")));
        QCOMPARE(Memo()->toPlainText(), QStringLiteral("kept"));
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
