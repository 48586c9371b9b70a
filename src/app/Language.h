#pragma once

#include <QString>

#include <array>

/// One of the six languages, in their fixed order (index 0..5).
struct Language {
    QString code;          ///< "E", "I", "F", "S", "P", "G"
    QString folderName;    ///< folder of its word books, e.g. "English"
    QString displayName;   ///< e.g. "英　語"
    QString pairForward;   ///< direction caption foreign→Japanese, e.g. "英日"
    QString pairBackward;  ///< direction caption Japanese→foreign, e.g. "日英"
    QString radioCaption;  ///< caption of its radio button, e.g. "英語"
    int flagFirst;         ///< first flag picture of the language
    int flagLast;          ///< last flag picture of the language
};

inline constexpr int LanguageCount = 6;

const std::array<Language, LanguageCount> &Languages();

/// The three word-book folders of a language, in order.
inline const std::array<QString, 3> &BookFolderKinds()
{
    static const std::array<QString, 3> kinds{QStringLiteral("bookA"), QStringLiteral("bookG"),
                                              QStringLiteral("bookS")};
    return kinds;
}
