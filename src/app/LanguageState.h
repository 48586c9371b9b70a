#pragma once

#include <QString>

#include <optional>

/// The language-dependent state of the main window: names, direction captions and the flag
/// picture shown, with the flag cycling of the side panel.
class LanguageState
{
public:
    /// Applies a language index and the remembered flag number. For an index outside 0..5
    /// only the names change (to the generic European ones); returns whether it was valid.
    bool Switch(int inpMode, int recFlagNumber);

    /// One click on the cycling button: moves one flag in the direction the caption shows,
    /// turning around at the ends of the language's range.
    void CycleFlag();

    /// The cycling button's caption: ">" (next flag is to the right) or "<".
    QString CycleCaption() const { return forward_ ? QStringLiteral(">") : QStringLiteral("<"); }

    QString LanguageName = QStringLiteral("欧文");
    QString PairForward = QStringLiteral("欧日");
    QString PairBackward = QStringLiteral("日欧");
    int FlagIndex = -1;
    int FlagFirst = -1;
    int FlagLast = -1;

private:
    bool forward_ = true;
};

/// A font size typed into a size selector: a whole number within [minimum, maximum], or none.
std::optional<int> SizeFromText(const QString &text, int minimum, int maximum);
