// A parameter file of outside text: applied to the settings, kept in range, written and read
// back to the same settings.
#include "FuzzSupport.h"
#include "app/ParameterFile.h"
#include "lib/ULib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = ULib::DecodeTextBytes(Bytes(data, size)).split(QStringLiteral("\r\n"));
    Settings settings;
    ApplyParameterLines(lines, settings);
    KeepSettingsInRange(settings);
    Settings again;
    ApplyParameterLines(BuildParameterLines(settings), again);
    KeepSettingsInRange(again);
    FUZZ_CHECK(BuildParameterLines(again) == BuildParameterLines(settings));
    return 0;
}
