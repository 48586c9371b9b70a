#pragma once

#include <QChar>
#include <QString>

#include <array>

/// The eight symbols of the free Unicode palette, one UTF-16 code unit each.
using FreeSymbols = std::array<QChar, 8>;

/// Every user setting of the program. A default-constructed record holds the defaults;
/// each field is named after its key in the parameter file.
struct Settings {
    int MainLeft = -1;
    int MainTop = -1;
    int MainWidth = 740;
    int MainHeight = 730;
    int InpMode = 0;
    int RecFlagNumber = -1;
    int MainFontSize = 20;
    int IPAFontSize = 16;
    int TransMainFSize = 20;
    int TransIPAFSize = 16;
    int TransMode = 0;
    int CurrentFolderIndex = 0;
    int SearchFolderIndex = 0;
    int ColWidth0 = 150;
    int ColWidth1 = 60;
    int ColWidth2 = 120;
    int ColWidth3 = 120;
    int ColWidth4 = 150;
    int ColWidth5 = 200;
    int LV1LNHeight = 26;
    int OBNadd = 2;
    int IPAadd = 1;
    int JPNadd = 0;
    int FirstPage = 0;

    bool PFlg = false;
    bool KanaFlg = false;
    bool IpaFullFlg = false;
    bool AutoPasteFlg = true;
    bool TransClearFlg = false;
    bool SlowPasteFlg = false;
    bool Method2Flg = false;
    bool MemPosFlg = true;
    bool LastVisibleFlg = false;
    bool ResetInputFlg = true;
    bool RegClearFlg = true;
    bool TransFSFlg = false;
    bool EiwaFlg = true;
    bool DicNameFlg = false;
    bool NoSampleFlg = false;

    QString MainFont = QStringLiteral("Times New Roman");
    QString IPAFont = QStringLiteral("Segoe UI");
    QString MyJpFont = QStringLiteral("MS UI Gothic");

    /// ○ □ ◇ ☆ ● ■ ◆ ★
    FreeSymbols FreeUBox{QChar(0x25CB), QChar(0x25A1), QChar(0x25C7), QChar(0x2606),
                         QChar(0x25CF), QChar(0x25A0), QChar(0x25C6), QChar(0x2605)};

    bool operator==(const Settings &) const = default;
};

/// Puts every field to its default.
inline void SetDefaults(Settings &settings)
{
    settings = Settings{};
}
