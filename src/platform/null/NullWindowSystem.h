#pragma once

#include "platform/WindowSystem.h"

namespace platform {

/// A desktop without window tracking or synthetic keys (Wayland and anything unknown):
/// no window is ever in front as far as the program can tell, and nothing is pasted.
class NullWindowSystem : public WindowSystem
{
public:
    bool CanPaste() const override { return false; }
    WindowId ForegroundWindow() override { return 0; }
    std::u16string WindowTitle(WindowId) override { return {}; }
    bool IsDesktopWindow(WindowId) override { return false; }
    bool BringToFront(WindowId) override { return false; }
    WindowClassNames WindowClass(WindowId) override { return {}; }
    void SendPasteKeystroke(PasteKeys) override {}
};

}  // namespace platform
