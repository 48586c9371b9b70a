#pragma once

#include "app/Settings.h"

#include <QFlags>
#include <QObject>

#include <functional>

/// The program's one settings record. Everyone reads it through Get(); every change goes
/// through Change(), which compares the record before and after and announces once what
/// changed, so that the pages and panels showing a setting follow it without being called
/// one by one.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    /// What a change touched, as far as someone shows it.
    enum class Aspect {
        RowHeight = 0x1,          ///< the word list's row height (LV1LNHeight)
        WordListFonts = 0x2,      ///< the word list's fonts and their size additions
        FolderNames = 0x4,        ///< the folders' names: dictionary or grammar (DicNameFlg)
        PhoneticSymbolSet = 0x8,  ///< the phonetic pads' symbol set (IpaFullFlg)
        Other = 0x10,             ///< any other field
    };
    Q_DECLARE_FLAGS(Aspects, Aspect)
    Q_FLAG(Aspects)

    explicit SettingsStore(QObject *parent = nullptr);

    const Settings &Get() const { return settings_; }

    /// Runs edit on a copy of the record and takes the copy when it differs. Emits Changed once
    /// with what differs; nothing when edit left every field as it was. Returns what changed.
    Aspects Change(const std::function<void(Settings &)> &edit);

    /// The aspects in which two records differ.
    static Aspects Difference(const Settings &before, const Settings &after);

signals:
    void Changed(SettingsStore::Aspects what);

private:
    Settings settings_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsStore::Aspects)
