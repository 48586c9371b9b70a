#include "app/FirstRunInstall.h"
#include "app/HelpTopics.h"
#include "mainwindow/ManualViewer.h"
#include "mainwindow/TVerFrm.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

/// The easy manual on the European input page and the version dialog.
class tst_HelpAndVersion : public QObject
{
    Q_OBJECT

private slots:
    void topicsAndAnswers()
    {
        const QStringList &entries = HelpTopics::Entries();
        QCOMPARE(entries.size(), 25);
        QCOMPARE(entries[0], QStringLiteral(" Q&A 目　次"));
        QVERIFY(entries[9].startsWith(QStringLiteral(" Q9. ")) && entries[10].startsWith(QStringLiteral("Q10. ")));
        const QStringList contents = HelpTopics::Lines(0);
        QCOMPARE(contents.size(), 30);
        QCOMPARE(contents[0], QStringLiteral("【初めての方へ】"));
        QCOMPARE(contents[1], QStringLiteral("Q1. どこから手をつけたらいいですか？"));
        // The questions on the learning record stand with the training's.
        QCOMPARE(contents.indexOf(entries[22].trimmed()), contents.indexOf(entries[6].trimmed()) + 1);
        QCOMPARE(contents.last(), entries[21]);
        for (int topic = 1; topic <= 24; ++topic)
            QVERIFY2(HelpTopics::Lines(topic).value(0).startsWith(QStringLiteral("A%1. ").arg(topic)),
                     qPrintable(QString::number(topic)));
        QVERIFY(HelpTopics::Lines(25).isEmpty());
    }

    /// 操作説明書 hands the PDF to the desktop's opener and tells the user, with the manual's
    /// path, when no viewer takes it: no opener at all, an opener that fails, or no manual.
    void theManualWithoutAViewerIsTold_data()
    {
        QTest::addColumn<QString>("opener");  // the opener's script; empty: there is none
        QTest::addColumn<bool>("manualExists");
        QTest::addColumn<QString>("told");
        QTest::addRow("a viewer opens it") << "exit 0" << true << QString();
        QTest::addRow("no program for PDF files")
            << "exit 3" << true << QStringLiteral("PDF を表示するプログラムが見つからない");
        QTest::addRow("no opener") << QString() << true << QStringLiteral("PDF を表示するプログラムが見つからない");
        QTest::addRow("no manual") << "exit 0" << false << QStringLiteral("操作説明書のファイルが見つかりません");
    }
    void theManualWithoutAViewerIsTold()
    {
        QFETCH(QString, opener);
        QFETCH(bool, manualExists);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString manual = dir.filePath(QStringLiteral("HowToUse2.pdf"));
        if (manualExists) {
            QFile pdf(manual);
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            pdf.write("%PDF-1.4\n");
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bin")));
        if (!opener.isEmpty()) {
            QFile script(dir.filePath(QStringLiteral("bin/xdg-open")));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(("#!/bin/sh\n" + opener + "\n").toUtf8());
            script.close();
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.filePath(QStringLiteral("bin")).toLocal8Bit());
        QStringList messages;
        MessageSeam::Replace([&messages](const QString &m) { messages << m; }, [](const QString &) { return false; });
        QWidget window;
        OpenManual(&window, manual);
        QTRY_VERIFY(window.findChildren<QProcess *>().isEmpty());
        MessageSeam::Replace({}, {});
        qputenv("PATH", path);
        if (told.isEmpty()) {
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'|')));
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(told), qPrintable(messages[0]));
            QVERIFY2(messages[0].contains(QDir::toNativeSeparators(manual)), qPrintable(messages[0]));
        }
    }

    void theManualShowsTheChosenTopic()
    {
        MainWindowFixture f;
        TMainFrm *w = f.Start();
        QVERIFY(w);
        auto *text = Find<QPlainTextEdit>(w, "RichEdit1");
        QCOMPARE(text->document()->blockCount(), HelpTopics::Lines(0).size());  // the contents after start
        auto *topics = Find<QComboBox>(w, "ComboBox8");
        topics->setFocus();
        topics->setCurrentIndex(5);
        emit topics->activated(5);
        QCOMPARE(text->toPlainText(), HelpTopics::Lines(5).join('\n'));
        QCOMPARE(text->document()->blockCount(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), Find<QPlainTextEdit>(w, "Memo1"));
    }

    void versionDialog()
    {
        TVerFrm dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(dialog.size(), QSize(480, 320));
        QCOMPARE(Find<QLabel>(&dialog, "Label2")->text(), QStringLiteral("   Quillmaren\n（クイルマレン）"));
        QCOMPARE(Find<QLabel>(&dialog, "Label4")->text(), ProgramVersion);
        QCOMPARE(Find<QLabel>(&dialog, "Image1")->pixmap().size(), QSize(128, 128));
        // A fixed frame with the close box only.
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!(dialog.windowHandle()->flags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }
};

QTEST_MAIN(tst_HelpAndVersion)
#include "tst_HelpAndVersion.moc"
