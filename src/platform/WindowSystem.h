#pragma once

// The thin layer over the desktop's window system that the automatic paste needs. Plain C++
// without Qt types, so that every backend compiles on its own.

#include "platform/PasteKeys.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

/// A top-level window of the desktop; 0 is no window.
using WindowId = std::uint64_t;

/// The names a window's program gives its class (X11's WM_CLASS: instance, then class).
struct WindowClassNames {
    std::string instanceName;
    std::string className;
};

class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    /// False when this desktop offers no way to watch windows or send keys (the null backend).
    virtual bool CanPaste() const = 0;
    /// The window the user works in, or 0.
    virtual WindowId ForegroundWindow() = 0;
    /// The window's title, UTF-16, at most 254 code units.
    virtual std::u16string WindowTitle(WindowId window) = 0;
    /// True for windows that are never targets although they can be in front (the desktop,
    /// docks and panels).
    virtual bool IsDesktopWindow(WindowId window) = 0;
    /// Brings the window to the front with the keyboard focus; false when that failed
    /// (the window is gone or refuses).
    virtual bool BringToFront(WindowId window) = 0;
    /// The window's class names; empty where the desktop has none to tell.
    virtual WindowClassNames WindowClass(WindowId window) = 0;
    /// Sends the paste keystroke to the window in front.
    virtual void SendPasteKeystroke(PasteKeys keys) = 0;
    /// A top-level window the desktop lists for that process (minimised ones too), or 0.
    virtual WindowId WindowOfProcess(std::int64_t /*processId*/) { return 0; }
};

/// The backend for the session this process runs in: X11 when a display connection opens,
/// Win32 on Windows, otherwise (Wayland and anything else) the null backend.
std::unique_ptr<WindowSystem> CreateWindowSystem();

}  // namespace platform
