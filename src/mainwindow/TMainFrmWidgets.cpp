// Construction of the main window's own widgets, one area at a time: actions, menus, the
// toolbar, the input area and the page control. Behaviour lives in TMainFrm.cpp.
#include "mainwindow/PageSheet.h"
#include "mainwindow/TMainFrm.h"

#include "dialogs/MessageSeam.h"
#include "mainwindow/InputArea.h"
#include "mainwindow/InputPage.h"
#include "mainwindow/OptionSidePanel.h"
#include "mainwindow/PadPanel.h"
#include "mainwindow/TextFileCommands.h"
#include "pads/TShape.h"
#include "training/TrainingPage.h"
#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QAction *MakeAction(QObject *parent, const char *name, const QString &caption, const QKeySequence &key = {})
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

/// A toolbar button that runs an action and follows its enabled and checked state, with a
/// caption of its own (two lines: the name and the function key).
QToolButton *ActionButton(QWidget *parent, QAction *action, const QString &caption)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("Btn") + action->objectName());
    button->setText(caption);
    button->setFixedSize(46, 46);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(action->isCheckable());
    QObject::connect(button, &QToolButton::clicked, action, [action] {
        if (action->isEnabled())
            action->trigger();
    });
    auto sync = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setChecked(action->isChecked());
    };
    QObject::connect(action, &QAction::changed, button, sync);
    sync();
    return button;
}

}  // namespace

