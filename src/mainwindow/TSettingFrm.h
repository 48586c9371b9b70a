#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;
class Session;
struct Settings;

/// The settings dialog: the word list's row height and font-size additions (applied at once,
/// whichever way the dialog closes), the sample books and the parameter reset, the Japanese
/// font and the phonetic symbol set (applied by OK only). Every change goes through the
/// session's settings store, which tells those who show the setting.
class TSettingFrm : public QDialog
{
    Q_OBJECT

public:
    TSettingFrm(Session &session, QWidget *parent);

    /// Whether the user asked for the parameter reset: the program ends without saving.
    bool ParameterResetRequested() const { return parameterReset_; }

protected:
    void done(int result) override;

private:
    void BuildWordListPage();
    void BuildSamplesPage();
    void BuildFontPage();
    void BuildSymbolSetPage();
    /// TrackBar1Change … TrackBar4Change: the value in its label; stored and applied unless
    /// the dialog is filling its controls.
    void TrackBarChange(int row);
    void SpeedButton1Click();  ///< 更　新
    void SpeedButton2Click();  ///< 初期化
    void Button1Click();       ///< OK

    Session &session_;
    const Settings &settings_;
    bool initialising_ = true;
    bool parameterReset_ = false;

    QTabWidget *PageControl1 = nullptr;
    std::array<QSlider *, 4> TrackBars{};   ///< TrackBar1..4
    std::array<QLabel *, 4> ValueLabels{};  ///< Label5, Label8, Label9, Label10
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;  ///< 不要
    QComboBox *ComboBox1 = nullptr;  ///< the Japanese font
    QLabel *Label24 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;
};
