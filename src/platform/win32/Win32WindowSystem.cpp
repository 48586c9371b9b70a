#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

namespace platform {

namespace {
HWND Handle(WindowId window)
{
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(window));
}
}  // namespace

WindowId Win32WindowSystem::ForegroundWindow()
{
    return static_cast<WindowId>(reinterpret_cast<ULONG_PTR>(GetForegroundWindow()));
}

std::u16string Win32WindowSystem::WindowTitle(WindowId window)
{
    wchar_t buffer[255] = {};
    const int length = GetWindowTextW(Handle(window), buffer, 255);
    return std::u16string(reinterpret_cast<const char16_t *>(buffer), length > 0 ? length : 0);
}

bool Win32WindowSystem::BringToFront(WindowId window)
{
    return SetForegroundWindow(Handle(window)) != 0;
}

WindowClassNames Win32WindowSystem::WindowClass(WindowId window)
{
    char name[256] = {};
    const int length = GetClassNameA(Handle(window), name, sizeof name);
    return {{}, std::string(name, length > 0 ? length : 0)};
}

void Win32WindowSystem::SendPasteKeystroke(PasteKeys keys)
{
    if (keys == PasteKeys::ShiftInsert) {
        keybd_event(VK_SHIFT, 0, 0, 0);
        keybd_event(VK_INSERT, 0, KEYEVENTF_EXTENDEDKEY, 0);
        keybd_event(VK_INSERT, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        return;
    }
    // Ctrl down, V down, Ctrl up: the order the program has always sent.
    keybd_event(VK_CONTROL, 0, 0, 0);
    if (keys == PasteKeys::ControlShiftV)
        keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event('V', 0, 0, 0);
    if (keys == PasteKeys::ControlShiftV)
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace platform
