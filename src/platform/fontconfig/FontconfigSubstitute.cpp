#include "platform/FontSubstitute.h"

#include <fontconfig/fontconfig.h>

namespace platform {

std::string SubstituteFontFamily(const std::string &family)
{
    // The same steps the toolkit takes: the configuration's rules (metric aliases such as
    // Arial -> Liberation Sans, the default sans-serif), the defaults, then the best match.
    FcPattern *pattern = FcPatternCreate();
    if (!pattern)
        return {};
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    std::string substitute;
    FcChar8 *name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
        substitute = reinterpret_cast<const char *>(name);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return substitute;
}

}  // namespace platform
