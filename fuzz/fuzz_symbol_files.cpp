// The phonetic candidate files and the free palette's code boxes, from outside text.
#include "FuzzSupport.h"
#include "lib/ULib.h"
#include "symbols/CandidateFile.h"
#include "symbols/FreePalette.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = ULib::DecodeTextBytes(Bytes(data, size));
    const CandidateFileResult result = ParseCandidateText(text, QStringLiteral("ipa_cand1.txt"));
    FUZZ_CHECK(result.table.has_value());
    // A malformed line is told by its number, a line of the text.
    if (result.error)
        FUZZ_CHECK(result.error->line >= 1 && result.error->line <= ULib::SplitLines(text).size());

    const CodeBoxOutcome outcome = ApplyCodeBoxText(QStringView(text).left(8));
    if (outcome.stored)
        FUZZ_CHECK(!outcome.stored->isSurrogate() && outcome.stored->unicode() >= 0x20);
    return 0;
}
