#pragma once

#include "app/SettingsStore.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

/// The free Unicode palette: eight places, each a button that inserts its symbol and a code
/// box in which the user types a four-digit hexadecimal code or pastes the character itself.
/// The symbols are shared by every palette of the program.
class TFreeUni : public QFrame
{
    Q_OBJECT

public:
    TFreeUni(SettingsStore &settings, QWidget *parent);

    /// Places the buttons, boxes and labels for the frame's size, then shows the symbols.
    virtual void LayoutPalette();
    /// Puts a clicked symbol into the host's field; the base palette inserts nowhere.
    virtual void InsertSymbol(const QString &text);

    /// Puts every symbol into its code box, which turns it into its code.
    void ShowFreeSymbols();
    /// Gives the buttons the font the user chose for foreign text.
    void RefreshPaletteFont(const QString &mainFont);

protected:
    QWidget *Panel3 = nullptr;
    std::array<QToolButton *, 8> Buttons{};  ///< SpeedButton1..8
    std::array<QLineEdit *, 8> Boxes{};      ///< Edit1..8
    std::array<QLabel *, 8> Labels{};        ///< Label1..8

    /// Sizes of one host's palette.
    struct Metrics {
        int button, box, buttonLeft, boxLeft, labelLeft;
    };
    void LayoutWith(const Metrics &metrics);
    void resizeEvent(QResizeEvent *event) override;

private:
    void Edit1Change(int place);

    SettingsStore &settings_;
    QString mainFont_ = QStringLiteral("Times New Roman");
};
