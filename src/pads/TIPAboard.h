#pragma once

#include "symbols/IpaPadGeometry.h"
#include "symbols/PhoneticEntry.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QToolButton;
class TShape;

/// The phonetic pad: 48 keys laid out like a keyboard, and ten choice slots above them that
/// offer the candidate symbols of the pressed key. Keys typed in the host's phonetic field
/// reach it through PhoneticKeyPress. Each host's subclass decides where a symbol goes and
/// where its information is shown.
class TIPAboard : public QFrame, private PhoneticEntryView
{
    Q_OBJECT

public:
    /// The settings a pad reads: where the symbol sets lie, which one is chosen, the font of
    /// the symbols; and where a malformed candidate file is reported.
    struct Context {
        QString tblFolder;
        std::function<bool()> fullSet;
        std::function<QString()> ipaFont;
        std::function<void(const QString &message)> reportError;
    };

    TIPAboard(Context context, QWidget *parent);

    /// Lays the pad out for its size and resets the entry; the symbol set is read the first
    /// time and whenever the chosen set changed since.
    void LayoutPad();
    /// Reads the chosen symbol set again (the user chose another one).
    void ReloadCandidates();
    /// A character typed in the host's phonetic field; true when the pad consumed it.
    bool PhoneticKeyPress(QChar c) { return entry_.PhoneticKeyPress(c); }

    virtual void InsertSymbol(const QString &text) override;
    /// Shows a symbol's catalogue entry; the base pad shows it nowhere.
    virtual void ShowSymbolInfo(char16_t code);

    const PhoneticEntry &Entry() const { return entry_; }
    const IpaPadGeometry &Geometry() const { return geometry_; }

    /// The key characters in key order; the tenth key is the space.
    static const std::array<QChar, 48> &KeyCharacters();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class ChoiceSlot;

    void ShowChoices(const QString &choices, int highlighted) override;
    void ClearChoices() override;
    void SetKeyDown(QChar key, bool down) override;
    QToolButton *KeyOf(QChar key) const;

    Context context_;
    PhoneticEntry entry_;
    IpaPadGeometry geometry_;
    TShape *shape1_ = nullptr;
    QString reportedError_;
    std::optional<bool> loadedFullSet_;
    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    std::array<QToolButton *, 48> Keys{};   ///< SpeedButton1..48
    std::array<QWidget *, 10> Slots{};      ///< Image1..10
    std::array<QLabel *, 10> SlotLabels{};  ///< Label1..10  ///< the set the candidates were read from
};
