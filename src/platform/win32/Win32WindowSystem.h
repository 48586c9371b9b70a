#pragma once

#include "platform/WindowSystem.h"

namespace platform {

/// Window tracking and the paste keystroke on Windows, through the user-interface calls.
class Win32WindowSystem : public WindowSystem
{
public:
    bool CanPaste() const override { return true; }
    WindowId ForegroundWindow() override;
    std::u16string WindowTitle(WindowId window) override;
    bool IsDesktopWindow(WindowId) override { return false; }  // the desktop is recognised by its title
    bool BringToFront(WindowId window) override;
    WindowClassNames WindowClass(WindowId window) override;
    void SendPasteKeystroke(PasteKeys keys) override;
    WindowId WindowOfProcess(std::int64_t processId) override;
};

}  // namespace platform
