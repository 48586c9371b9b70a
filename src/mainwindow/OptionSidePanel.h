#pragma once

#include <QWidget>

#include <array>

class CategoryPanel;
class LanguageState;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QScrollArea;
class QToolButton;
class TransferOptions;
class SettingsStore;
struct Settings;

/// The option side panel beside the input area (CategoryPanelGroup1): seven collapsible
/// panels whose controls change their settings at once through the store. Effects beyond the
/// settings reach the window through the signals.
class OptionSidePanel : public QWidget
{
    Q_OBJECT

public:
    OptionSidePanel(SettingsStore &store, TransferOptions &transferOptions, LanguageState &language, QWidget *parent);

    /// Shows the settings in the controls (at start-up); 下伸び starts as given.
    void InitOptions(bool stretchDown);
    /// Shows the language's flag and name, and opens 選択中の言語.
    void ShowFlag();
    /// The language changed: the cycling caption and the flag follow; 言語変更 folds.
    void ShowLanguage();
    /// 下伸び is turned off by the window (a page change).
    /// Ticks or clears 下伸び as a click does.
    void SetStretchDown(bool on);

    bool PadButtonDown() const;
    void SetPadButtonDown(bool down);
    void SetPadButtonEnabled(bool enabled);

    /// With every other panel folded, 選択中の言語 reaches down to the foot of the fields:
    /// fieldsHeight is the height of the input area, the second field and the pad panel.
    void FitLanguagePanel(int fieldsHeight, bool secondFieldShown);

signals:
    /// 決　定: a language was chosen (the setting InpMode holds it).
    void LanguageChosen();
    void StretchDownToggled(bool on);
    /// The phonetic field's font or size changed (the settings hold them).
    void PhoneticFontChanged();
    /// PAD表示 was pressed or released.
    void PadButtonToggled(bool down);
    /// A preset of the free palette was chosen (the setting FreeUBox holds it).
    void PresetChosen();
    /// A panel folded or opened.
    void PanelsFolded();

private:
    void BuildPanels();
    void ConnectControls();

    SettingsStore &store_;
    const Settings &settings_;
    TransferOptions &transferOptions_;
    LanguageState &language_;
    QScrollArea *CategoryPanelGroup1 = nullptr;
    std::array<CategoryPanel *, 7> CategoryPanels{};  ///< top to bottom; the last is 選択中の言語
    std::array<QRadioButton *, 6> LanguageRadios{};   ///< RadioButton3..RadioButton8
    QToolButton *SpeedButton14 = nullptr;             ///< 決　定
    QCheckBox *CheckBox7 = nullptr, *CheckBox8 = nullptr, *CheckBox13 = nullptr, *CheckBox9 = nullptr;
    QComboBox *ComboBox5 = nullptr, *ComboBox6 = nullptr;
    QCheckBox *CheckBox6 = nullptr, *CheckBox11 = nullptr;
    QComboBox *ComboBox4 = nullptr, *ComboBox7 = nullptr;
    QCheckBox *CheckBox3 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox12 = nullptr;
    std::array<QToolButton *, 6> PresetButtons{};  ///< the free palette's six preset sets
    QLabel *Image1 = nullptr;
    QLabel *Label23 = nullptr;
    QToolButton *SpeedButton15 = nullptr;  ///< flag cycling
    QToolButton *SpeedButton16 = nullptr;  ///< PAD表示
};
