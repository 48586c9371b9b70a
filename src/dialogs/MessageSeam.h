#pragma once

#include <QString>

#include <functional>

class QWidget;

/// The one way the program shows modal messages: Japanese texts with Japanese buttons.
/// Tests replace the boxes with hooks that record the text and answer.
class MessageSeam
{
public:
    /// A warning or notice with a single はい button.
    static void Notify(QWidget *parent, const QString &text);
    /// A plain message with an OK button (reports such as the character count).
    static void Inform(QWidget *parent, const QString &text);
    /// A confirmation with はい and いいえ; true only for はい.
    static bool Ask(QWidget *parent, const QString &text);

    using NotifyHook = std::function<void(const QString &text)>;
    using AskHook = std::function<bool(const QString &text)>;
    /// Replaces the message boxes (pass empty hooks to restore them); notify also records the
    /// plain messages.
    static void Replace(NotifyHook notify, AskHook ask);
};
