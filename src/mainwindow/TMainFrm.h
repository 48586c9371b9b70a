#pragma once

#include "app/AppPaths.h"
#include "app/Settings.h"
#include "compose/ComposeFields.h"
#include "compose/CompositionEngine.h"
#include "mainwindow/LanguageState.h"
#include "mainwindow/PadPanelSlide.h"
#include "pads/TIPAboard.h"
#include "transfer/RichBuffers.h"
#include "transfer/TargetTracker.h"

#include <QMainWindow>

#include <array>
#include <memory>

class CategoryPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QTimer;
class QToolButton;
class TFreeUni1;
class TIPAboard1;
class TQuillmaren2;
class TQuillmaren5;
class TShape;

/// The program's main window: the toolbar, the input area and the second field, the option
/// side panel, the sliding pad panel and the three pages that are the program's modes. It owns
/// the settings record, the composition engine and the pads for the whole run.
class TMainFrm : public QMainWindow, private TargetView
{
    Q_OBJECT

public:
    enum Page { EuropeanInputPage = 0, WordBookPage = 1, TrainingPage = 2 };

    explicit TMainFrm(const AppPaths &paths, QWidget *parent = nullptr);
    ~TMainFrm() override;

    Settings &settings() { return settings_; }
    const AppPaths &paths() const { return paths_; }
    CompositionEngine &engine() { return engine_; }
    const LanguageState &language() const { return language_; }
    const RichBuffers &richBuffers() const { return richBuffers_; }
    bool StretchDown() const { return stretchDown_; }
    /// The input area's text changed since the start or since the text commands last took it.
    bool TextModified() const { return textModified_; }
    const PadPanelSlide &padPanel() const { return padPanel_; }

    // Actions shared by menu, toolbar and shortcut.
    QAction *Exit1, *AllClear, *PDisp, *RegWord, *ModWord, *Search, *Transfer;
    QAction *NewWordBook, *ChangeProp, *DelWB, *CloseWB, *MoveWord, *DelWord, *InitWB, *OpenWB;
    QAction *N501, *bookG1;
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

    // Upper area.
    QLineEdit *Edit1 = nullptr;        ///< the second field (phonetic text or kana)
    QPlainTextEdit *Memo1 = nullptr;   ///< the input area
    QWidget *Panel4 = nullptr;         ///< the sliding pad panel
    QTabWidget *PageControl3 = nullptr;
    QWidget *TabSheet6 = nullptr;      ///< 特殊文字
    QWidget *TabSheet7 = nullptr;      ///< 発音記号
    QTextEdit *RichEdit2 = nullptr;    ///< symbol information box
    QSplitter *Splitter1 = nullptr;

    // Option side panel.
    QScrollArea *CategoryPanelGroup1 = nullptr;
    std::array<CategoryPanel *, 7> CategoryPanels{};  ///< top to bottom; the last is 選択中の言語
    std::array<QRadioButton *, 6> LanguageRadios{};   ///< RadioButton3..RadioButton8
    QToolButton *SpeedButton14 = nullptr;             ///< 決　定
    QCheckBox *CheckBox7 = nullptr, *CheckBox8 = nullptr, *CheckBox13 = nullptr, *CheckBox9 = nullptr;
    QComboBox *ComboBox5 = nullptr, *ComboBox6 = nullptr;
    QCheckBox *CheckBox6 = nullptr, *CheckBox11 = nullptr;
    QComboBox *ComboBox4 = nullptr, *ComboBox7 = nullptr;
    QCheckBox *CheckBox3 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox12 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label23 = nullptr;
    QToolButton *SpeedButton15 = nullptr;  ///< flag cycling
    QToolButton *SpeedButton16 = nullptr;  ///< PAD表示

    // Lower area.
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    QWidget *Panel19 = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QWidget *TabSheet4 = nullptr, *TabSheet5 = nullptr;
    QWidget *Panel8 = nullptr;
    std::array<QToolButton *, 3> FolderButtons{};  ///< SpeedButton10..12
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QWidget *Panel11 = nullptr;
    std::array<QLabel *, 2> StatusPanels{};

