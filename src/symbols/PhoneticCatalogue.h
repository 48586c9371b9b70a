#pragma once

#include <QString>

#include <span>

/// The four texts of a phonetic symbol. Only the Japanese texts are shown; the English
/// ones are kept beside them.
struct PhoneticSymbol {
    char16_t code;
    QString englishName;
    QString japaneseName;
    QString japaneseDescription;
    QString englishDescription;
};

/// The catalogue: 179 symbols in ascending code order.
std::span<const PhoneticSymbol> PhoneticCatalogue();

/// The catalogue entry of a code unit; four empty texts (and the code) when it is not there.
PhoneticSymbol PhoneticSymbolInfo(char16_t code);

/// The five lines a pad's information box shows for a symbol: its Japanese name, its
/// Japanese description and its code.
QString PhoneticSymbolInfoText(char16_t code);
