#pragma once

#include <QString>

/// What the program learns of the display before it starts its window system.
struct DisplayEnvironment {
    bool needsDisplayServer = false;  ///< Linux and other X11/Wayland desktops
    QString platform;                 ///< QT_QPA_PLATFORM: a platform asked for by name
    QString x11Display;               ///< DISPLAY
    QString waylandDisplay;           ///< WAYLAND_DISPLAY
    bool waylandPluginInstalled = false;
};

enum class DisplayChoice {
    AsGiven,  ///< start as the environment says
    X11,      ///< a Wayland session without Qt's Wayland plugin, but with an X server: use X11
    None,     ///< no display at all: the program cannot show a window
};

/// Which display to start on. A platform asked for by name is taken as it is.
DisplayChoice ChooseDisplay(const DisplayEnvironment &environment);

/// The environment of this process and the Qt installation.
DisplayEnvironment CurrentDisplayEnvironment();

/// What the program says on its error output when there is no display.
QString NoDisplayMessage();
