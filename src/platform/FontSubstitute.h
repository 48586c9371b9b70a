#pragma once

#include <string>

namespace platform {

/// The installed font family the system draws text in when a program asks for family and that
/// family is not installed (UTF-8 names), or "" when the system does not say. Asked once per
/// family, it lets a program name the family it will really get, so that the toolkit does not
/// look for a stand-in again for every size, weight and script.
std::string SubstituteFontFamily(const std::string &family);

}  // namespace platform
