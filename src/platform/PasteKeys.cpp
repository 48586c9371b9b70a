#include "platform/PasteKeys.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace platform {

namespace {

struct TerminalRule {
    std::string_view name;  ///< lower case
    PasteKeys keys;
};

// The terminal emulators that do not paste on Ctrl+V. To add one, add its class name here.
constexpr TerminalRule kTerminals[] = {
    {"xterm", PasteKeys::ShiftInsert},
    {"urxvt", PasteKeys::ShiftInsert},
    {"rxvt", PasteKeys::ShiftInsert},
    {"gnome-terminal", PasteKeys::ControlShiftV},
    {"konsole", PasteKeys::ControlShiftV},
    {"xfce4-terminal", PasteKeys::ControlShiftV},
    {"mate-terminal", PasteKeys::ControlShiftV},
    {"lxterminal", PasteKeys::ControlShiftV},
    {"qterminal", PasteKeys::ControlShiftV},
    {"tilix", PasteKeys::ControlShiftV},
    {"terminator", PasteKeys::ControlShiftV},
    {"alacritty", PasteKeys::ControlShiftV},
    {"kitty", PasteKeys::ControlShiftV},
    {"wezterm", PasteKeys::ControlShiftV},
    {"st", PasteKeys::ControlShiftV},
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

/// A class name names the terminal as it is ("kitty"), with a suffix after a dash
/// ("gnome-terminal-server", "st-256color") or as the last part of a reversed domain
/// ("org.wezfurlong.wezterm").
bool Names(std::string_view className, std::string_view terminal)
{
    if (className == terminal)
        return true;
    if (className.size() > terminal.size() && className.substr(0, terminal.size()) == terminal &&
        className[terminal.size()] == '-')
        return true;
    return className.size() > terminal.size() && className.substr(className.size() - terminal.size()) == terminal &&
           className[className.size() - terminal.size() - 1] == '.';
}

}  // namespace

PasteKeys PasteKeysForWindowClass(std::string_view instanceName, std::string_view className)
{
    const std::string names[] = {Lower(instanceName), Lower(className)};
    for (const TerminalRule &rule : kTerminals) {
        for (const std::string &name : names) {
            if (Names(name, rule.name))
                return rule.keys;
        }
    }
    return PasteKeys::ControlV;
}

}  // namespace platform
