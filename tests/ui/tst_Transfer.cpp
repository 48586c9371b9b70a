#include "pads/TShape.h"
#include "platform/null/NullWindowSystem.h"
#include "support/FakeDesktop.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

}  // namespace

class tst_Transfer : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    std::shared_ptr<int> pastes_;

    TMainFrm *Start(const QByteArray &parameters = {})
    {
        f_->WriteParameters(parameters);
        TMainFrm *w = f_->Start();
        if (w) {
            auto desktop = std::make_unique<FakeDesktop>();
            pastes_ = desktop->pastes;
            w->transfer().SetWindowSystem(std::move(desktop));
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        return w;
    }

private slots:
    void init()
    {
        f_ = std::make_unique<MainWindowFixture>();
        pastes_ = std::make_shared<int>(0);
    }
    void cleanup() { f_.reset(); }

    void richTextOffersEveryRendition()
    {
        TMainFrm *w = Start("TransMode,0\r\n");
        QVERIFY(w);
        QTest::keyClicks(Find<QPlainTextEdit>(w, "Memo1"), "]e");
        auto *button = w->findChild<QToolButton *>("SpeedButton8");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("転送\nF9"));
        QTest::mouseClick(button, Qt::LeftButton);  // the toolbar button runs the same action as F9
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QStringLiteral("é"));
        QCOMPARE(
            data->data("text/rtf"),
            QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil\\fcharset0 "
                       "Times New Roman;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs40\\u233?\\f1\\par}"));
        QVERIFY(data->html().contains(QStringLiteral("font-size:20pt\">é</span>")));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->textCursor().selectedText(),
                 QStringLiteral("é"));  // whole field selected
    }

    void selectionWinsAndClearEmptiesBothFields()
    {
        TMainFrm *w = Start("TransMode,3\r\nTransClearFlg,1\r\nPFlg,1\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("hello world");
        Find<QLineEdit>(w, "Edit1")->setText("ɡoʊ");
        QTextCursor cursor = Find<QPlainTextEdit>(w, "Memo1")->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        Find<QPlainTextEdit>(w, "Memo1")->setTextCursor(cursor);
        w->transfer().TransferExecute();
        QCOMPARE(ClipboardText(), QStringLiteral("world"));
        QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
        QVERIFY(Find<QLineEdit>(w, "Edit1")->text().isEmpty());
    }

    void selectionIsLeftAsItWas()
    {
        TMainFrm *w = Start("TransMode,1\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("añb");
        QTextCursor cursor = Find<QPlainTextEdit>(w, "Memo1")->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        Find<QPlainTextEdit>(w, "Memo1")->setTextCursor(cursor);
        w->transfer().TransferExecute();
        QCOMPARE(ClipboardText(), QStringLiteral("&#x00F1;"));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->textCursor().selectedText(), QStringLiteral("ñ"));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->toPlainText(), QStringLiteral("añb"));
    }

    void phoneticModesTakeTheSecondField()
    {
        TMainFrm *w = Start("TransMode,12\r\nTransClearFlg,1\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("text");
        w->transfer().TransferExecute();  // the second field is empty: nothing happens
        QCOMPARE(ClipboardText(), QStringLiteral("earlier"));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->toPlainText(), QStringLiteral("text"));
        Find<QLineEdit>(w, "Edit1")->setText("ʃ");
        w->transfer().TransferExecute();
        QCOMPARE(ClipboardText(), QStringLiteral("&#643;"));
    }

    void invalidModeTransfersAsTheModeDisplayShows()
    {
        // A mode outside the eight is the standard mode: rich text of the input area.
        TMainFrm *w = Start("TransMode,5\r\nTransClearFlg,1\r\n");
        QVERIFY(w);
        QCOMPARE(Find<QLineEdit>(w, "Edit2")->text(), QStringLiteral("リッチテキスト"));
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("sent");
        QTest::keyClick(w, Qt::Key_F9);
        QCOMPARE(ClipboardText(), QStringLiteral("sent"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("text/rtf"));
        QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
    }

    void secondMethodCarriesTheDisplaySize()
    {
        TMainFrm *w = Start("TransMode,0\r\nMethod2Flg,1\r\nTransFSFlg,1\r\nTransMainFSize,40\r\nMainFontSize,18\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("ü\nx");
        w->transfer().TransferExecute();
        const QByteArray rtf = QGuiApplication::clipboard()->mimeData()->data("text/rtf");
        QVERIFY2(rtf.contains("\\fs36\\u252?\\u13?\\u10?\\u120?"), rtf.constData());
        QFile work(f_->home->dataFolder() + "/Sys/Work.rtf");
        QVERIFY(work.open(QIODevice::ReadOnly));
        QCOMPARE(work.readAll(), rtf + "\r\n");

        // The first method carries the transfer size, same text.
        w->settingsStore().Change([](Settings &s) { s.Method2Flg = false; });
        w->transfer().TransferExecute();
        QVERIFY(
            QGuiApplication::clipboard()->mimeData()->data("text/rtf").contains("\\fs80\\u252?\\u13?\\u10?\\u120?"));
    }

    void absurdSavedSizeIsTheDefault()
    {
        TMainFrm *w = Start("TransMode,0\r\nMainFontSize,1500000000\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("x");
        w->transfer().TransferExecute();
        const QByteArray rtf = QGuiApplication::clipboard()->mimeData()->data("text/rtf");
        QVERIFY2(rtf.contains("\\fs40\\u120?"), rtf.constData());
        QCOMPARE(Find<QComboBox>(w, "ComboBox3")->currentText(), QStringLiteral("20"));
    }

    void ownCharactersAreTransferred()
    {
        // A no-break space (common in French) and a line separator are the field's own
        // characters; only the lines' breaks become CR LF.
        TMainFrm *w = Start("TransMode,1\r\n");
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText(QStringLiteral("a\u00A0b\u2028c\nd"));
        w->transfer().TransferExecute();
        QCOMPARE(ClipboardText(), QStringLiteral("a&#x00A0;b&#x2028;c&#x000D;&#x000A;d"));
        Find<QPlainTextEdit>(w, "Memo1")->selectAll();
        w->settingsStore().Change([](Settings &s) { s.TransMode = 3; });
        w->transfer().TransferExecute();
        QCOMPARE(ClipboardText(), QStringLiteral("a\u00A0b\u2028c\nd"));
    }

    void unwritableWorkFileStopsTheTransfer()
    {
        TMainFrm *w = Start("TransMode,0\r\nMethod2Flg,1\r\nTransClearFlg,1\r\n");
        QVERIFY(w);
        QVERIFY(QDir(f_->home->dataFolder() + "/Sys").removeRecursively());
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("é");
        w->transfer().TransferExecute();
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages[0].contains(QStringLiteral("Work.rtf")));
        QCOMPARE(ClipboardText(), QStringLiteral("earlier"));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->toPlainText(), QStringLiteral("é"));
    }

    void automaticPasteReachesTheTarget()
    {
        TMainFrm *w = Start("TransMode,3\r\n");
        QVERIFY(w);
        Find<QTimer>(w, "SearchTimer")->start();  // as while the program is in the background
        QTRY_VERIFY(w->transfer().tracker().TargetKnown());
        Find<QTimer>(w, "SearchTimer")->stop();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillmaren  転送先: [ Editor ]"));
        QCOMPARE(Find<TShape>(Find<QWidget>(w, "CoolBar1"), "Shape1")->Brush(), QColor(Qt::red));

        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("ça");
        QTest::keyClick(w, Qt::Key_F9);
        QCOMPARE(Find<QTimer>(w, "PasteTimer")->interval(), 300);
        QTRY_COMPARE(*pastes_, 1);
        QVERIFY(!Find<QTimer>(w, "PasteTimer")->isActive());

        Find<QCheckBox>(w, "CheckBox1")->setChecked(false);  // automatic paste off forgets the target at once
        QCOMPARE(Find<TShape>(Find<QWidget>(w, "CoolBar1"), "Shape1")->Brush(), QColor(Qt::white));
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillmaren"));
        QTest::keyClick(w, Qt::Key_F9);
        QVERIFY(!Find<QTimer>(w, "PasteTimer")->isActive());
        QCOMPARE(ClipboardText(), QStringLiteral("ça"));
    }

    void desktopWithoutPasteIsExplainedOnce()
    {
        TMainFrm *w = Start("TransMode,3\r\n");
        QVERIFY(w);
        w->transfer().SetWindowSystem(std::make_unique<platform::NullWindowSystem>());
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("x");
        w->transfer().TransferExecute();
        w->transfer().TransferExecute();
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages[0].contains(QStringLiteral("自動貼り付け")));
        QCOMPARE(ClipboardText(), QStringLiteral("x"));
    }
};

QTEST_MAIN(tst_Transfer)
#include "tst_Transfer.moc"
