#include "platform/x11/X11WindowSystem.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace platform {

struct X11WindowSystem::Connection {
    Display *display = nullptr;
    Window root = 0;
    Atom netActiveWindow = 0, netWmName = 0, utf8String = 0, netWmWindowType = 0, typeDesktop = 0, typeDock = 0;
    Atom netClientList = 0, netWmPid = 0;
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }
};

namespace {

// Requests about windows that have just been closed fail with BadWindow; Xlib's default
// handler would end the process. While a trap is set, errors are only counted.
int g_errors = 0;
int CountError(Display *, XErrorEvent *)
{
    ++g_errors;
    return 0;
}

class ErrorTrap
{
public:
    explicit ErrorTrap(Display *display) : display_(display), previous_(XSetErrorHandler(CountError)) { g_errors = 0; }
    ~ErrorTrap() { XSetErrorHandler(previous_); }
    /// Waits for the server to answer everything sent so far; true when nothing failed.
    bool Ok()
    {
        XSync(display_, False);
        return g_errors == 0;
    }

private:
    Display *display_;
    XErrorHandler previous_;
};

/// A window property as raw items; empty when it is missing.
std::vector<unsigned char> Property(Display *display, Window window, Atom property, Atom type, int &format,
                                    unsigned long &items)
{
    Atom actualType = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    items = 0;
    format = 0;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &items, &remaining,
                           &data) != Success ||
        !data) {
        return {};
    }
    const std::size_t bytes = format == 32 ? items * sizeof(long) : items * (format / 8);
    std::vector<unsigned char> value(data, data + bytes);
    XFree(data);
    return value;
}

std::u16string Utf8ToUtf16(const std::string &utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = utf8[i];
        char32_t code = 0xFFFD;
        std::size_t length = 1;
        if (c < 0x80) {
            code = c;
        } else if ((c >> 5) == 0x6 && i + 1 < utf8.size()) {
            code = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            length = 2;
        } else if ((c >> 4) == 0xE && i + 2 < utf8.size()) {
            code = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            length = 3;
        } else if ((c >> 3) == 0x1E && i + 3 < utf8.size()) {
            code =
                ((c & 0x07) << 18) | ((utf8[i + 1] & 0x3F) << 12) | ((utf8[i + 2] & 0x3F) << 6) | (utf8[i + 3] & 0x3F);
            length = 4;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += char16_t(0xD800 + (code >> 10));
            out += char16_t(0xDC00 + (code & 0x3FF));
        } else {
            out += char16_t(code);
        }
        i += length;
    }
    return out;
}

}  // namespace

std::unique_ptr<X11WindowSystem> X11WindowSystem::Open()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    auto x = std::make_unique<Connection>();
    x->display = display;
    x->root = DefaultRootWindow(display);
    x->netActiveWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    x->netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    x->utf8String = XInternAtom(display, "UTF8_STRING", False);
    x->netWmWindowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    x->typeDesktop = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
    x->typeDock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    x->netClientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
    x->netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    return std::unique_ptr<X11WindowSystem>(new X11WindowSystem(std::move(x)));
}

X11WindowSystem::X11WindowSystem(std::unique_ptr<Connection> connection) : x_(std::move(connection)) {}

X11WindowSystem::~X11WindowSystem() = default;

WindowId X11WindowSystem::ForegroundWindow()
{
    ErrorTrap trap(x_->display);
    int format = 0;
    unsigned long items = 0;
    const std::vector<unsigned char> active =
        Property(x_->display, x_->root, x_->netActiveWindow, XA_WINDOW, format, items);
    if (format == 32 && items >= 1) {
        Window window = 0;
        std::memcpy(&window, active.data(), sizeof(long));
        if (window != 0)
            return window;
    }
    // Without a window manager that names the active window, the focus window stands in.
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(x_->display, &focus, &revert);
    if (!trap.Ok() || focus == PointerRoot || focus == None)
        return 0;
    return focus;
}

std::u16string X11WindowSystem::WindowTitle(WindowId window)
{
    ErrorTrap trap(x_->display);
    std::u16string title;
    int format = 0;
    unsigned long items = 0;
    const std::vector<unsigned char> name = Property(x_->display, window, x_->netWmName, x_->utf8String, format, items);
    if (format == 8 && !name.empty()) {
        title = Utf8ToUtf16(std::string(name.begin(), name.end()));
    } else {
        XTextProperty property{};
        if (XGetWMName(x_->display, window, &property) && property.value) {
            char **list = nullptr;
            int count = 0;
            if (Xutf8TextPropertyToTextList(x_->display, &property, &list, &count) >= Success && count > 0 && list) {
                title = Utf8ToUtf16(list[0]);
                XFreeStringList(list);
            }
            XFree(property.value);
        }
    }
    trap.Ok();
    if (title.size() > 254)
        title.resize(254);
    return title;
}

