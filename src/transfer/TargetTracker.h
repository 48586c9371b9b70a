#pragma once

#include "platform/WindowSystem.h"

#include <QString>

#include <optional>

/// What the tracker shows of itself: the indicator and the window title.
class TargetView
{
public:
    virtual ~TargetView() = default;
    /// A target is remembered: the indicator turns red, the title names the target.
    virtual void ShowTarget(const QString &windowTitle) = 0;
    /// No target: the indicator turns white, the title is plain.
    virtual void ShowNoTarget() = 0;
    /// The window is one of the program's own. The watch runs while the program is in the
    /// background, but the window manager may bring it forward a moment before the program
    /// hears of it; its own windows are never targets.
    virtual bool IsOwnWindow(platform::WindowId window) const = 0;
};

/// Remembers the window the user works in while the program is in the background, and pastes
/// into it after a transfer. The timers belong to the window; this holds the state and the
/// decisions.
class TargetTracker
{
public:
    TargetTracker(platform::WindowSystem &windows, TargetView &view) : windows_(windows), view_(view) {}

    /// One tick of the watch: a new window in front becomes the target, unless it is the
    /// desktop, the start menu, a dock or panel, or one of the program's own windows.
    void SearchTimerTimer(bool autoPaste);

    /// Brings the target to the front. Returns the paste delay in milliseconds, or none when
    /// there is no target or it could not be brought to the front (it is then forgotten).
    std::optional<int> SendToTarget(bool slowPaste);

    /// The delayed paste: sends the target's paste keystroke if it is still in front.
    void PasteTimerTimer();

    /// Drops the target.
    void ForgetTarget();

    bool TargetKnown() const { return targetKnown_; }
    platform::WindowId TargetWindow() const { return targetWindow_; }
    bool EdgeTarget() const { return edgeTarget_; }
    /// The keystroke that pastes into the target (Ctrl+V unless it is a terminal).
    platform::PasteKeys TargetPasteKeys() const { return pasteKeys_; }

    /// The main window's title for a target's title.
    static QString TitleWithTarget(const QString &targetTitle);

private:
    platform::WindowSystem &windows_;
    TargetView &view_;
    platform::WindowId targetWindow_ = 0;
    bool targetKnown_ = false;
    bool edgeTarget_ = false;
    platform::PasteKeys pasteKeys_ = platform::PasteKeys::ControlV;
};
