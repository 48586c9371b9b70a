#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

/// The five trigger keys, in pad row order: [ ] ^ ~ and backslash.
inline constexpr std::array<QChar, 5> TriggerKeys{u'[', u']', u'^', u'~', u'\\'};

bool IsTriggerKey(QChar c);

/// The 36 characters of the lower-case pad page, in pad order (indices 0..35).
const std::array<QString, 36> &LowerLetters();
/// The 36 characters of the upper-case pad page, in pad order (indices 0..35).
const std::array<QString, 36> &UpperLetters();

/// The composed character for a trigger and a follow-up key, or an empty string when
/// the pair is not in the table (the table is complete: every other pair has no result).
QString ComposeResult(QChar trigger, QChar followUp);

/// The follow-up key that composes result after trigger, or a null character when none does.
/// The letter pads take the blue key hints over their columns from here.
QChar FollowUpKeyFor(QChar trigger, QStringView result);

/// The two keys that compose a character: the trigger, then the follow-up key.
struct TriggerPair {
    QChar trigger;
    QChar followUp;
};

/// The keys that compose letter (one character), read from the same table as the engine, so
/// the hints shown to the user always agree with what typing does. When several pairs give the
/// letter, the first of the table; nothing when no pair composes it.
std::optional<TriggerPair> TriggerKeysFor(QStringView letter);
