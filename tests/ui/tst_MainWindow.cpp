#include "mainwindow/CategoryPanel.h"
#include "mainwindow/FlagPictures.h"
#include "mainwindow/FontLists.h"
#include "pads/TQuillmaren5.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

class tst_MainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;

    /// Opens the word-book page's pad panel and runs its slide to the end.
    void OpenPadPanel(TMainFrm *w)
    {
        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        QTest::mouseClick(w->SpeedButton16, Qt::LeftButton);
        QTRY_VERIFY(w->padPanel().Open());
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f_.reset(); }

    void menusAndActions()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QStringList menus;
        for (QAction *action : w->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"ファイル(&F)", "編集(&E)", "転送モード(&M)", "単語帳(&W)", "ツール(&T)",
                                     "設定(&S)", "ヘルプ(&H)"}));
        const struct {
            QAction *action;
            QKeySequence key;
        } keys[] = {{w->Exit1, Qt::Key_F1}, {w->AllClear, Qt::Key_F2}, {w->PDisp, Qt::Key_F3},
                    {w->RegWord, Qt::Key_F4}, {w->ModWord, Qt::Key_F5}, {w->Search, Qt::Key_F6},
                    {w->Transfer, Qt::Key_F9}, {w->EditCut1, QKeySequence(Qt::CTRL | Qt::Key_T)}};
        for (const auto &k : keys)
            QCOMPARE(k.action->shortcut(), k.key);
        // Without an open book the word commands are off; 発音 works only on the word-book page.
        for (QAction *off : {w->ChangeProp, w->DelWB, w->CloseWB, w->RegWord, w->MoveWord, w->DelWord, w->ModWord})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        QVERIFY(!w->PDisp->isEnabled());
        QVERIFY(!w->SpeedButton16->isEnabled());
        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        QVERIFY(w->PDisp->isEnabled());
        QVERIFY(w->SpeedButton16->isEnabled());

        QCOMPARE(w->CoolBar1->height(), 58);
        QCOMPARE(w->CategoryPanelGroup1->width(), 165);
        QCOMPARE(w->PageControl1->height(), 289);
        QCOMPARE(w->Edit2->text(), QStringLiteral("リッチテキスト"));
        QVERIFY(w->Label28->isHidden());
    }

    void invalidTransferModeShowsRichTextWithoutCheckMark()
    {
        f_->WriteParameters("TransMode,5\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(w->Edit2->text(), QStringLiteral("リッチテキスト"));
        emit w->M1->aboutToShow();
        for (QAction *item : w->TransferModeItems)
            QVERIFY(!item->isChecked());
        w->TransferModeItems[7]->trigger();  // 発音記号　ユニコードテキスト
        QCOMPARE(w->settings().TransMode, 13);
        QCOMPARE(w->Edit2->text(), QStringLiteral("ユニコード"));
        QVERIFY(!w->Label28->isHidden());
    }

    void languageSwitchAndFlagCycling()
    {
        f_->WriteParameters("RecFlagNumber,1\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(w->language().FlagIndex, 1);
        QCOMPARE(w->Label23->text(), QStringLiteral("英　語"));
        QCOMPARE(w->SpeedButton15->text(), QStringLiteral("<"));

        w->LanguageRadios[3]->setChecked(true);  // Spanish
        QTest::mouseClick(w->SpeedButton14, Qt::LeftButton);
        QCOMPARE(w->settings().InpMode, 3);
        QCOMPARE(w->language().FlagIndex, 6);
        QCOMPARE(w->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), FlagPicture(6));
        QCOMPARE(w->Label23->text(), QStringLiteral("スペイン語"));
        QCOMPARE(w->RadioButton1->text(), QStringLiteral("西日"));
        QCOMPARE(w->RadioButton2->text(), QStringLiteral("日西"));
        QCOMPARE(w->paths().BookAFolder, f_->home->documentsFolder() + "/Spanish/bookA");
        QVERIFY(w->CategoryPanels[0]->Collapsed());
        QCOMPARE(QApplication::focusWidget(), w->Memo1);

        QList<int> shown;
        for (int click = 0; click < 6; ++click) {
            QTest::mouseClick(w->SpeedButton15, Qt::LeftButton);
            shown << w->language().FlagIndex;
        }
        QCOMPARE(shown, (QList<int>{7, 8, 9, 10, 9, 8}));

        w->LanguageRadios[0]->setChecked(true);
        QTest::mouseClick(w->SpeedButton14, Qt::LeftButton);
        QCOMPARE(w->language().FlagIndex, 1);
        w->close();
        QVERIFY(QFile(f_->home->dataFolder() + "/Sys/Quillo.rng").open(QIODevice::ReadOnly));
    }

    void flagPicturesAreDistinct()
    {
        QSet<QByteArray> pictures;
        for (int i = 0; i < FlagCount; ++i) {
            const QImage image = FlagPicture(i);
            QCOMPARE(image.size(), QSize(48, 32));
            pictures.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), FlagCount);
        QVERIFY(FlagPicture(16).isNull());
    }

    void sizeSelectorsTakeOnlyTheirRange()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        for (const char *refused : {"7", "201", "abc"}) {
            w->ComboBox3->setEditText(QString::fromLatin1(refused));
            QCOMPARE(w->settings().MainFontSize, 20);
        }
        w->ComboBox3->setEditText("8");
        QCOMPARE(w->settings().MainFontSize, 8);
        QCOMPARE(w->Memo1->font().pointSize(), 8);
        QCOMPARE(w->richBuffers().RichBuffer.pointSize, 8);

        w->ComboBox7->setEditText("41");
        QCOMPARE(w->settings().IPAFontSize, 16);
        w->ComboBox7->setEditText("30");
        QCOMPARE(w->settings().IPAFontSize, 30);
        QCOMPARE(w->Edit1->font().pointSize(), 30);

        // Separate transfer sizes: the buffers follow them only while chosen.
        QVERIFY(!w->ComboBox5->isEnabled());
        w->CheckBox7->setChecked(true);
        QVERIFY(w->ComboBox5->isEnabled());
        w->ComboBox5->setEditText("44");
        QCOMPARE(w->richBuffers().RichBuffer.pointSize, 44);
        w->CheckBox7->setChecked(false);
        QCOMPARE(w->settings().TransMainFSize, 8);
        QCOMPARE(w->richBuffers().RichBuffer.pointSize, 8);
        QCOMPARE(w->richBuffers().RichBuffer2.pointSize, 30);
    }

    void fontSelectors()
    {
        f_->WriteParameters("MainFont,\"No Such Font Anywhere\"\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(w->ComboBox2->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(w->settings().MainFont, QStringLiteral("No Such Font Anywhere"));
        QCOMPARE(w->Memo1->font().family(), QStringLiteral("No Such Font Anywhere"));
        QVERIFY(w->ComboBox2->count() > 0);
        w->ComboBox2->setEditText(w->ComboBox2->itemText(0));
        QCOMPARE(w->settings().MainFont, w->ComboBox2->itemText(0));
        QCOMPARE(w->richBuffers().RichBuffer.fontName, w->ComboBox2->itemText(0));

        QCOMPARE(FilterFontFamilies({"b", "@MS Gothic", "$Special", "A", "b"}), (QStringList{"A", "b"}));
    }

    void kanaOptionChangesTheSecondField()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->Edit1->setText("abc");
        w->CheckBox10->setChecked(true);
        QVERIFY(w->settings().KanaFlg);
        QVERIFY(w->Edit1->text().isEmpty());
        QCOMPARE(w->Edit1->palette().color(QPalette::Base), w->palette().color(QPalette::ToolTipBase));
        w->CheckBox10->setChecked(false);
        QCOMPARE(w->Edit1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(w->Edit1->font().family(), QStringLiteral("Segoe UI"));
    }

    void secondFieldAndAllClear()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        QTest::keyClick(w, Qt::Key_F3);
        QVERIFY(w->settings().PFlg);
        QVERIFY(w->Edit1->isVisible());
        QVERIFY(!w->TextModified());
        w->Edit1->setText("ɡoʊ");
        w->Memo1->setPlainText("go");
        QVERIFY(w->TextModified());
        QTest::keyClick(w, Qt::Key_F2);
        QVERIFY(w->Memo1->toPlainText().isEmpty());
        QVERIFY(w->Edit1->text().isEmpty());
    }

    void leavingTheWordBookPageClosesEverything()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        OpenPadPanel(w);
        w->PDisp->trigger();
        QVERIFY(w->Edit1->isVisible());
        QVERIFY(w->Quillmaren5());
        QCOMPARE(w->Panel4->height(), 200);
        QVERIFY(w->findChild<TQuillmaren5 *>());

        w->PageControl1->setCurrentIndex(TMainFrm::EuropeanInputPage);
        QVERIFY(!w->Edit1->isVisible());
        QVERIFY(!w->settings().PFlg);
        QVERIFY(!w->SpeedButton16->isChecked());
        QVERIFY(!w->Quillmaren5());
        QVERIFY(!w->Panel4->isVisible());
        QTRY_VERIFY(!w->padPanel().Open());
        QVERIFY(!w->findChild<TQuillmaren5 *>());
    }

    void padPanelPageFollowsTheFocus()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        w->PDisp->trigger();
        OpenPadPanel(w);
        w->Edit1->setFocus();
        QCOMPARE(w->PageControl3->currentWidget(), w->TabSheet7);
        w->Memo1->setFocus();
        QCOMPARE(w->PageControl3->currentWidget(), w->TabSheet6);
        // Releasing PAD表示 releases the pad at once, before the panel has closed.
        QTest::mouseClick(w->SpeedButton16, Qt::LeftButton);
        QVERIFY(!w->Quillmaren5());
        QTRY_COMPARE(w->Panel4->height(), 1);
    }

    void currentLanguagePanelStretches()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        CategoryPanel *current = w->CategoryPanels[6];
        const int header = current->HeaderHeight();
        QTRY_COMPARE(current->height(), w->Memo1->height() - 7 * header - 11 + header);
        w->CategoryPanels[1]->Expand();
        QTRY_VERIFY(current->height() < w->Memo1->height() - 7 * header - 11 + header);
    }

    void stretchDownGivesTheExtraHeightToThePages()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->CheckBox6->setChecked(true);
        QVERIFY(w->CategoryPanels[2]->Collapsed());
        w->resize(w->width(), w->height() + 100);
        QTRY_COMPARE(w->PageControl1->height(), 389);
        // Changing pages brings the pages back to their standard height and 下伸び off.
        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        QTRY_COMPARE(w->PageControl1->height(), 289);
        QVERIFY(!w->StretchDown());
        QVERIFY(!w->CheckBox6->isChecked());
    }

    void editCommandsActOnTheFocusedField()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->Memo1->setPlainText("hello");
        w->Memo1->setFocus();
        w->EditSelectAll1->trigger();
        QTest::keyClick(w->Memo1, Qt::Key_T, Qt::ControlModifier);  // cut is Ctrl+T here
        QVERIFY(w->Memo1->toPlainText().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
        w->EditUndo1->trigger();
        QCOMPARE(w->Memo1->toPlainText(), QStringLiteral("hello"));

        w->PageControl1->setCurrentIndex(TMainFrm::WordBookPage);
        w->PDisp->trigger();
        w->Edit1->setText("ab");
        w->Edit1->setFocus();
        w->Edit1->setSelection(0, 1);
        w->EditDelete1->trigger();
        QCOMPARE(w->Edit1->text(), QStringLiteral("b"));
        w->EditPaste1->trigger();
        QCOMPARE(w->Edit1->text(), QStringLiteral("hellob"));
    }

    void trainingPageReportsTheWindowSize()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->PageControl1->setCurrentIndex(TMainFrm::TrainingPage);
        w->resize(900, 800);
        QTRY_COMPARE(w->StatusPanels[0]->text(), QStringLiteral("画面の幅・高さ(900,800)"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