void TMainFrm::BuildActions()
{
    Exit1 = MakeAction(this, "Exit1", QStringLiteral("終了"), QKeySequence(Qt::Key_F1));
    AllClear = MakeAction(this, "AllClear", QStringLiteral("ｸﾘｱ"), QKeySequence(Qt::Key_F2));
    PDisp = MakeAction(this, "PDisp", QStringLiteral("発音"), QKeySequence(Qt::Key_F3));
    PDisp->setCheckable(true);
    RegWord = MakeAction(this, "RegWord", QStringLiteral("単語の登録"), QKeySequence(Qt::Key_F4));
    ModWord = MakeAction(this, "ModWord", QStringLiteral("単語の編集"), QKeySequence(Qt::Key_F5));
    Search = MakeAction(this, "Search", QStringLiteral("単語帳検索"), QKeySequence(Qt::Key_F6));
    Transfer = MakeAction(this, "Transfer", QStringLiteral("転送"), QKeySequence(Qt::Key_F9));
    ResCall = MakeAction(this, "ResCall", QStringLiteral("結果編集"), QKeySequence(Qt::Key_F8));
    NewWordBook = MakeAction(this, "NewWordBook", QStringLiteral("新規作成"));
    ChangeProp = MakeAction(this, "ChangeProp", QStringLiteral("単語帳のプロパティ変更"));
    DelWB = MakeAction(this, "DelWB", QStringLiteral("単語帳の削除"));
    CloseWB = MakeAction(this, "CloseWB", QStringLiteral("単語帳を閉じる"));
    MoveWord = MakeAction(this, "MoveWord", QStringLiteral("単語の移動"));
    DelWord = MakeAction(this, "DelWord", QStringLiteral("単語の削除"));
    InitWB = MakeAction(this, "InitWB", QStringLiteral("単語帳の初期化"));
    OpenWB = MakeAction(this, "OpenWB", QStringLiteral("単語帳を開く"));
    N501 = MakeAction(this, "N501", QStringLiteral("bookGフォルダに空の辞書ファイルを一括生成する（確認あり）"));
    bookG1 =
        MakeAction(this, "bookG1", QStringLiteral("bookGフォルダに空の英語の文法ファイルを一括生成する（確認あり）"));
    ExportText = MakeAction(this, "ExportText", QStringLiteral("テキスト(TSV/CSV)に書き出す"));
    ImportText = MakeAction(this, "ImportText", QStringLiteral("テキスト(TSV/CSV)から取り込む"));
    ShowLearning = MakeAction(this, "ShowLearning", QStringLiteral("学習の記録"));
    UndoWord = MakeAction(this, "UndoWord", QStringLiteral("元に戻す"));
    RedoWord = MakeAction(this, "RedoWord", QStringLiteral("やり直し"));

    N27 = MakeAction(this, "N27", QStringLiteral("開く"));
    N28 = MakeAction(this, "N28", QStringLiteral("上書き保存"));
    N29 = MakeAction(this, "N29", QStringLiteral("名前を付けて保存"));
    N33 = MakeAction(this, "N33", QStringLiteral("閉じる"));
    N31 = MakeAction(this, "N31", QStringLiteral("終了"));

    EditUndo1 = MakeAction(this, "EditUndo1", QStringLiteral("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EditCut1 = MakeAction(this, "EditCut1", QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T));
    EditCopy1 = MakeAction(this, "EditCopy1", QStringLiteral("コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    EditPaste1 = MakeAction(this, "EditPaste1", QStringLiteral("貼り付け(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));
    EditDelete1 = MakeAction(this, "EditDelete1", QStringLiteral("削除(&D)"));
    EditSelectAll1 =
        MakeAction(this, "EditSelectAll1", QStringLiteral("すべてを選択(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A));
    EditUndo1->setStatusTip(QStringLiteral("元に戻す|直前の操作を取り消す"));
    EditCut1->setStatusTip(QStringLiteral("切り取り|選択部分を切り取り、クリップボードに送る"));
    EditCopy1->setStatusTip(QStringLiteral("コピー|選択部分をコピーし、クリップボードに送る"));
    EditPaste1->setStatusTip(QStringLiteral("貼り付け|クリップボードの内容を貼り付ける"));
    EditDelete1->setStatusTip(QStringLiteral("削除|選択部分を削除する"));
    EditSelectAll1->setStatusTip(QStringLiteral("すべてを選択|すべての文字を選択する"));
    N34 = MakeAction(this, "N34", QStringLiteral("縦と横の両方にスクロールバーを表示する"));
    N34->setCheckable(true);

    const struct {
        const char *name;
        const char *caption;
        int mode;
    } modes[] = {
        {"N22", "標準転送モード（リッチテキスト）", 0},
        {"N161", "16進数値文字参照", 1},
        {"N101", "10進数値文字参照", 2},
        {"N23", "ユニコードテキスト", 3},
        {"N25", "発音記号　リッチテキスト", 10},
        {"N162", "発音記号　16進数値文字参照", 11},
        {"N102", "発音記号　10進数値文字参照", 12},
        {"N26", "発音記号　ユニコードテキスト", 13},
    };
    for (std::size_t i = 0; i < TransferModeItems.size(); ++i) {
        QAction *item = MakeAction(this, modes[i].name, QString::fromUtf8(modes[i].caption));
        item->setCheckable(true);
        item->setData(modes[i].mode);
        TransferModeItems[i] = item;
    }

    N36 = MakeAction(this, "N36", QStringLiteral("文字数カウンター"));
    N37 = MakeAction(this, "N37", QStringLiteral("コード値チェッカー　発音記号　（先頭9文字）"));
    N38 = MakeAction(this, "N38", QStringLiteral("コード値チェッカー　欧文　（先頭9文字）"));
    O1 = MakeAction(this, "O1", QStringLiteral("設定(&S)"));
    N20 = MakeAction(this, "N20", QStringLiteral("ヘルプ（pdf readerが必要です）"));
    N21 = MakeAction(this, "N21", QStringLiteral("バージョン情報"));
    addActions({Exit1, AllClear, PDisp, RegWord, ModWord, Search, Transfer, ResCall});
}

void TMainFrm::BuildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *file = Named(bar->addMenu(QStringLiteral("ファイル(&F)")), "F1");
    file->addActions({N27, N28, N29, N33});
    file->addSeparator();
    file->addAction(N31);

    QMenu *edit = Named(bar->addMenu(QStringLiteral("編集(&E)")), "E1");
    edit->addAction(EditUndo1);
    edit->addSeparator();
    edit->addActions({EditCut1, EditCopy1, EditPaste1, EditDelete1, EditSelectAll1});
    edit->addSeparator();
    edit->addAction(N34);

    M1 = Named(bar->addMenu(QStringLiteral("転送モード(&M)")), "M1");
    for (std::size_t i = 0; i < TransferModeItems.size(); ++i) {
        if (i == 4)
            M1->addSeparator()->setObjectName(QStringLiteral("N24"));
        M1->addAction(TransferModeItems[i]);
    }

    QMenu *books = Named(bar->addMenu(QStringLiteral("単語帳(&W)")), "W1");
    books->addActions({NewWordBook, ChangeProp, DelWB, CloseWB});
    books->addSeparator();
    books->addActions({RegWord, ModWord, MoveWord, DelWord});
    books->addSeparator();
    books->addActions({UndoWord, RedoWord});
    books->addSeparator();
    books->addAction(N501);
    books->addSeparator();
    books->addAction(bookG1);
    books->addSeparator();
    books->addAction(Search);
    books->addAction(ShowLearning);
    books->addSeparator();
    books->addActions({ExportText, ImportText});

    QMenu *tools = Named(bar->addMenu(QStringLiteral("ツール(&T)")), "T1");
    tools->addActions({N36, N37, N38});
    bar->addAction(O1);
    QMenu *help = Named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "H1");
    help->addActions({N20, N21});
}

void TMainFrm::BuildToolbar()
{
    CoolBar1 = Named(new QWidget(this), "CoolBar1");
    CoolBar1->setFixedHeight(58);
    CoolBar1->setAutoFillBackground(true);
    QPalette palette = CoolBar1->palette();
    palette.setColor(QPalette::Window, QColor(211, 218, 237));
    CoolBar1->setPalette(palette);

    auto *row = new QHBoxLayout(CoolBar1);
    row->setContentsMargins(4, 5, 4, 5);
    row->setSpacing(3);
    row->addWidget(ActionButton(CoolBar1, Exit1, QStringLiteral("終了\nF1")));
    row->addWidget(ActionButton(CoolBar1, AllClear, QStringLiteral("ｸﾘｱ\nF2")));
    row->addWidget(ActionButton(CoolBar1, PDisp, QStringLiteral("発音\nF3")));
    CheckBox10 = Named(new QCheckBox(QStringLiteral("カナ"), CoolBar1), "CheckBox10");
    CheckBox10->setFocusPolicy(Qt::NoFocus);
    row->addWidget(CheckBox10);
    row->addWidget(ActionButton(CoolBar1, RegWord, QStringLiteral("登録\nF4")));
    row->addWidget(ActionButton(CoolBar1, ModWord, QStringLiteral("編集\nF5")));
    row->addWidget(ActionButton(CoolBar1, Search, QStringLiteral("検索\nF6")));

    auto *indicator = new QVBoxLayout;
    indicator->setSpacing(2);
    Shape1 = Named(new TShape(CoolBar1, TShape::Kind::Circle), "Shape1");
    Shape1->setFixedSize(14, 14);
    Shape1->SetPen(QColor(90, 90, 90), 1);
    CheckBox1 = Named(new QCheckBox(CoolBar1), "CheckBox1");
    CheckBox1->setFocusPolicy(Qt::NoFocus);
    indicator->addWidget(Shape1, 0, Qt::AlignHCenter);
    indicator->addWidget(CheckBox1, 0, Qt::AlignHCenter);
    row->addSpacing(4);
    row->addLayout(indicator);
    QToolButton *transferButton = ActionButton(CoolBar1, Transfer, QStringLiteral("転送\nF9"));
    transferButton->setObjectName(QStringLiteral("SpeedButton8"));
    row->addWidget(transferButton);

    auto *mode = new QGridLayout;
    mode->setSpacing(1);
    mode->addWidget(new QLabel(QStringLiteral("転送モード："), CoolBar1), 0, 0);
    Label28 = Named(new QLabel(QStringLiteral("発音"), CoolBar1), "Label28");
    mode->addWidget(Label28, 0, 1);
    Edit2 = Named(new QLineEdit(CoolBar1), "Edit2");
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::NoFocus);
    Edit2->setFixedWidth(110);
    mode->addWidget(Edit2, 1, 0, 1, 2);
    row->addSpacing(4);
    row->addLayout(mode);
    row->addStretch(1);

    ComboBox2 = Named(new QComboBox(CoolBar1), "ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setMaxVisibleItems(20);
    // At the window's smallest width the font name box gives way first, never over its arrow.
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2->setMinimumContentsLength(9);
    ComboBox3 = Named(new QComboBox(CoolBar1), "ComboBox3");
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    ComboBox3->setMaxVisibleItems(20);
    ComboBox3->setFixedWidth(58);
    row->addWidget(ComboBox2, 0, Qt::AlignVCenter);
    row->addWidget(ComboBox3, 0, Qt::AlignVCenter);
}

QWidget *TMainFrm::BuildUpperArea()
{
    auto *upper = Named(new QWidget, "Panel1");
    auto *row = new QHBoxLayout(upper);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    auto *fields = new QVBoxLayout;
    fields->setSpacing(1);
    inputArea_ = new InputArea(engine_, session_.Store(), upper, this);
    fields->addWidget(inputArea_->SecondField());
    fields->addWidget(inputArea_->Memo(), 1);

    padPanel_ = new PadPanel(
        engine_, session_.Store(), PhoneticPadContext(), inputArea_->Memo(), inputArea_->SecondField(),
        [this] { return wordBookPage_ && wordBookPage_->FillInBookOpen(); }, upper);
    fields->addWidget(padPanel_);
    row->addLayout(fields, 1);

    sidePanel_ = new OptionSidePanel(session_.Store(), transferOptions_, language_, upper);
    row->addWidget(sidePanel_);
    return upper;
}

void TMainFrm::BuildPages()
{
    PageControl1 = Named(new QTabWidget, "PageControl1");
    TabSheet1 = Named<QWidget>(new PageSheet, "TabSheet1");
    TabSheet2 = Named<QWidget>(new PageSheet, "TabSheet2");
    TabSheet3 = Named<QWidget>(new PageSheet, "TabSheet3");
    PageControl1->addTab(TabSheet1, QString());
    PageControl1->addTab(TabSheet2, QString());
    PageControl1->addTab(TabSheet3, QString());

    inputPage_ = new InputPage(engine_, session_.Store(), inputArea_->Memo(), TabSheet1);
    const WordBookActions bookActions{NewWordBook, ChangeProp, DelWB,    CloseWB,  InitWB, OpenWB,
                                      RegWord,     ModWord,    DelWord,  MoveWord, N501,   bookG1,
                                      ExportText,  ImportText, UndoWord, RedoWord};
    wordBookPage_ = new WordBookPage(session_.Store(), paths_, bookActions, StatusPanels, TabSheet2);
    trainingPage_ =
        new TrainingPage({engine_, session_.Get(), [this] { return wordBookPage_->CurrentFolderPath(); },
                          [this] { return textFiles_->TextFolder(); }, [this] { return language_.LanguageName; },
                          [this] { return height(); }, QuizRandom::ClockSeed, &learning_,
                          [this](const QString &fileName, const QString &title) {
                              return BookKeyOf(wordBookPage_->CurrentFolder(), fileName, title);
                          }},
                         TabSheet3);
    for (QWidget *page : std::initializer_list<QWidget *>{inputPage_, wordBookPage_, trainingPage_}) {
        auto *layout = new QVBoxLayout(page->parentWidget());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
    }
}
