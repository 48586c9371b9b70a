#pragma once

#include "app/PadPanelSlide.h"
#include "pads/TIPAboard.h"

#include <QWidget>

#include <functional>

class CompositionEngine;
class QLineEdit;
class SettingsStore;
class QPlainTextEdit;
class QTabWidget;
class QTextEdit;
class QTimer;
class TIPAboard1;
class TQuillmaren5;

/// The sliding pad panel under the input area on the word-book page (Panel4): a letter pad
/// on "特殊文字" and a phonetic pad on "発音記号" with the symbol information box beside
/// them. It slides open and closed with NobiTimer; its pads exist only while it is open.
class PadPanel : public QWidget
{
    Q_OBJECT

public:
    /// fillInBook tells whether the open book is a fill-in book, whose second field holds a
    /// foreign sentence (it composes instead of taking phonetic symbols). The open phonetic
    /// pad follows the symbol set of the settings.
    PadPanel(CompositionEngine &engine, const SettingsStore &settings, TIPAboard::Context phoneticContext,
             QPlainTextEdit *memo, QLineEdit *edit, std::function<bool()> fillInBook, QWidget *parent);

    /// PAD表示 pressed (true) or released (false): the panel slides open or closed.
    void Slide(bool open);
    /// Hides the panel at once and releases its pads (the page changes away).
    void HideNow();
    bool IsOpen() const { return slide_.Open(); }
    const PadPanelSlide &slide() const { return slide_; }

    TQuillmaren5 *LetterPad() const { return quillmaren5_; }
    TIPAboard1 *PhoneticPad() const { return tipaBoard1_; }
    /// The symbol set changed: the open phonetic pad loads its candidates again at once.
    void ReloadPhoneticSymbolSet();
    void ReleasePads();

signals:
    /// The panel's height changed (the window lays its side panel out again).
    void HeightChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void NobiTimerTimer();
    void CreatePads();

    CompositionEngine &engine_;
    TIPAboard::Context phoneticContext_;
    QPlainTextEdit *memo_;
    QLineEdit *edit_;
    std::function<bool()> fillInBook_;
    PadPanelSlide slide_;
    QTimer *NobiTimer = nullptr;
    QTabWidget *PageControl3 = nullptr;
    QWidget *TabSheet6 = nullptr;  ///< 特殊文字
    QWidget *TabSheet7 = nullptr;  ///< 発音記号
    QTextEdit *RichEdit2 = nullptr;
    TQuillmaren5 *quillmaren5_ = nullptr;
    TIPAboard1 *tipaBoard1_ = nullptr;
};
