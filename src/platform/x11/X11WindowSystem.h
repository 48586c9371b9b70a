#pragma once

#include "platform/WindowSystem.h"

#include <memory>

namespace platform {

/// Window tracking and the paste keystroke on an X11 desktop, through a connection of its own:
/// the active window from the window manager (_NET_ACTIVE_WINDOW, or the input focus), titles
/// from _NET_WM_NAME or WM_NAME, activation by a client message, keys by XTest.
class X11WindowSystem : public WindowSystem
{
public:
    /// Opens the display named by DISPLAY; returns null when that fails.
    static std::unique_ptr<X11WindowSystem> Open();
    ~X11WindowSystem() override;

    bool CanPaste() const override { return true; }
    WindowId ForegroundWindow() override;
    std::u16string WindowTitle(WindowId window) override;
    bool IsDesktopWindow(WindowId window) override;
    bool BringToFront(WindowId window) override;
    WindowClassNames WindowClass(WindowId window) override;
    void SendPasteKeystroke(PasteKeys keys) override;
    WindowId WindowOfProcess(std::int64_t processId) override;

private:
    struct Connection;
    explicit X11WindowSystem(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> x_;
};

}  // namespace platform
