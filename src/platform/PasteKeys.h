#pragma once

// Which keystroke pastes into a window. Most programs paste on Ctrl+V; terminal emulators
// pass Ctrl+V on to the program running in them and paste on Ctrl+Shift+V instead, and the
// oldest ones only on Shift+Insert, which pastes the PRIMARY selection.

#include <string_view>

namespace platform {

enum class PasteKeys {
    ControlV,
    ControlShiftV,
    ShiftInsert,  ///< pastes PRIMARY: the text must be placed there as well
};

/// The keystroke for a window by the two names of its class (on X11 the instance and class
/// parts of WM_CLASS). A window the table does not know gets Ctrl+V.
PasteKeys PasteKeysForWindowClass(std::string_view instanceName, std::string_view className);

}  // namespace platform
