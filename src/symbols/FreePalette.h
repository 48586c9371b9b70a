#pragma once

#include "app/Settings.h"

#include <QString>

#include <array>
#include <optional>

/// What the text of a palette code box does to its place.
struct CodeBoxOutcome {
    bool changesCaption = false;  ///< the button's caption becomes caption
    QString caption;
    std::optional<QChar> stored;     ///< the place's symbol becomes this
    std::optional<QString> boxText;  ///< the box's text is replaced by this (a code)
};

/// The rules of a code box: four upper-case hexadecimal digits choose a symbol; one digit,
/// two or three characters or an empty box blank the button (the user is typing a code);
/// a single other character is taken as the symbol itself and replaced by its code; four
/// characters that are not all digits change nothing. A control character or a lone surrogate
/// half is no symbol: its code blanks the button and stores nothing.
CodeBoxOutcome ApplyCodeBoxText(QStringView text);

/// One preset set of the palette.
struct FreeSymbolPreset {
    const char *buttonName;  ///< e.g. "SpeedButton7"
    QString caption;
    FreeSymbols symbols;
};

/// The six presets in their order on the panel: cards, notes, Nordic letters, text marks,
/// shapes (the default) and arrows.
const std::array<FreeSymbolPreset, 6> &FreeSymbolPresets();
