#include "dialogs/InstalledFonts.h"
#include "mainwindow/CategoryPanel.h"
#include "mainwindow/FlagPictures.h"
#include "mainwindow/FolderStatusLabel.h"
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
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

class tst_MainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;

    /// Opens the word-book page's pad panel and runs its slide to the end.
    void OpenPadPanel(TMainFrm *w)
    {
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(Find<PadPanel>(w, "Panel4")->IsOpen());
    }

    /// The eight transfer-mode items of the menu 転送モード, in menu order.
    static QList<QAction *> TransferModeItems(TMainFrm *w)
    {
        QList<QAction *> items = Find<QMenu>(w, "M1")->actions();
        items.removeIf([](QAction *a) { return a->isSeparator(); });
        return items;
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
        } keys[] = {{Find<QAction>(w, "Exit1"), Qt::Key_F1},
                    {Find<QAction>(w, "AllClear"), Qt::Key_F2},
                    {Find<QAction>(w, "PDisp"), Qt::Key_F3},
                    {Find<QAction>(w, "RegWord"), Qt::Key_F4},
                    {Find<QAction>(w, "ModWord"), Qt::Key_F5},
                    {Find<QAction>(w, "Search"), Qt::Key_F6},
                    {Find<QAction>(w, "Transfer"), Qt::Key_F9},
                    {Find<QAction>(w, "EditCut1"), QKeySequence(Qt::CTRL | Qt::Key_T)}};
        for (const auto &k : keys)
            QCOMPARE(k.action->shortcut(), k.key);
        // Without an open book the word commands are off; 発音 works only on the word-book page.
        for (QAction *off : {Find<QAction>(w, "ChangeProp"), Find<QAction>(w, "DelWB"), Find<QAction>(w, "CloseWB"),
                             Find<QAction>(w, "RegWord"), Find<QAction>(w, "MoveWord"), Find<QAction>(w, "DelWord"),
                             Find<QAction>(w, "ModWord")})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        QVERIFY(!Find<QAction>(w, "PDisp")->isEnabled());
        // No text file is open: nothing to save or close.
        QVERIFY(!Find<QAction>(w, "N28")->isEnabled());
        QVERIFY(!Find<QAction>(w, "N33")->isEnabled());
        QVERIFY(!Find<QToolButton>(w, "SpeedButton16")->isEnabled());
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QVERIFY(Find<QAction>(w, "PDisp")->isEnabled());
        QVERIFY(Find<QToolButton>(w, "SpeedButton16")->isEnabled());

        QCOMPARE(Find<QWidget>(w, "CoolBar1")->height(), 58);
        QCOMPARE(Find<QScrollArea>(w, "CategoryPanelGroup1")->width(), 165);
        QCOMPARE(Find<QTabWidget>(w, "PageControl1")->height(), 289);
        QCOMPARE(Find<QLineEdit>(w, "Edit2")->text(), QStringLiteral("リッチテキスト"));
        QVERIFY(Find<QLabel>(w, "Label28")->isHidden());
    }

    void invalidTransferModeIsTheDefault()
    {
        // A hand-edited mode outside the eight is the standard mode: shown, checked and used.
        f_->WriteParameters("TransMode,5\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(w->settings().TransMode, 0);
        QCOMPARE(Find<QLineEdit>(w, "Edit2")->text(), QStringLiteral("リッチテキスト"));
        emit Find<QMenu>(w, "M1")->aboutToShow();
        for (QAction *item : TransferModeItems(w))
            QCOMPARE(item->isChecked(), item->objectName() == QLatin1String("N22"));
        TransferModeItems(w)[7]->trigger();  // 発音記号　ユニコードテキスト
        QCOMPARE(w->settings().TransMode, 13);
        QCOMPARE(Find<QLineEdit>(w, "Edit2")->text(), QStringLiteral("ユニコード"));
        QVERIFY(!Find<QLabel>(w, "Label28")->isHidden());
    }

    void languageSwitchAndFlagCycling()
    {
        f_->WriteParameters("RecFlagNumber,1\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(w->language().FlagIndex, 1);
        QCOMPARE(Find<QLabel>(w, "Label23")->text(), QStringLiteral("英　語"));
        QCOMPARE(Find<QToolButton>(w, "SpeedButton15")->text(), QStringLiteral("<"));

        QStringList captions;
        for (int i = 3; i <= 8; ++i)
            captions << Find<QRadioButton>(w, QStringLiteral("RadioButton%1").arg(i))->text();
        QCOMPARE(captions, (QStringList{"英語", "イタリア語", "フランス語", "スペイン語", "ポルトガル語", "ドイツ語"}));
        Find<QRadioButton>(w, "RadioButton6")->setChecked(true);  // Spanish
        QTest::mouseClick(Find<QToolButton>(w, "SpeedButton14"), Qt::LeftButton);
        QCOMPARE(w->settings().InpMode, 3);
        QCOMPARE(w->language().FlagIndex, 6);
        QCOMPARE(Find<QLabel>(w, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 FlagPicture(6));
        QCOMPARE(Find<QLabel>(w, "Label23")->text(), QStringLiteral("スペイン語"));
        QCOMPARE(Find<QRadioButton>(w, "RadioButton1")->text(), QStringLiteral("西日"));
        QCOMPARE(Find<QRadioButton>(w, "RadioButton2")->text(), QStringLiteral("日西"));
        QCOMPARE(w->paths().BookAFolder, f_->home->documentsFolder() + "/Spanish/bookA");
        QVERIFY(Find<CategoryPanel>(w, "CategoryPanel1")->Collapsed());
        QCOMPARE(QApplication::focusWidget(), Find<QPlainTextEdit>(w, "Memo1"));

        QList<int> shown;
        for (int click = 0; click < 6; ++click) {
            QTest::mouseClick(Find<QToolButton>(w, "SpeedButton15"), Qt::LeftButton);
            shown << w->language().FlagIndex;
        }
        QCOMPARE(shown, (QList<int>{7, 8, 9, 10, 9, 8}));

        Find<QRadioButton>(w, "RadioButton3")->setChecked(true);
        QTest::mouseClick(Find<QToolButton>(w, "SpeedButton14"), Qt::LeftButton);
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
            Find<QComboBox>(w, "ComboBox3")->setEditText(QString::fromLatin1(refused));
            QCOMPARE(w->settings().MainFontSize, 20);
        }
        Find<QComboBox>(w, "ComboBox3")->setEditText("8");
        QCOMPARE(w->settings().MainFontSize, 8);
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->font().pointSize(), 8);
        QCOMPARE(w->transferOptions().Buffers().RichBuffer.pointSize, 8);

        Find<QComboBox>(w, "ComboBox7")->setEditText("41");
        QCOMPARE(w->settings().IPAFontSize, 16);
        Find<QComboBox>(w, "ComboBox7")->setEditText("30");
        QCOMPARE(w->settings().IPAFontSize, 30);
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->font().pointSize(), 30);

        // Separate transfer sizes: the buffers follow them only while chosen.
        QVERIFY(!Find<QComboBox>(w, "ComboBox5")->isEnabled());
        Find<QCheckBox>(w, "CheckBox7")->setChecked(true);
        QVERIFY(Find<QComboBox>(w, "ComboBox5")->isEnabled());
        Find<QComboBox>(w, "ComboBox5")->setEditText("44");
        QCOMPARE(w->transferOptions().Buffers().RichBuffer.pointSize, 44);
        Find<QCheckBox>(w, "CheckBox7")->setChecked(false);
        QCOMPARE(w->settings().TransMainFSize, 8);
        QCOMPARE(w->transferOptions().Buffers().RichBuffer.pointSize, 8);
        QCOMPARE(w->transferOptions().Buffers().RichBuffer2.pointSize, 30);
    }

    void fontSelectors()
    {
        f_->WriteParameters("MainFont,\"No Such Font Anywhere\"\r\n");
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        QCOMPARE(Find<QComboBox>(w, "ComboBox2")->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(w->settings().MainFont, QStringLiteral("No Such Font Anywhere"));
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->font().family(),
                 InstalledFamily(QStringLiteral("No Such Font Anywhere")));
        QVERIFY(Find<QComboBox>(w, "ComboBox2")->count() > 0);
        Find<QComboBox>(w, "ComboBox2")->setEditText(Find<QComboBox>(w, "ComboBox2")->itemText(0));
        QCOMPARE(w->settings().MainFont, Find<QComboBox>(w, "ComboBox2")->itemText(0));
        QCOMPARE(w->transferOptions().Buffers().RichBuffer.fontName, Find<QComboBox>(w, "ComboBox2")->itemText(0));

        QCOMPARE(FilterFontFamilies({"b", "@MS Gothic", "$Special", "A", "b"}), (QStringList{"A", "b"}));
        // One entry per family, whatever foundries provide it.
        QCOMPARE(FilterFontFamilies({"C059 [urw]", "C059 [UKWN]", "Noto Sans"}), (QStringList{"C059", "Noto Sans"}));
    }

    void sidePanelNeverScrollsWithNothingToScroll()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        Find<QAction>(w, "PDisp")->trigger();  // the second field shown above the input area
        auto *group = Find<QScrollArea>(w, "CategoryPanelGroup1");
        QTRY_VERIFY(Find<QLineEdit>(w, "Edit1")->isVisible());
        QTest::qWait(50);
        QVERIFY(!group->verticalScrollBar()->isVisible());
    }

    void folderNamesFollowTheDictionaryOption()
    {
        // The side panel only changes the setting; both pages follow it through the store.
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        auto *grammar = Find<QToolButton>(w, "SpeedButton11");
        auto *step = Find<QLabel>(w, "Label14");
        QCOMPARE(grammar->text(), QStringLiteral("文法\nﾌｫﾙﾀﾞ"));
        QVERIFY(step->text().contains(QStringLiteral("[文法]")));
        Find<QCheckBox>(w, "CheckBox12")->setChecked(true);
        QVERIFY(w->settings().DicNameFlg);
        QCOMPARE(grammar->text(), QStringLiteral("辞書\nﾌｫﾙﾀﾞ"));
        QVERIFY(step->text().contains(QStringLiteral("[辞書]")));
        w->settingsStore().Change([](Settings &s) { s.DicNameFlg = false; });
        QCOMPARE(grammar->text(), QStringLiteral("文法\nﾌｫﾙﾀﾞ"));
        QVERIFY(step->text().contains(QStringLiteral("[文法]")));
    }

    void kanaOptionChangesTheSecondField()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QLineEdit>(w, "Edit1")->setText("abc");
        Find<QCheckBox>(w, "CheckBox10")->setChecked(true);
        QVERIFY(w->settings().KanaFlg);
        QVERIFY(Find<QLineEdit>(w, "Edit1")->text().isEmpty());
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->palette().color(QPalette::Base),
                 w->palette().color(QPalette::ToolTipBase));
        Find<QCheckBox>(w, "CheckBox10")->setChecked(false);
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->font().family(), InstalledFamily(QStringLiteral("Segoe UI")));
    }

    void secondFieldAndAllClear()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::keyClick(w, Qt::Key_F3);
        QVERIFY(w->settings().PFlg);
        QVERIFY(Find<QLineEdit>(w, "Edit1")->isVisible());
        QVERIFY(!w->TextModified());
        Find<QLineEdit>(w, "Edit1")->setText("ɡoʊ");
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("go");
        QVERIFY(w->TextModified());
        QTest::keyClick(w, Qt::Key_F2);
        QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
        QVERIFY(Find<QLineEdit>(w, "Edit1")->text().isEmpty());
    }

    void leavingTheWordBookPageClosesEverything()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        OpenPadPanel(w);
        Find<QAction>(w, "PDisp")->trigger();
        QVERIFY(Find<QLineEdit>(w, "Edit1")->isVisible());
        QVERIFY(FindPad<TQuillmaren5>(w));
        QCOMPARE(Find<PadPanel>(w, "Panel4")->height(), 200);
        QVERIFY(w->findChild<TQuillmaren5 *>());

        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::EuropeanInput);
        QVERIFY(!Find<QLineEdit>(w, "Edit1")->isVisible());
        QVERIFY(!w->settings().PFlg);
        QVERIFY(!Find<QToolButton>(w, "SpeedButton16")->isChecked());
        QVERIFY(!FindPad<TQuillmaren5>(w));
        QVERIFY(!Find<PadPanel>(w, "Panel4")->isVisible());
        QTRY_VERIFY(!Find<PadPanel>(w, "Panel4")->IsOpen());
        QVERIFY(!w->findChild<TQuillmaren5 *>());
    }

    void padPanelPageFollowsTheFocus()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        Find<QAction>(w, "PDisp")->trigger();
        OpenPadPanel(w);
        Find<QLineEdit>(w, "Edit1")->setFocus();
        QCOMPARE(Find<QTabWidget>(w, "PageControl3")->currentWidget(), Find<QWidget>(w, "TabSheet7"));
        Find<QPlainTextEdit>(w, "Memo1")->setFocus();
        QCOMPARE(Find<QTabWidget>(w, "PageControl3")->currentWidget(), Find<QWidget>(w, "TabSheet6"));
        // Releasing PAD表示 releases the pad at once, before the panel has closed.
        QTest::mouseClick(Find<QToolButton>(w, "SpeedButton16"), Qt::LeftButton);
        QVERIFY(!FindPad<TQuillmaren5>(w));
        QTRY_COMPARE(Find<PadPanel>(w, "Panel4")->height(), 1);
    }

    void currentLanguagePanelStretches()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        CategoryPanel *current = Find<CategoryPanel>(w, "CategoryPanel7");
        const int header = current->HeaderHeight();
        QTRY_COMPARE(current->height(), Find<QPlainTextEdit>(w, "Memo1")->height() - 7 * header - 11 + header);
        Find<CategoryPanel>(w, "CategoryPanel2")->Expand();
        QTRY_VERIFY(current->height() < Find<QPlainTextEdit>(w, "Memo1")->height() - 7 * header - 11 + header);
    }

    void stretchDownGivesTheExtraHeightToThePages()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QCheckBox>(w, "CheckBox6")->setChecked(true);
        QVERIFY(Find<CategoryPanel>(w, "CategoryPanel3")->Collapsed());
        w->resize(w->width(), w->height() + 100);
        QTRY_COMPARE(Find<QTabWidget>(w, "PageControl1")->height(), 389);
        // Changing pages brings the pages back to their standard height and 下伸び off.
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTRY_COMPARE(Find<QTabWidget>(w, "PageControl1")->height(), 289);
        QVERIFY(!w->StretchDown());
        QVERIFY(!Find<QCheckBox>(w, "CheckBox6")->isChecked());
    }

    void editCommandsActOnTheFocusedField()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QPlainTextEdit>(w, "Memo1")->setPlainText("hello");
        Find<QPlainTextEdit>(w, "Memo1")->setFocus();
        Find<QAction>(w, "EditSelectAll1")->trigger();
        QTest::keyClick(Find<QPlainTextEdit>(w, "Memo1"), Qt::Key_T, Qt::ControlModifier);  // cut is Ctrl+T here
        QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
        Find<QAction>(w, "EditUndo1")->trigger();
        QCOMPARE(Find<QPlainTextEdit>(w, "Memo1")->toPlainText(), QStringLiteral("hello"));

        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        Find<QAction>(w, "PDisp")->trigger();
        Find<QLineEdit>(w, "Edit1")->setText("ab");
        Find<QLineEdit>(w, "Edit1")->setFocus();
        Find<QLineEdit>(w, "Edit1")->setSelection(0, 1);
        Find<QAction>(w, "EditDelete1")->trigger();
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->text(), QStringLiteral("b"));
        Find<QAction>(w, "EditPaste1")->trigger();
        QCOMPARE(Find<QLineEdit>(w, "Edit1")->text(), QStringLiteral("hellob"));
    }

    void trainingPageReportsTheWindowSize()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::Training);
        w->resize(900, 800);
        auto *panel = Find<QLabel>(w, "StatusPanel0");
        QTRY_COMPARE(panel->text(), QStringLiteral("画面の幅・高さ(900,800)"));
        w->resize(1000, 900);  // four digits still fit
        QTRY_COMPARE(panel->text(), QStringLiteral("画面の幅・高さ(1000,900)"));
        QVERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    }

    void folderPanelShowsFolderAndTotalWhenTheWindowIsWide()
    {
        TMainFrm *w = f_->Start();
        QVERIFY(w);
        w->resize(1400, 730);
        QTRY_COMPARE(w->width(), 1400);
        auto *panel = Find<QLabel>(w, "StatusPanel1");
        QVERIFY(panel->text().startsWith(QStringLiteral("●単語帳ﾌｫﾙﾀﾞ：")));
        QVERIFY(panel->text().contains(QStringLiteral("…[")));
        QTRY_VERIFY2(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
                     qPrintable(QString::number(panel->width())));
        // At the narrowest window the total still shows.
        w->resize(740, 730);
        QTRY_VERIFY(static_cast<FolderStatusLabel *>(panel)->ShownText().endsWith(panel->text().section(u'…', -1)));
    }

    void folderPanelShortensThePathBeforeTheTotal_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("ellipses");  ///< 0: the whole text; 2: the path's and the total's
        QTest::addRow("room for all") << 2000 << 1;
        QTest::addRow("the path's middle goes") << 300 << 2;
        QTest::addRow("only the total") << 60 << 1;
    }
    void folderPanelShortensThePathBeforeTheTotal()
    {
        QFETCH(int, width);
        const QString whole =
            QStringLiteral("●単語帳ﾌｫﾙﾀﾞ：/home/ユーザー/Documents/Bertovan/Quillmaren/German/bookA…[1234]");
        FolderStatusLabel panel(nullptr);
        panel.setText(whole);
        panel.resize(width, 20);
        const QString shown = panel.ShownText();
        QVERIFY2(panel.fontMetrics().horizontalAdvance(shown) <= width, qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("…[1234]")), qPrintable(shown));
        QTEST(int(shown.count(u'…')), "ellipses");
        if (width >= 2000)
            QCOMPARE(shown, whole);
        if (width == 300)
            QVERIFY2(shown.startsWith(QStringLiteral("●単語帳ﾌｫﾙﾀﾞ：/ho")), qPrintable(shown));
        QVERIFY(panel.minimumSizeHint().width() < panel.sizeHint().width());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
