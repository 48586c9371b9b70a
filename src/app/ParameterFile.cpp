#include "app/ParameterFile.h"

#include "lib/ULib.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace {

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

struct IntegerKey {
    const char *key;
    int Settings::*field;
    int fallback;  ///< taken when the value is present but not an integer
};

struct FlagKey {
    const char *key;
    bool Settings::*field;
};

struct FontKey {
    const char *key;
    QString Settings::*field;
};

// The file order is: the 24 integers, the 15 flags, the 3 font names, then FreeUBox.
const IntegerKey kIntegerKeys[] = {
    {"MainLeft", &Settings::MainLeft, -1},
    {"MainTop", &Settings::MainTop, -1},
    {"MainWidth", &Settings::MainWidth, -1},
    {"MainHeight", &Settings::MainHeight, -1},
    {"InpMode", &Settings::InpMode, 0},
    {"RecFlagNumber", &Settings::RecFlagNumber, -1},
    {"MainFontSize", &Settings::MainFontSize, 20},
    {"IPAFontSize", &Settings::IPAFontSize, 16},
    {"TransMainFSize", &Settings::TransMainFSize, 20},
    {"TransIPAFSize", &Settings::TransIPAFSize, 16},
    {"TransMode", &Settings::TransMode, 0},
    {"CurrentFolderIndex", &Settings::CurrentFolderIndex, 0},
    {"SearchFolderIndex", &Settings::SearchFolderIndex, 0},
    {"ColWidth0", &Settings::ColWidth0, 150},
    {"ColWidth1", &Settings::ColWidth1, 60},
    {"ColWidth2", &Settings::ColWidth2, 120},
    {"ColWidth3", &Settings::ColWidth3, 120},
    {"ColWidth4", &Settings::ColWidth4, 150},
    {"ColWidth5", &Settings::ColWidth5, 200},
    {"LV1LNHeight", &Settings::LV1LNHeight, 26},
    {"OBNadd", &Settings::OBNadd, 2},
    {"IPAadd", &Settings::IPAadd, 1},
    {"JPNadd", &Settings::JPNadd, 0},
    {"FirstPage", &Settings::FirstPage, 0},
};

const FlagKey kFlagKeys[] = {
    {"PFlg", &Settings::PFlg},
    {"KanaFlg", &Settings::KanaFlg},
    {"IpaFullFlg", &Settings::IpaFullFlg},
    {"AutoPasteFlg", &Settings::AutoPasteFlg},
    {"TransClearFlg", &Settings::TransClearFlg},
    {"SlowPasteFlg", &Settings::SlowPasteFlg},
    {"Method2Flg", &Settings::Method2Flg},
    {"MemPosFlg", &Settings::MemPosFlg},
    {"LastVisibleFlg", &Settings::LastVisibleFlg},
    {"ResetInputFlg", &Settings::ResetInputFlg},
    {"RegClearFlg", &Settings::RegClearFlg},
    {"TransFSFlg", &Settings::TransFSFlg},
    {"EiwaFlg", &Settings::EiwaFlg},
    {"DicNameFlg", &Settings::DicNameFlg},
    {"NoSampleFlg", &Settings::NoSampleFlg},
};

const FontKey kFontKeys[] = {
    {"MainFont", &Settings::MainFont},
    {"IPAFont", &Settings::IPAFont},
    {"MyJpFont", &Settings::MyJpFont},
};

const char kFreeSymbolsKey[] = "FreeUBox";

// A real parameter file is about a kilobyte; reading is capped so that a huge or binary
// file put in its place cannot stall the start.
constexpr qint64 kMaxParameterFileBytes = 1 << 20;

/// A whole-value decimal integer with an optional sign, within the int range.
std::optional<int> ParseInteger(const QString &value)
{
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

/// Eight groups of four hexadecimal digits; any group that is not hexadecimal rejects the
/// whole value, so the palette is never left half changed.
std::optional<FreeSymbols> ParseFreeSymbols(const QString &value)
{
    if (value.size() != 32)
        return std::nullopt;
    FreeSymbols symbols;
    for (int i = 0; i < 8; ++i) {
        const QStringView group = QStringView(value).mid(i * 4, 4);
        bool ok = false;
        const uint code = group.toUInt(&ok, 16);
        if (!ok || !std::all_of(group.begin(), group.end(), IsHexDigit))
            return std::nullopt;
        symbols[i] = QChar(static_cast<char16_t>(code));
    }
    return symbols;
}

QString FreeSymbolsText(const FreeSymbols &symbols)
{
    QString text;
    for (QChar c : symbols)
        text += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return text;
}

/// Only a line of exactly two fields is a setting: its key and its value.
QStringList SettingFields(const QString &line)
{
    QStringList fields = ULib::SplitCommaText(line);
    if (fields.size() != 2)
        fields.clear();
    return fields;
}

}  // namespace

QString LookupKey(const QStringList &lines, QStringView key)
{
    for (const QString &line : lines) {
        const QStringList fields = SettingFields(line);
        if (!fields.isEmpty() && fields[0] == key)
            return fields[1];
    }
    return {};
}

