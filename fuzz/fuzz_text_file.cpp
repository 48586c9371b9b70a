// A text file of outside bytes: read into the input area's text, written and read back to the
// same text; the reports take any text.
#include "FuzzSupport.h"
#include "lib/TextTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextTools::TextFromFileBytes(Bytes(data, size));
    FUZZ_CHECK(!text.contains(u'\r'));
    const QString again = TextTools::TextFromFileBytes(TextTools::TextFileBytes(text));
    FUZZ_CHECK(again == (text.endsWith(u'\n') ? text : text + u'\n'));
    TextTools::CharacterCountText(text);
    TextTools::CodeValueText(QStringLiteral("欧文　文字数： "), text.left(64));
    return 0;
}
