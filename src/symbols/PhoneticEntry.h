#pragma once

#include "symbols/CandidateFile.h"

#include <QString>

#include <optional>

/// What phonetic entry needs of a phonetic pad.
class PhoneticEntryView
{
public:
    virtual ~PhoneticEntryView() = default;
    /// Fills the choice slots with the code units of choices and highlights slot highlighted
    /// (1-based), showing that symbol's information.
    virtual void ShowChoices(const QString &choices, int highlighted) = 0;
    /// Empties every slot.
    virtual void ClearChoices() = 0;
    /// Presses the key of a key character down (raising any other) or raises it.
    virtual void SetKeyDown(QChar key, bool down) = 0;
    /// Puts text into the host's field.
    virtual void InsertSymbol(const QString &text) = 0;
};

/// Entering phonetic symbols with a pad: typing a key character opens the key's choices,
/// space moves through them, Enter or a digit inserts one; the mouse does the same on keys
/// and slots. The candidates come from the symbol set's candidate file.
class PhoneticEntry
{
public:
    explicit PhoneticEntry(PhoneticEntryView &view) : view_(view) {}

    /// Takes a new candidate table (none: the file is missing) and resets the entry state.
    void SetCandidates(std::optional<CandidateTable> candidates);
    const std::optional<CandidateTable> &Candidates() const { return candidates_; }
    bool HasCandidates(QChar key) const;
    QString CandidatesOf(QChar key) const { return candidates_ ? candidates_->value(key) : QString(); }

    /// A character typed in the phonetic field; returns true when it was consumed.
    bool PhoneticKeyPress(QChar c);
    /// A click on a key: a candidate key that is now down shows its choices; the space key
    /// inserts a space.
    void KeyClicked(QChar key, bool nowDown);
    /// A click on choice slot 1..10 inserts its symbol and highlights it.
    void SlotClicked(int slot);

    bool Selecting() const { return selecting_; }
    int ChoiceIndex() const { return choiceIndex_; }
    int ChoiceCount() const { return choices_.size(); }

    /// The character of the space key.
    static constexpr QChar SpaceKey = u' ';

private:
    void OpenKey(QChar key);
    void EndSelection();
    void Clear();

    PhoneticEntryView &view_;
    std::optional<CandidateTable> candidates_;
    bool selecting_ = false;
    QChar phoneticKey_;
    int choiceIndex_ = 1;
    QString choices_;  ///< the filled slots
};
