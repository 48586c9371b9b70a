#pragma once

#include <QChar>
#include <QString>

#include <optional>

/// What the engine needs of a letter pad: paint or remove the follow-up highlighting.
class ComposePad
{
public:
    virtual ~ComposePad() = default;
    virtual void ShowFollowUps(QChar trigger) = 0;
    virtual void ClearFollowUps() = 0;
};

/// What the engine needs of the field that receives a composed character.
class ComposeField
{
public:
    virtual ~ComposeField() = default;
    virtual void FocusField() = 0;
    /// Replaces the selection with text; with no selection this inserts at the caret.
    /// An empty text just deletes the selection.
    virtual void ReplaceSelection(const QString &text) = 0;
};

/// One composing field as the engine sees it for one key: the pad that shows its pending
/// trigger (none when the pad does not exist at the moment) and the field that gets results.
struct ComposeHost {
    ComposePad *pad = nullptr;
    ComposeField *resultField = nullptr;
};

/// The trigger-key state machine. One engine serves every composing field of the program,
/// so a trigger typed in one field and a follow-up typed in another still compose.
class CompositionEngine
{
public:
    /// Feeds one typed UTF-16 code unit of a host field, before the field handles it.
    /// Returns true when the field must drop the character.
    bool ComposeKey(const ComposeHost &host, QChar typed);
    /// Feeds one typed character: a single code unit, or a surrogate pair (a character outside
    /// the BMP). A pair is never a trigger nor a follow-up: after a trigger it ends the
    /// pending state and is inserted whole. Returns true when the field must drop it.
    bool ComposeCharacter(const ComposeHost &host, QStringView character);

    /// The pending trigger, if any.
    std::optional<QChar> PendingTrigger() const { return pending_; }

    /// Ends a pending trigger without producing anything; every pad layout does this.
    void ResetPending() { pending_.reset(); }

private:
    std::optional<QChar> pending_;
};
