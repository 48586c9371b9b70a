#include "platform/WindowSystem.h"

#include "platform/null/NullWindowSystem.h"

#if defined(QUILL_PLATFORM_WIN32)
#include "platform/win32/Win32WindowSystem.h"
#elif defined(QUILL_PLATFORM_X11)
#include "platform/x11/X11WindowSystem.h"
#endif

#include <cstdlib>
#include <cstring>

namespace platform {

std::unique_ptr<WindowSystem> CreateWindowSystem()
{
#if defined(QUILL_PLATFORM_WIN32)
    return std::make_unique<Win32WindowSystem>();
#elif defined(QUILL_PLATFORM_X11)
    // A Wayland session may also offer an X server for older programs, but its own windows are
    // invisible there: on Wayland, tracking is not available.
    const char *session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = std::getenv("WAYLAND_DISPLAY") || (session && std::strcmp(session, "wayland") == 0);
    if (!wayland) {
        if (std::unique_ptr<X11WindowSystem> x11 = X11WindowSystem::Open())
            return x11;
    }
    return std::make_unique<NullWindowSystem>();
#else
    return std::make_unique<NullWindowSystem>();
#endif
}

}  // namespace platform