    TQuillmaren2 *Quillmaren2() const { return quillmaren2_; }
    TFreeUni1 *FreeUni1() const { return freeUni1_; }
    TIPAboard1 *IPAboard1() const { return tipaBoard1_; }
    /// The symbol set changed: the open phonetic pad loads its candidates again at once.
    void ReloadPhoneticSymbolSet();
    std::array<QToolButton *, 6> PresetButtons{};  ///< the free palette's six preset sets
    TQuillmaren5 *Quillmaren5() const { return quillmaren5_; }

    QTimer *SearchTimer = nullptr, *PasteTimer = nullptr, *CallTimer = nullptr, *NobiTimer = nullptr;

    void SwitchLanguage();
    void ShowFlag();
    void ShowTransferMode();
    void ToggleSecondField();
    void TogglePadPanel();
    void AllClearExecute();

    /// The transfer key: puts the main or the phonetic text on the clipboard in the current
    /// transfer mode and hands over to the automatic paste.
    void TransferExecute();
    void SendToTarget();
    void ForgetTarget();
    const TargetTracker &tracker() const { return *tracker_; }
    /// Replaces the window system (tests use a fake desktop).
    void SetWindowSystem(std::unique_ptr<platform::WindowSystem> windowSystem);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction of the widgets, one area each (TMainFrmWidgets.cpp).
    void BuildActions();
    void BuildMenus();
    void BuildToolbar();
    QWidget *BuildUpperArea();
    void BuildSidePanel();
    void BuildPages();
    void ConnectOptionControls();

    void FormCreate();
    void FormShow();
    void FormClose();
    void InitCaptions();
    void InitOptions();

    void PageChanged();
    void NobiTimerTimer();
    void FormResize();
    void ApplySecondFieldFont();
    void ApplyMemoFont();
    void RememberSplitterHeights();
    void KeepSplitterHeights();
    void SelectFolder(int kind);
    void CaptionFolderButtons();
    void ConnectEditCommands();
    void UpdateEditActions();
    void ApplyMainSize(const QString &text);
    void ApplyPhoneticSize(const QString &text);
    QStringList FontFamilies();
    void FillFontSelector(QComboBox *selector, const QString &font, const QString &fallback);
    static void FillSizes(QComboBox *selector, int first, int last, int shown);

    void ShowTarget(const QString &windowTitle) override;
    void ShowNoTarget() override;
    bool IsOwnWindow(platform::WindowId window) const override;
    void ConnectTransfer();

    std::optional<ComposeHost> Memo1Host();
    std::optional<ComposeHost> Edit1Host();
    /// Keys typed into the second field go to the phonetic pad.
    bool PhoneticEntryRuns() const;
    TIPAboard::Context PhoneticPadContext();
    void ReleasePadPanelPads();

    AppPaths paths_;
    Settings settings_;
    CompositionEngine engine_;
    LanguageState language_;
    RichBuffers richBuffers_;
    PadPanelSlide padPanel_;
    bool stretchDown_ = false;
    bool textModified_ = false;
    int lowerHeight_ = 289;  ///< height the pages keep while 下伸び is off
    int upperHeight_ = 0;    ///< height the input area keeps while 下伸び is on
    QStringList fontFamilies_;  ///< the font list, read once
    QString openBookType_;      ///< type name of the open word book; null while none is open
    int currentFolder_ = 0;
    std::unique_ptr<PlainTextComposeField> memo1Field_;
    std::unique_ptr<LineEditComposeField> edit1Field_;
    TQuillmaren2 *quillmaren2_ = nullptr;
    TQuillmaren5 *quillmaren5_ = nullptr;
    TFreeUni1 *freeUni1_ = nullptr;
    TIPAboard1 *tipaBoard1_ = nullptr;
    std::unique_ptr<platform::WindowSystem> windowSystem_;
    std::unique_ptr<TargetTracker> tracker_;
    bool toldNoAutoPaste_ = false;
    bool shown_ = false;
    bool parameterResetRequested_ = false;
};
