#include "platform/FontSubstitute.h"

namespace platform {

// Where the toolkit itself picks stand-ins (Windows), there is nothing to add.
std::string SubstituteFontFamily(const std::string &)
{
    return {};
}

}  // namespace platform
