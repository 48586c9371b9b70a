#pragma once

#include "platform/WindowSystem.h"

#include <map>
#include <memory>
#include <string>

/// A desktop of named windows for tests: the test puts a window in front and reads what the
/// program did to it. A window without a name of its own is called "Editor".
struct FakeDesktop : platform::WindowSystem {
    std::map<platform::WindowId, std::u16string> titles;
    platform::WindowId front = 0xED170;  ///< not an id the program's own windows have
    platform::WindowId desktop = 0;      ///< a desktop or dock window
    bool refuse = false;                 ///< bringing a window forward fails
    std::map<platform::WindowId, platform::WindowClassNames> classes;
    std::shared_ptr<int> pastes = std::make_shared<int>(0);  ///< paste keystrokes sent
    std::shared_ptr<platform::PasteKeys> lastKeys = std::make_shared<platform::PasteKeys>();

    bool CanPaste() const override { return true; }
    platform::WindowId ForegroundWindow() override { return front; }
    std::u16string WindowTitle(platform::WindowId w) override
    {
        const auto title = titles.find(w);
        return title == titles.end() ? u"Editor" : title->second;
    }
    bool IsDesktopWindow(platform::WindowId w) override { return w == desktop; }
    bool BringToFront(platform::WindowId w) override
    {
        if (refuse)
            return false;
        front = w;
        return true;
    }
    platform::WindowClassNames WindowClass(platform::WindowId w) override
    {
        const auto names = classes.find(w);
        return names == classes.end() ? platform::WindowClassNames{} : names->second;
    }
    void SendPasteKeystroke(platform::PasteKeys keys) override
    {
        ++*pastes;
        *lastKeys = keys;
    }
};
