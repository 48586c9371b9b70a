#pragma once

#include <QWidget>

class CompositionEngine;
class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class TFreeUni1;
class TQuillmaren2;
class SettingsStore;

/// The European input page: the letter pad on the left; the help topics and the free Unicode
/// palette on the right. Its pads put what is clicked into the input area.
class InputPage : public QWidget
{
    Q_OBJECT

public:
    InputPage(CompositionEngine &engine, SettingsStore &settings, QPlainTextEdit *memo, QWidget *parent);

    /// Fills the help topic box and shows the table of contents.
    void InitHelp();
    /// The chosen help topic is shown; the focus goes back to the input area.
    void ComboBox8Change();
    /// Shows the lines of a help topic (none for an index outside the topics).
    void ShowHelpTopic(int index);

    /// Creates the letter pad (once the settings are read); the free palette follows on the
    /// first show of its tab.
    void CreatePads();
    /// Releases both pads (the window closes).
    void ReleasePads();
    /// Lays both pads out for their sizes; laying the letter pad out ends a pending trigger.
    void LayoutPads();

    TQuillmaren2 *LetterPad() const { return quillmaren2_; }
    /// The palette's symbols changed (a preset was chosen): show them, on its own tab when
    /// this page is the one showing.
    void ShowFreeSymbols(bool bringToFront);
    /// The foreign-text font changed: the palette's buttons follow.
    void RefreshPaletteFont(const QString &family);

private:
    void BuildHelp();
    void EnsureFreePalette();

    CompositionEngine &engine_;
    SettingsStore &settings_;
    QPlainTextEdit *memo_;
    QWidget *Panel19 = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QWidget *TabSheet4 = nullptr;         ///< かんたんマニュアル
    QWidget *TabSheet5 = nullptr;         ///< Free ユニコード
    QComboBox *ComboBox8 = nullptr;       ///< the help topics
    QPlainTextEdit *RichEdit1 = nullptr;  ///< the chosen topic
    TQuillmaren2 *quillmaren2_ = nullptr;
    TFreeUni1 *freeUni1_ = nullptr;
    bool padsCreated_ = false;
};
