#include "symbols/FreePalette.h"

#include "lib/ULib.h"

#include <algorithm>

namespace {

bool IsCodeDigit(QChar c)
{
    return ULib::IsDecimalDigit(c) || ULib::IsUpperHexLetter(c);
}

/// Control characters and lone surrogate halves are no symbols: inserted and transferred they
/// would cut or corrupt the text in other programs.
bool IsSymbol(QChar c)
{
    return c.category() != QChar::Other_Control && !c.isSurrogate();
}

FreeSymbols Symbols(std::array<char16_t, 8> codes)
{
    FreeSymbols symbols;
    for (std::size_t i = 0; i < codes.size(); ++i)
        symbols[i] = QChar(codes[i]);
    return symbols;
}

}  // namespace

CodeBoxOutcome ApplyCodeBoxText(QStringView text)
{
    CodeBoxOutcome outcome;
    if (text.size() == 4) {
        if (std::all_of(text.begin(), text.end(), IsCodeDigit)) {
            const QChar symbol(static_cast<char16_t>(text.toUInt(nullptr, 16)));
            outcome.changesCaption = true;
            if (IsSymbol(symbol)) {
                outcome.caption = symbol;
                outcome.stored = symbol;
            }
        }
        return outcome;
    }
    outcome.changesCaption = true;
    if (text.size() == 1 && !IsCodeDigit(text[0]) && IsSymbol(text[0])) {
        outcome.caption = text.toString();
        outcome.boxText = QStringLiteral("%1").arg(text[0].unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return outcome;
}

const std::array<FreeSymbolPreset, 6> &FreeSymbolPresets()
{
    static const std::array<FreeSymbolPreset, 6> presets{{
        {"SpeedButton7", QStringLiteral("ﾄﾗﾝﾌﾟ"),
         Symbols({0x2660, 0x2665, 0x2666, 0x2663, 0x2664, 0x2661, 0x2662, 0x2667})},
        {"SpeedButton17", QStringLiteral("音符等"),
         Symbols({0x2669, 0x266A, 0x266B, 0x266C, 0x266D, 0x266E, 0x266F, 0x2668})},
        {"SpeedButton18", QStringLiteral("北欧"),
         Symbols({0x00E5, 0x00F8, 0x0161, 0x00F0, 0x00C5, 0x00D8, 0x0161, 0x00D0})},
        {"SpeedButton19", QStringLiteral("文記号"),
         Symbols({0x00A7, 0x203B, 0x2020, 0x00A9, 0x00B6, 0x203F, 0x2021, 0x00AE})},
        {"SpeedButton20", QStringLiteral("図形"),
         Symbols({0x25CB, 0x25A1, 0x25C7, 0x2606, 0x25CF, 0x25A0, 0x25C6, 0x2605})},
        {"SpeedButton21", QStringLiteral("矢印"),
         Symbols({0x2190, 0x2191, 0x2192, 0x2193, 0x21D0, 0x21D1, 0x21D2, 0x21D3})},
    }};
    return presets;
}
