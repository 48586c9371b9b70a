// Construction of the main window's widgets, one area at a time. Behaviour lives in
// TMainFrm.cpp and TMainFrmOptions.cpp; this file only creates, names and places.
#include "mainwindow/TMainFrm.h"

#include "mainwindow/CategoryPanel.h"
#include "pads/TShape.h"
#include "symbols/FreePalette.h"

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
#include <QSplitter>
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

QLabel *NoteLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(12);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

} // namespace

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
    NewWordBook = MakeAction(this, "NewWordBook", QStringLiteral("新規作成"));
    ChangeProp = MakeAction(this, "ChangeProp", QStringLiteral("単語帳のプロパティ変更"));
    DelWB = MakeAction(this, "DelWB", QStringLiteral("単語帳の削除"));
    CloseWB = MakeAction(this, "CloseWB", QStringLiteral("単語帳を閉じる"));
    MoveWord = MakeAction(this, "MoveWord", QStringLiteral("単語の移動"));
    DelWord = MakeAction(this, "DelWord", QStringLiteral("単語の削除"));
    InitWB = MakeAction(this, "InitWB", QStringLiteral("単語帳の初期化"));
    OpenWB = MakeAction(this, "OpenWB", QStringLiteral("単語帳を開く"));
    N501 = MakeAction(this, "N501", QStringLiteral("bookGフォルダに空の辞書ファイルを一括生成する（確認あり）"));
    bookG1 = MakeAction(this, "bookG1", QStringLiteral("bookGフォルダに空の英語の文法ファイルを一括生成する（確認あり）"));

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
    EditSelectAll1 = MakeAction(this, "EditSelectAll1", QStringLiteral("すべてを選択(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A));
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
        {"N22", "標準転送モード（リッチテキスト）", 0}, {"N161", "16進数値文字参照", 1},
        {"N101", "10進数値文字参照", 2},             {"N23", "ユニコードテキスト", 3},
        {"N25", "発音記号　リッチテキスト", 10},      {"N162", "発音記号　16進数値文字参照", 11},
        {"N102", "発音記号　10進数値文字参照", 12},   {"N26", "発音記号　ユニコードテキスト", 13},
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
    addActions({Exit1, AllClear, PDisp, RegWord, ModWord, Search, Transfer});
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
    connect(edit, &QMenu::aboutToShow, this, &TMainFrm::UpdateEditActions);
    // The shortcuts work whatever the menu showed last time.
    connect(edit, &QMenu::aboutToHide, this, [this] {
        for (QAction *action : {EditUndo1, EditCut1, EditCopy1, EditPaste1, EditDelete1, EditSelectAll1})
            action->setEnabled(true);
    });

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
    books->addAction(N501);
    books->addSeparator();
    books->addAction(bookG1);
    books->addSeparator();
    books->addAction(Search);

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
    ComboBox2->setMinimumWidth(150);
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
    Edit1 = Named(new QLineEdit(upper), "Edit1");
    fields->addWidget(Edit1);
    Memo1 = Named(new QPlainTextEdit(upper), "Memo1");
    Memo1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fields->addWidget(Memo1, 1);

    Panel4 = Named(new QWidget(upper), "Panel4");
    auto *padRow = new QHBoxLayout(Panel4);
    padRow->setContentsMargins(0, 0, 0, 0);
    padRow->setSpacing(2);
    PageControl3 = Named(new QTabWidget(Panel4), "PageControl3");
    PageControl3->setFocusPolicy(Qt::NoFocus);
    TabSheet6 = Named(new QWidget, "TabSheet6");
    TabSheet7 = Named(new QWidget, "TabSheet7");
    for (QWidget *sheet : {TabSheet6, TabSheet7}) {
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    PageControl3->addTab(TabSheet6, QStringLiteral("特殊文字"));
    PageControl3->addTab(TabSheet7, QStringLiteral("発音記号"));
    padRow->addWidget(PageControl3, 1);
    RichEdit2 = Named(new QTextEdit(Panel4), "RichEdit2");
    RichEdit2->setReadOnly(true);
    RichEdit2->setFixedWidth(200);
    padRow->addWidget(RichEdit2);
    Panel4->setFixedHeight(1);
    Panel4->hide();
    fields->addWidget(Panel4);
    row->addLayout(fields, 1);

    BuildSidePanel();
    row->addWidget(CategoryPanelGroup1);
    return upper;
}

void TMainFrm::BuildSidePanel()
{
    CategoryPanelGroup1 = Named(new QScrollArea, "CategoryPanelGroup1");
    CategoryPanelGroup1->setFixedWidth(165);
    CategoryPanelGroup1->setWidgetResizable(true);
    CategoryPanelGroup1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CategoryPanelGroup1->setFrameShape(QFrame::NoFrame);
    // Clicks on the side panel's buttons leave the focus in the field the user types in.
    CategoryPanelGroup1->setFocusPolicy(Qt::NoFocus);
    auto *stack = new QWidget;
    auto *column = new QVBoxLayout(stack);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    const char *captions[] = {"言語変更", "転送オプション", "画面オプション", "発音記号オプション",
                              "Fユニコード・オプション", "単語帳オプション", "選択中の言語"};
    for (int i = 0; i < 7; ++i) {
        CategoryPanels[i] = new CategoryPanel(QString::fromUtf8(captions[i]), stack);
        CategoryPanels[i]->setObjectName(QStringLiteral("CategoryPanel%1").arg(i + 1));
        column->addWidget(CategoryPanels[i]);
    }
    column->addStretch(1);
    CategoryPanelGroup1->setWidget(stack);
    stack->setStyleSheet(QStringLiteral("QToolButton:checked { background: rgb(170, 190, 230); border: 1px inset gray; }"));

    // 言語変更
    QVBoxLayout *languages = CategoryPanels[0]->ContentLayout();
    auto *languageGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        LanguageRadios[i] = new QRadioButton(CategoryPanels[0]->Content());
        LanguageRadios[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 3));
        languageGroup->addButton(LanguageRadios[i], i);
        languages->addWidget(LanguageRadios[i]);
    }
    SpeedButton14 = Named(new QToolButton(CategoryPanels[0]->Content()), "SpeedButton14");
    SpeedButton14->setText(QStringLiteral("決　定"));
    SpeedButton14->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    languages->addWidget(SpeedButton14);

    // 転送オプション
    QWidget *transfer = CategoryPanels[1]->Content();
    QVBoxLayout *transferColumn = CategoryPanels[1]->ContentLayout();
    CheckBox7 = Named(new QCheckBox(QStringLiteral("文字サイズ指定"), transfer), "CheckBox7");
    transferColumn->addWidget(CheckBox7);
    auto *sizes = new QGridLayout;
    ComboBox5 = Named(new QComboBox(transfer), "ComboBox5");
    ComboBox6 = Named(new QComboBox(transfer), "ComboBox6");
    sizes->addWidget(new QLabel(QStringLiteral("主："), transfer), 0, 0);
    sizes->addWidget(ComboBox5, 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("発音："), transfer), 1, 0);
    sizes->addWidget(ComboBox6, 1, 1);
    transferColumn->addLayout(sizes);
    CheckBox8 = Named(new QCheckBox(QStringLiteral("転送後クリア"), transfer), "CheckBox8");
    CheckBox13 = Named(new QCheckBox(QStringLiteral("スロー貼り付け"), transfer), "CheckBox13");
    CheckBox13->setToolTip(QStringLiteral("転送ボタンを押した後、1.2秒後に貼り付け実行"));
    CheckBox9 = Named(new QCheckBox(QStringLiteral("転送方式２"), transfer), "CheckBox9");
    transferColumn->addWidget(CheckBox8);
    transferColumn->addWidget(CheckBox13);
    transferColumn->addWidget(CheckBox9);

    // 画面オプション
    QWidget *screen = CategoryPanels[2]->Content();
    QVBoxLayout *screenColumn = CategoryPanels[2]->ContentLayout();
    CheckBox6 = Named(new QCheckBox(QStringLiteral("下伸び"), screen), "CheckBox6");
    screenColumn->addWidget(CheckBox6);
    screenColumn->addWidget(NoteLabel(QStringLiteral("※画面を拡大した時\n 単語帳を拡大します。"), screen));
    screenColumn->addWidget(NoteLabel(QStringLiteral("※学習モードにすると\n 自動でオフになります。"), screen));
    CheckBox11 = Named(new QCheckBox(QStringLiteral("位置記憶"), screen), "CheckBox11");
    screenColumn->addWidget(CheckBox11);

    // 発音記号オプション
    QWidget *phonetic = CategoryPanels[3]->Content();
    QVBoxLayout *phoneticColumn = CategoryPanels[3]->ContentLayout();
    phoneticColumn->addWidget(new QLabel(QStringLiteral("・フォント名"), phonetic));
    ComboBox4 = Named(new QComboBox(phonetic), "ComboBox4");
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->setMaxVisibleItems(20);
    ComboBox4->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox4->setMinimumContentsLength(8);
    phoneticColumn->addWidget(ComboBox4);
    phoneticColumn->addWidget(NoteLabel(QStringLiteral("※Default: Segoe UI"), phonetic));
    phoneticColumn->addWidget(new QLabel(QStringLiteral("・サイズ"), phonetic));
    ComboBox7 = Named(new QComboBox(phonetic), "ComboBox7");
    phoneticColumn->addWidget(ComboBox7);
    phoneticColumn->addWidget(NoteLabel(QStringLiteral("※Default: 16"), phonetic));

    // Fユニコード・オプション: the six preset sets, three rows of two.
    QWidget *free = CategoryPanels[4]->Content();
    auto *presets = new QGridLayout;
    presets->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        const FreeSymbolPreset &preset = FreeSymbolPresets()[i];
        PresetButtons[i] = Named(new QToolButton(free), preset.buttonName);
        PresetButtons[i]->setText(preset.caption);
        PresetButtons[i]->setFocusPolicy(Qt::NoFocus);
        PresetButtons[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        presets->addWidget(PresetButtons[i], i / 2, i % 2);
    }
    CategoryPanels[4]->ContentLayout()->addLayout(presets);
    CategoryPanels[4]->ContentLayout()->addWidget(NoteLabel(QStringLiteral("※初期値：　図形"), free));

    // 単語帳オプション
    QWidget *books = CategoryPanels[5]->Content();
    QVBoxLayout *booksColumn = CategoryPanels[5]->ContentLayout();
    CheckBox3 = Named(new QCheckBox(QStringLiteral("最下行表示"), books), "CheckBox3");
    CheckBox4 = Named(new QCheckBox(QStringLiteral("リセットインプット"), books), "CheckBox4");
    CheckBox5 = Named(new QCheckBox(QStringLiteral("登録時リセット"), books), "CheckBox5");
    CheckBox12 = Named(new QCheckBox(QStringLiteral("辞書フォルダ"), books), "CheckBox12");
    booksColumn->addWidget(CheckBox3);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語帳を選択した時\n 最下行を表示します。"), books));
    booksColumn->addWidget(CheckBox4);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語を入力する時\n 入力エリアをクリアします。"), books));
    booksColumn->addWidget(CheckBox5);
    booksColumn->addWidget(NoteLabel(QStringLiteral("※単語を登録した後、\n 入力エリアをクリアします。"), books));
    booksColumn->addWidget(CheckBox12);

    // 選択中の言語
    QWidget *current = CategoryPanels[6]->Content();
    QVBoxLayout *currentColumn = CategoryPanels[6]->ContentLayout();
    Image1 = Named(new QLabel(current), "Image1");
    Image1->setFixedSize(48, 32);
    Label23 = Named(new QLabel(current), "Label23");
    auto *flagRow = new QHBoxLayout;
    flagRow->addWidget(Image1);
    SpeedButton15 = Named(new QToolButton(current), "SpeedButton15");
    SpeedButton15->setFixedSize(24, 32);
    SpeedButton15->setFocusPolicy(Qt::NoFocus);
    flagRow->addWidget(SpeedButton15);
    flagRow->addStretch(1);
    currentColumn->addLayout(flagRow);
    currentColumn->addWidget(Label23);
    SpeedButton16 = Named(new QToolButton(current), "SpeedButton16");
    SpeedButton16->setText(QStringLiteral("PAD表示"));
    SpeedButton16->setCheckable(true);
    SpeedButton16->setFocusPolicy(Qt::NoFocus);
    SpeedButton16->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    currentColumn->addWidget(SpeedButton16);
    currentColumn->addStretch(1);
}

