#include "compose/CompositionEngine.h"

#include "compose/ComposeTable.h"

bool CompositionEngine::ComposeKey(const ComposeHost &host, QChar typed)
{
    if (pending_) {
        // Any key ends the pending state, even one that is not in the table: it is
        // swallowed, and its (possibly empty) result replaces the field's selection.
        const QString result = ComposeResult(*pending_, typed);
        if (host.resultField) {
            host.resultField->FocusField();
            host.resultField->ReplaceSelection(result);
        }
        pending_.reset();
        if (host.pad)
            host.pad->ClearFollowUps();
        return true;
    }
    if (IsTriggerKey(typed)) {
        pending_ = typed;
        if (host.pad)
            host.pad->ShowFollowUps(typed);
        return true;
    }
    return false;
}

bool CompositionEngine::ComposeCharacter(const ComposeHost &host, QStringView character)
{
    if (character.size() == 1)
        return ComposeKey(host, character.front());
    if (!pending_)
        return false;
    pending_.reset();
    if (host.pad)
        host.pad->ClearFollowUps();
    if (host.resultField) {
        host.resultField->FocusField();
        host.resultField->ReplaceSelection(character.toString());
    }
    return true;
}
