#include "app/LanguageState.h"

#include "app/Language.h"

bool LanguageState::Switch(int inpMode, int recFlagNumber)
{
    if (inpMode < 0 || inpMode >= LanguageCount) {
        LanguageName = QStringLiteral("欧文");
        PairForward = QStringLiteral("欧日");
        PairBackward = QStringLiteral("日欧");
        forward_ = recFlagNumber != FlagLast;
        return false;
    }
    const Language &language = Languages()[inpMode];
    LanguageName = language.displayName;
    PairForward = language.pairForward;
    PairBackward = language.pairBackward;
    FlagFirst = language.flagFirst;
    FlagLast = language.flagLast;
    const bool inRange = recFlagNumber >= FlagFirst && recFlagNumber <= FlagLast;
    FlagIndex = inRange ? recFlagNumber : FlagFirst;
    forward_ = recFlagNumber != FlagLast;
    return true;
}

void LanguageState::CycleFlag()
{
    if (forward_) {
        ++FlagIndex;
        if (FlagIndex >= FlagLast)
            forward_ = false;
    } else {
        --FlagIndex;
        if (FlagIndex <= FlagFirst)
            forward_ = true;
    }
}

std::optional<int> SizeFromText(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int size = text.toInt(&ok, 10);
    if (!ok || size < minimum || size > maximum)
        return std::nullopt;
    return size;
}
