#include "symbols/PhoneticEntry.h"

#include "lib/ULib.h"

void PhoneticEntry::SetCandidates(std::optional<CandidateTable> candidates)
{
    candidates_ = std::move(candidates);
    selecting_ = false;
    phoneticKey_ = QChar();
    choiceIndex_ = 1;
    choices_.clear();
}

bool PhoneticEntry::HasCandidates(QChar key) const
{
    return key != SpaceKey && candidates_ && candidates_->contains(key);
}

void PhoneticEntry::OpenKey(QChar key)
{
    view_.SetKeyDown(key, true);
    choices_ = CandidatesOf(key);
    view_.ShowChoices(choices_, choiceIndex_);
}

void PhoneticEntry::Clear()
{
    choices_.clear();
    view_.ClearChoices();
}

void PhoneticEntry::EndSelection()
{
    selecting_ = false;
    choiceIndex_ = 1;
    Clear();
}

bool PhoneticEntry::PhoneticKeyPress(QChar c)
{
    if (!selecting_) {
        if (!HasCandidates(c))
            return false;
        OpenKey(c);
        selecting_ = true;
        phoneticKey_ = c;
        return true;
    }
    if (c == u'\r') {
        if (choiceIndex_ >= 1 && choiceIndex_ <= choices_.size())
            view_.InsertSymbol(choices_.at(choiceIndex_ - 1));
        EndSelection();
        return true;
    }
    if (c == u' ') {
        choiceIndex_ = choiceIndex_ + 1 > choices_.size() ? 1 : choiceIndex_ + 1;
        OpenKey(phoneticKey_);
        return true;
    }
    if (ULib::IsDecimalDigit(c)) {
        const int slot = c == u'0' ? 10 : c.unicode() - u'0';
        if (slot <= choices_.size()) {
            view_.InsertSymbol(choices_.at(slot - 1));
            EndSelection();
        }
        return true;
    }
    EndSelection();
    return false;
}

void PhoneticEntry::KeyClicked(QChar key, bool nowDown)
{
    Clear();
    if (HasCandidates(key) && nowDown) {
        choices_ = CandidatesOf(key);
        view_.ShowChoices(choices_, choiceIndex_);
    }
    if (key == SpaceKey)
        view_.InsertSymbol(QStringLiteral(" "));
}

void PhoneticEntry::SlotClicked(int slot)
{
    if (slot < 1 || slot > choices_.size())
        return;
    choiceIndex_ = slot;
    view_.ShowChoices(choices_, choiceIndex_);
    view_.InsertSymbol(choices_.at(slot - 1));
}
