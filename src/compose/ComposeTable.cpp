#include "compose/ComposeTable.h"

#include <algorithm>

namespace {

struct Composition {
    char16_t trigger;
    char16_t followUp;
    char16_t result;
};

// The whole table. Lookups are a linear scan: 89 rows, once per typed key.
// clang-format off
constexpr Composition kTable[] = {
    // [ : grave accents, opening quote, oe, euro, guillemet, ellipsis
    {u'[', u'a', u'\u00E0'}, {u'[', u'e', u'\u00E8'}, {u'[', u'i', u'\u00EC'}, {u'[', u'o', u'\u00F2'},
    {u'[', u'u', u'\u00F9'}, {u'[', u'A', u'\u00C0'}, {u'[', u'E', u'\u00C8'}, {u'[', u'I', u'\u00CC'},
    {u'[', u'O', u'\u00D2'}, {u'[', u'U', u'\u00D9'}, {u'[', u'"', u'\u201C'}, {u'[', u'y', u'\u0153'},
    {u'[', u'Y', u'\u0152'}, {u'[', u'$', u'\u20AC'}, {u'[', u'<', u'\u00AB'}, {u'[', u'.', u'\u2026'},
    {u'[', u'[', u'['},
    // ] : acute accents, closing quote, c cedilla, sharp s, guillemet, hyphenation point
    {u']', u'a', u'\u00E1'}, {u']', u'e', u'\u00E9'}, {u']', u'i', u'\u00ED'}, {u']', u'o', u'\u00F3'},
    {u']', u'u', u'\u00FA'}, {u']', u'A', u'\u00C1'}, {u']', u'E', u'\u00C9'}, {u']', u'I', u'\u00CD'},
    {u']', u'O', u'\u00D3'}, {u']', u'U', u'\u00DA'}, {u']', u'"', u'\u201D'}, {u']', u'c', u'\u00E7'},
    {u']', u'C', u'\u00C7'}, {u']', u's', u'\u00DF'}, {u']', u'>', u'\u00BB'}, {u']', u'.', u'\u2027'},
    {u']', u']', u']'},
    // ^ : circumflex accents and low/high single and double quotes
    {u'^', u'a', u'\u00E2'}, {u'^', u'e', u'\u00EA'}, {u'^', u'i', u'\u00EE'}, {u'^', u'o', u'\u00F4'},
    {u'^', u'u', u'\u00FB'}, {u'^', u'A', u'\u00C2'}, {u'^', u'E', u'\u00CA'}, {u'^', u'I', u'\u00CE'},
    {u'^', u'O', u'\u00D4'}, {u'^', u'U', u'\u00DB'}, {u'^', u'\'', u'\u2018'}, {u'^', u'"', u'\u201E'},
    // ~ : tilde letters
    {u'~', u'n', u'\u00F1'}, {u'~', u'a', u'\u00E3'}, {u'~', u'o', u'\u00F5'},
    {u'~', u'N', u'\u00D1'}, {u'~', u'A', u'\u00C3'}, {u'~', u'O', u'\u00D5'},
    // \ : diaereses, quotes, ae, inverted marks, dashes
    {u'\\', u'a', u'\u00E4'}, {u'\\', u'e', u'\u00EB'}, {u'\\', u'i', u'\u00EF'}, {u'\\', u'o', u'\u00F6'},
    {u'\\', u'u', u'\u00FC'}, {u'\\', u'A', u'\u00C4'}, {u'\\', u'E', u'\u00CB'}, {u'\\', u'I', u'\u00CF'},
    {u'\\', u'O', u'\u00D6'}, {u'\\', u'U', u'\u00DC'}, {u'\\', u'\'', u'\u2019'}, {u'\\', u'"', u'\u201C'},
    {u'\\', u'h', u'\u00E6'}, {u'\\', u'H', u'\u00C6'}, {u'\\', u'!', u'\u00A1'}, {u'\\', u'?', u'\u00BF'},
    {u'\\', u'-', u'\u2013'}, {u'\\', u'=', u'\u2014'},
};
// clang-format on

std::array<QString, 36> MakeLetters(const char16_t (&codes)[36])
{
    std::array<QString, 36> letters;
    for (std::size_t i = 0; i < letters.size(); ++i)
        letters[i] = QString(QChar(codes[i]));
    return letters;
}

}  // namespace

bool IsTriggerKey(QChar c)
{
    return std::find(TriggerKeys.begin(), TriggerKeys.end(), c) != TriggerKeys.end();
}

const std::array<QString, 36> &LowerLetters()
{
    // clang-format off
    static const std::array<QString, 36> letters = MakeLetters({
        u'\u00E0', u'\u00E8', u'\u00EC', u'\u00F2', u'\u00F9', // à è ì ò ù
        u'\u00E1', u'\u00E9', u'\u00ED', u'\u00F3', u'\u00FA', // á é í ó ú
        u'\u00E2', u'\u00EA', u'\u00EE', u'\u00F4', u'\u00FB', // â ê î ô û
        u'\u00E4', u'\u00EB', u'\u00EF', u'\u00F6', u'\u00FC', // ä ë ï ö ü
        u'\u201C', u'\u0153', u'\u201D', u'\u00E7', u'\u2018', u'\u00F1', u'\u2019', u'\u00E6',
        u'\u20AC', u'[', u'\u00DF', u']', u'\u00E3', u'\u00F5', u'\u00A1', u'\u00BF',
    });
    // clang-format on
    return letters;
}

const std::array<QString, 36> &UpperLetters()
{
    // clang-format off
    static const std::array<QString, 36> letters = MakeLetters({
        u'\u00C0', u'\u00C8', u'\u00CC', u'\u00D2', u'\u00D9', // À È Ì Ò Ù
        u'\u00C1', u'\u00C9', u'\u00CD', u'\u00D3', u'\u00DA', // Á É Í Ó Ú
        u'\u00C2', u'\u00CA', u'\u00CE', u'\u00D4', u'\u00DB', // Â Ê Î Ô Û
        u'\u00C4', u'\u00CB', u'\u00CF', u'\u00D6', u'\u00DC', // Ä Ë Ï Ö Ü
        u'\u00AB', u'\u0152', u'\u00BB', u'\u00C7', u'\u201E', u'\u00D1', u'\u201C', u'\u00C6',
        u'\u2026', u'[', u'\u2027', u']', u'\u00C3', u'\u00D5', u'\u2013', u'\u2014',
    });
    // clang-format on
    return letters;
}

QString ComposeResult(QChar trigger, QChar followUp)
{
    for (const Composition &row : kTable) {
        if (row.trigger == trigger.unicode() && row.followUp == followUp.unicode())
            return QString(QChar(row.result));
    }
    return {};
}

QChar FollowUpKeyFor(QChar trigger, QStringView result)
{
    if (result.size() != 1)
        return {};
    for (const Composition &row : kTable) {
        if (row.trigger == trigger.unicode() && row.result == result.front().unicode())
            return QChar(row.followUp);
    }
    return {};
}

std::optional<TriggerPair> TriggerKeysFor(QStringView letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    for (const Composition &row : kTable) {
        if (row.result == letter.front().unicode())
            return TriggerPair{QChar(row.trigger), QChar(row.followUp)};
    }
    return std::nullopt;
}