bool X11WindowSystem::IsDesktopWindow(WindowId window)
{
    ErrorTrap trap(x_->display);
    int format = 0;
    unsigned long items = 0;
    const std::vector<unsigned char> types = Property(x_->display, window, x_->netWmWindowType, XA_ATOM, format, items);
    trap.Ok();
    for (unsigned long i = 0; format == 32 && i < items; ++i) {
        Atom type = 0;
        std::memcpy(&type, types.data() + i * sizeof(long), sizeof(long));
        if (type == x_->typeDesktop || type == x_->typeDock)
            return true;
    }
    return false;
}

bool X11WindowSystem::BringToFront(WindowId window)
{
    // Fails only when the window is gone; a minimised window is asked to come back like any
    // other, and the paste later checks that it really is in front.
    ErrorTrap trap(x_->display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x_->display, window, &attributes) || !trap.Ok())
        return false;

    // Ask the window manager to activate it, as a pager would (source indication 2), so that
    // focus-stealing prevention lets it through.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x_->netActiveWindow;
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x_->display, x_->root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(x_->display, window);
    if (attributes.map_state == IsViewable)
        XSetInputFocus(x_->display, window, RevertToParent, CurrentTime);
    return trap.Ok();
}

WindowClassNames X11WindowSystem::WindowClass(WindowId window)
{
    ErrorTrap trap(x_->display);
    WindowClassNames names;
    XClassHint hint{};
    if (XGetClassHint(x_->display, window, &hint)) {
        if (hint.res_name)
            names.instanceName = hint.res_name;
        if (hint.res_class)
            names.className = hint.res_class;
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    trap.Ok();
    return names;
}

void X11WindowSystem::SendPasteKeystroke(PasteKeys keys)
{
    std::vector<KeyCode> held;  // modifiers, pressed in order and released the other way round
    KeySym key = XK_v;
    if (keys == PasteKeys::ShiftInsert) {
        held = {XKeysymToKeycode(x_->display, XK_Shift_L)};
        key = XK_Insert;
    } else {
        held = {XKeysymToKeycode(x_->display, XK_Control_L)};
        if (keys == PasteKeys::ControlShiftV)
            held.push_back(XKeysymToKeycode(x_->display, XK_Shift_L));
    }
    const KeyCode code = XKeysymToKeycode(x_->display, key);
    if (code == 0 || std::find(held.begin(), held.end(), KeyCode(0)) != held.end())
        return;
    // The key is released before its modifiers: on X11 a key left down would repeat.
    for (KeyCode modifier : held)
        XTestFakeKeyEvent(x_->display, modifier, True, CurrentTime);
    XTestFakeKeyEvent(x_->display, code, True, CurrentTime);
    XTestFakeKeyEvent(x_->display, code, False, CurrentTime);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        XTestFakeKeyEvent(x_->display, *modifier, False, CurrentTime);
    XFlush(x_->display);
}

WindowId X11WindowSystem::WindowOfProcess(std::int64_t processId)
{
    // The window manager lists the managed top-level windows, minimised ones included; each
    // names its process in _NET_WM_PID.
    ErrorTrap trap(x_->display);
    int format = 0;
    unsigned long items = 0;
    const std::vector<unsigned char> list =
        Property(x_->display, x_->root, x_->netClientList, XA_WINDOW, format, items);
    if (format != 32)
        return 0;
    for (unsigned long k = 0; k < items; ++k) {
        Window window = 0;
        std::memcpy(&window, list.data() + k * sizeof(long), sizeof window);
        int pidFormat = 0;
        unsigned long pidItems = 0;
        const std::vector<unsigned char> pid =
            Property(x_->display, window, x_->netWmPid, XA_CARDINAL, pidFormat, pidItems);
        long value = 0;
        if (pidFormat == 32 && pidItems == 1)
            std::memcpy(&value, pid.data(), sizeof value);
        if (value == processId && trap.Ok())
            return window;
    }
    return 0;
}

}  // namespace platform