void ApplyParameterLines(const QStringList &lines, Settings &settings)
{
    // Each line is split once; the first line of a key counts, as LookupKey finds it.
    QHash<QString, QString> values;
    for (const QString &line : lines) {
        const QStringList fields = SettingFields(line);
        if (!fields.isEmpty() && !values.contains(fields[0]))
            values.insert(fields[0], fields[1]);
    }
    const auto valueOf = [&values](const char *key) { return values.value(QString::fromLatin1(key)); };

    for (const IntegerKey &key : kIntegerKeys) {
        const QString value = valueOf(key.key);
        if (!value.isEmpty())
            settings.*key.field = ParseInteger(value).value_or(key.fallback);
    }
    for (const FlagKey &key : kFlagKeys) {
        const QString value = valueOf(key.key);
        if (!value.isEmpty())
            settings.*key.field = value == u"1";
    }
    for (const FontKey &key : kFontKeys) {
        const QString value = valueOf(key.key);
        if (!value.isEmpty())
            settings.*key.field = value;
    }
    const QString symbols = valueOf(kFreeSymbolsKey);
    if (const std::optional<FreeSymbols> parsed = ParseFreeSymbols(symbols))
        settings.FreeUBox = *parsed;
}

std::optional<FileError> ReadParameterFile(const QString &sysFolder, Settings &settings)
{
    QFile file(sysFolder + u'/' + ParameterFileName);
    if (!file.exists())
        return std::nullopt;  // the first start: the defaults stand
    if (!QFileInfo(file).isFile())
        return FileError::Because(FileError::Code::Unreadable, file.fileName(), FileError::Reason::NotRegularFile);
    if (!file.open(QIODevice::ReadOnly))
        return FileError::CannotRead(file);
    const QStringList lines = ULib::SplitLines(ULib::ReadTextFileCapped(file, kMaxParameterFileBytes));
    ApplyParameterLines(lines, settings);
    return std::nullopt;
}

QStringList BuildParameterLines(const Settings &settings)
{
    QStringList lines;
    for (const IntegerKey &key : kIntegerKeys)
        lines << QStringLiteral("%1,%2").arg(QLatin1String(key.key)).arg(settings.*key.field);
    for (const FlagKey &key : kFlagKeys)
        lines << QStringLiteral("%1,%2").arg(QLatin1String(key.key)).arg(settings.*key.field ? 1 : 0);
    // A quote inside a value is doubled, as the reader's comma text expects.
    for (const FontKey &key : kFontKeys)
        lines << QStringLiteral("%1,\"%2\"")
                     .arg(QLatin1String(key.key), QString(settings.*key.field).replace(u'"', QStringLiteral("\"\"")));
    lines << QStringLiteral("%1,\"%2\"").arg(QLatin1String(kFreeSymbolsKey), FreeSymbolsText(settings.FreeUBox));
    return lines;
}

std::optional<FileError> WriteParameterFile(const QString &sysFolder, const Settings &settings)
{
    const QByteArray bytes =
        QStringEncoder(QStringConverter::System)(ULib::JoinLinesCrLf(BuildParameterLines(settings)));
    return ULib::WriteFileAtomically(sysFolder + u'/' + ParameterFileName, bytes);
}

WindowGeometry GeometryToSave(const WindowGeometry &window, QSize screen)
{
    const bool inside = window.left > 0 && window.top > 0 && window.left + window.width < screen.width() &&
                        window.top + window.height < screen.height();
    if (inside)
        return window;
    return {(screen.width() - 740) / 2, (screen.height() - 740) / 2, 740, 740};
}

namespace {

// Room for the frame the window manager draws around the window (title bar and borders).
constexpr int kFrameWidth = 16, kFrameHeight = 48;

}  // namespace

QSize MinimumWindowSize(QSize available)
{
    constexpr int leastWidth = 320, leastHeight = 240;
    return {qBound(leastWidth, available.width() - kFrameWidth, 740),
            qBound(leastHeight, available.height() - kFrameHeight, 730)};
}

WindowGeometry GeometryToRestore(const Settings &settings, QSize screen, QSize available)
{
    const QSize minimum = MinimumWindowSize(available);
    const int minimumWidth = minimum.width(), minimumHeight = minimum.height();
    // The largest window whose frame still fits the available area.
    const QSize largest = available - QSize(kFrameWidth, kFrameHeight);
    const bool usable = settings.MainWidth >= minimumWidth && settings.MainHeight >= minimumHeight;
    WindowGeometry g;
    g.width = usable ? qMax(minimumWidth, qMin(settings.MainWidth, largest.width())) : minimumWidth;
    g.height = usable ? qMax(minimumHeight, qMin(settings.MainHeight, largest.height())) : minimumHeight;
    if (usable && settings.MainLeft != -1 && settings.MemPosFlg) {
        // A place saved on a larger screen (or another resolution) is moved onto this one.
        g.left = qBound(0, settings.MainLeft, qMax(0, available.width() - g.width));
        g.top = qBound(0, settings.MainTop, qMax(0, available.height() - g.height));
    } else {
        g.left = (screen.width() - g.width) / 2;
        g.top = (screen.height() - g.height) / 2;
    }
    return g;
}

void KeepSettingsInRange(Settings &settings)
{
    Settings defaults;
    SetDefaults(defaults);
    const auto keep = [](int &size, int minimum, int maximum, int fallback) {
        if (size < minimum || size > maximum)
            size = fallback;
    };
    keep(settings.MainFontSize, 8, 200, defaults.MainFontSize);
    keep(settings.IPAFontSize, 9, 40, defaults.IPAFontSize);
    keep(settings.TransMainFSize, 8, 200, defaults.TransMainFSize);
    keep(settings.TransIPAFSize, 8, 200, defaults.TransIPAFSize);
    settings.LV1LNHeight = qBound(22, settings.LV1LNHeight, 40);
    for (int *addition : {&settings.OBNadd, &settings.IPAadd, &settings.JPNadd})
        *addition = qBound(0, *addition, 8);
}
