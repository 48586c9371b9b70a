#pragma once

#include "app/AppPaths.h"
#include "app/LanguageState.h"
#include "app/Session.h"
#include "compose/CompositionEngine.h"
#include "learning/LearningTypes.h"
#include "training/LearningRecordAccess.h"
#include "transfer/TransferOptions.h"

#include "pads/TIPAboard.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class InputArea;
class InputPage;
class OptionSidePanel;
class PadPanel;
class PageHeights;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTimer;
class TSearchFrm;
class TextFileCommands;
class TShape;
class TrainingPage;
class TrainingWordJump;
class TransferController;
class WordBookPage;

/// The program's main window: a shell that holds the menus and the shared actions, the
/// toolbar, the page control and the status bar, and wires the parts together. The input
/// area, the page heights, the pages, the option side panel, the pad panel and the transfer
/// are classes of their own that own their widgets. The window owns the session (with the
/// settings store), the composition engine and the language state for the whole run.
class TMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    enum Page { EuropeanInput = 0, WordBook = 1, Training = 2 };

    explicit TMainFrm(const AppPaths &paths, QWidget *parent = nullptr);
    ~TMainFrm() override;

    const Settings &settings() const { return session_.Get(); }
    SettingsStore &settingsStore() { return session_.Store(); }
    const AppPaths &paths() const { return paths_; }
    CompositionEngine &engine() { return engine_; }
    const LanguageState &language() const { return language_; }
    const TransferOptions &transferOptions() const { return transferOptions_; }
    TransferController &transfer() { return *transfer_; }
    /// 下伸び: the pages take the height the window gains.
    bool StretchDown() const;
    /// The input area's text changed since the start or since the text commands last took it.
    bool TextModified() const;
    /// The open text file's commands and the text folder.
    const TextFileCommands &TextFiles() const { return *textFiles_; }

    /// The open phonetic pad loads its candidates again at once (as a new symbol set does).
    void ReloadPhoneticSymbolSet();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, one area each (TMainFrmWidgets.cpp).
    void BuildActions();
    void BuildMenus();
    void BuildToolbar();
    QWidget *BuildUpperArea();
    void BuildPages();
    void ConnectToolbar();
    void ConnectSidePanel();
    /// The pages follow the settings they show; the sample books' refresh reads the list again.
    void ConnectSettings();

    void FormCreate();
    /// Size and place from the settings, bounded by the screen (before the first show).
    void PlaceWindow();
    void FormShow();
    void FormClose();
    void InitCaptions();

    void SwitchLanguage();
    void ShowTransferMode();
    void ToggleSecondField();
    void TogglePadPanel(bool down);
    /// 単語帳検索: opens the search dialog, or brings the open one to the front.
    void SearchExecute();
    /// この単語を編集 in the search dialog: the word-book page opens the hit's book and word.
    void EditSearchHit(int folder, const QString &fileName, qsizetype number);
    /// A training book was picked: the open book closes and the pages grow to the window's
    /// height before the book loads.
    void TrainingBookChosen();
    /// The pages filled the window on the training page: the training book loads.
    void PagesFilledWindow();
    /// The pages are back at their normal height: the side panel shows, an F8 jump goes on.
    void PagesAtStandardHeight();
    /// The pages grow to the whole height or shrink back; 下伸び is turned off first.
    void StartCurtain();
    /// What every phonetic pad of the program reads: the symbol sets and the chosen one, the
    /// phonetic font, and where a bad candidate file is told.
    TIPAboard::Context PhoneticPadContext();
    void PageChanged();
    void FormResize();
    /// The training page's status: the window's width and height in the left panel.
    void ShowWindowSize();
    /// The help menu (the PDF manual, the version dialog) and 設定.
    void ConnectHelp();
    /// 設定: the settings dialog; its parameter reset ends the program without saving.
    void OpenSettings();
    /// The tool menu's character counter and code-value checkers.
    void ConnectTextTools();

    /// The learning record's name for a book of a folder of the current language (0 bookA,
    /// 1 bookG, 2 bookS).
    BookKey BookKeyOf(int folderKind, const QString &fileName, const QString &title) const;
    /// The book list's 習得 column and 学習の記録 over the learning record.
    void ConnectLearning();

    /// Whether Memo1 composes on the page showing, and the letter pad it composes with.
    std::optional<ComposePad *> MemoLetterPad() const;

    AppPaths paths_;
    Session session_{paths_};
    TransferOptions transferOptions_{session_.Store()};
    CompositionEngine engine_;
    LanguageState language_;
    /// "Learning.sqlite" in the system folder, opened when the training or the book list first
    /// needs it.
    LearningRecordAccess learning_{[this] { return paths_.SysFolder + QStringLiteral("/Learning.sqlite"); }};
    bool shown_ = false;
    bool centred_ = false;  ///< placed in the screen's centre rather than where it was saved

    // Actions shared by menu, toolbar and shortcut.
    QAction *Exit1, *AllClear, *PDisp, *RegWord, *ModWord, *Search, *Transfer, *ResCall;
    QAction *NewWordBook, *ChangeProp, *DelWB, *CloseWB, *MoveWord, *DelWord, *InitWB, *OpenWB;
    QAction *N501, *bookG1;
    QAction *UndoWord, *RedoWord;      ///< undo and redo of the open book's changes
    QAction *ExportText, *ImportText;  ///< the word book as text for flash-card programs, and back
    QAction *ShowLearning;             ///< 学習の記録 of the open book
    QAction *N27, *N28, *N29, *N33, *N31;
    QAction *EditUndo1, *EditCut1, *EditCopy1, *EditPaste1, *EditDelete1, *EditSelectAll1, *N34;
    std::array<QAction *, 8> TransferModeItems{};  ///< N22 N161 N101 N23 N25 N162 N102 N26
    QAction *N36, *N37, *N38, *O1, *N20, *N21;
    QMenu *M1 = nullptr;

    // Toolbar.
    QWidget *CoolBar1 = nullptr;
    QCheckBox *CheckBox10 = nullptr;  ///< カナ
    TShape *Shape1 = nullptr;         ///< automatic-paste indicator
    QCheckBox *CheckBox1 = nullptr;   ///< automatic paste
    QLineEdit *Edit2 = nullptr;       ///< transfer-mode display
    QLabel *Label28 = nullptr;        ///< "発音" over the mode display in phonetic modes
    QComboBox *ComboBox2 = nullptr;   ///< main font
    QComboBox *ComboBox3 = nullptr;   ///< main size

    // Upper area, pages and status bar.
    InputArea *inputArea_ = nullptr;      ///< Memo1 and the second field Edit1
    PageHeights *pageHeights_ = nullptr;  ///< Splitter1 between the upper area and the pages
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    std::array<QLabel *, 2> StatusPanels{};
    QWidget *upperArea_ = nullptr;  ///< the input area with the side panel, above the splitter

    OptionSidePanel *sidePanel_ = nullptr;
    PadPanel *padPanel_ = nullptr;
    InputPage *inputPage_ = nullptr;
    WordBookPage *wordBookPage_ = nullptr;
    TrainingPage *trainingPage_ = nullptr;
    TrainingWordJump *trainingWordJump_ = nullptr;  ///< F8 from a result page to the word dialog
    TransferController *transfer_ = nullptr;
    QPointer<TSearchFrm> searchFrm_;
    TextFileCommands *textFiles_ = nullptr;
};