void TMainFrm::BuildPages()
{
    PageControl1 = Named(new QTabWidget, "PageControl1");
    TabSheet1 = Named(new QWidget, "TabSheet1");
    TabSheet2 = Named(new QWidget, "TabSheet2");
    TabSheet3 = Named(new QWidget, "TabSheet3");
    PageControl1->addTab(TabSheet1, QString());
    PageControl1->addTab(TabSheet2, QString());
    PageControl1->addTab(TabSheet3, QString());

    // European input: the letter pad on the left, help and the free palette on the right.
    auto *european = new QHBoxLayout(TabSheet1);
    european->setContentsMargins(2, 2, 2, 2);
    auto *padColumn = new QVBoxLayout;
    padColumn->setSpacing(2);
    auto *hint = new QLabel(QStringLiteral("⇒ トリガーキーを押すと、次に押すべきキーが青字で表示されます。"), TabSheet1);
    padColumn->addWidget(hint);
    Panel19 = Named(new QWidget(TabSheet1), "Panel19");
    auto *panel19Layout = new QVBoxLayout(Panel19);
    panel19Layout->setContentsMargins(0, 0, 0, 0);
    padColumn->addWidget(Panel19, 1);
    auto *padHolder = new QWidget(TabSheet1);
    padHolder->setFixedWidth(480);
    padHolder->setLayout(padColumn);
    padColumn->setContentsMargins(0, 0, 0, 0);
    european->addWidget(padHolder);
    PageControl2 = Named(new QTabWidget(TabSheet1), "PageControl2");
    PageControl2->setFocusPolicy(Qt::NoFocus);
    TabSheet4 = Named(new QWidget, "TabSheet4");
    TabSheet5 = Named(new QWidget, "TabSheet5");
    (new QVBoxLayout(TabSheet5))->setContentsMargins(0, 0, 0, 0);
    PageControl2->addTab(TabSheet4, QStringLiteral("かんたんマニュアル"));
    PageControl2->addTab(TabSheet5, QStringLiteral("Free ユニコード"));
    european->addWidget(PageControl2, 1);

    // Word book: the word list on the left, the book panel on the right.
    auto *wordBook = new QHBoxLayout(TabSheet2);
    wordBook->setContentsMargins(2, 2, 2, 2);
    auto *wordList = Named(new QFrame(TabSheet2), "ListView1Area");
    wordList->setFrameShape(QFrame::StyledPanel);
    wordBook->addWidget(wordList, 1);
    Panel8 = Named(new QFrame(TabSheet2), "Panel8");
    Panel8->setFixedWidth(220);
    auto *bookColumn = new QVBoxLayout(Panel8);
    bookColumn->setContentsMargins(2, 2, 2, 2);
    auto *folderRow = new QHBoxLayout;
    auto *folderGroup = new QButtonGroup(this);
    for (int kind = 0; kind < 3; ++kind) {
        FolderButtons[kind] = new QToolButton(Panel8);
        FolderButtons[kind]->setObjectName(QStringLiteral("SpeedButton%1").arg(10 + kind));
        FolderButtons[kind]->setCheckable(true);
        FolderButtons[kind]->setFixedSize(60, 40);
        FolderButtons[kind]->setFocusPolicy(Qt::NoFocus);
        folderGroup->addButton(FolderButtons[kind], kind);
        folderRow->addWidget(FolderButtons[kind]);
    }
    bookColumn->addLayout(folderRow);
    auto *orderRow = new QHBoxLayout;
    RadioButton1 = Named(new QRadioButton(Panel8), "RadioButton1");
    RadioButton2 = Named(new QRadioButton(Panel8), "RadioButton2");
    CheckBox2 = Named(new QCheckBox(Panel8), "CheckBox2");
    orderRow->addWidget(RadioButton1);
    orderRow->addWidget(RadioButton2);
    orderRow->addStretch(1);
    orderRow->addWidget(CheckBox2);
    bookColumn->addLayout(orderRow);
    bookColumn->addStretch(1);
    wordBook->addWidget(Panel8);

    // Training: the page's panel; its content arrives with the training.
    auto *training = new QVBoxLayout(TabSheet3);
    training->setContentsMargins(0, 0, 0, 0);
    Panel11 = Named(new QFrame(TabSheet3), "Panel11");
    training->addWidget(Panel11);
}
