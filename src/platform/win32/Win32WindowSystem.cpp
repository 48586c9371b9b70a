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
    // A minimised window is restored first: in front it would still show only in the taskbar.
    if (IsIconic(Handle(window)))
        ShowWindow(Handle(window), SW_RESTORE);
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

namespace {

struct ProcessWindowSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK TakeWindowOfProcess(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<ProcessWindowSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // The process's own top-level window: visible and owned by no other window.
    if (owner == search->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

WindowId Win32WindowSystem::WindowOfProcess(std::int64_t processId)
{
    ProcessWindowSearch search;
    search.processId = static_cast<DWORD>(processId);
    EnumWindows(TakeWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<WindowId>(search.found);
}

}  // namespace platform
