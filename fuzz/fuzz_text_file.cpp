// A text file of outside bytes: read into the input area's text; a text read cleanly is written
// in its format and read back to the same text; the reports take any text.
#include "FuzzSupport.h"
#include "lib/TextTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextTools::DecodedText decoded = TextTools::DecodeTextFile(Bytes(data, size));
    const QString &text = decoded.text;
    FUZZ_CHECK(!text.contains(u'\r'));
    const bool utf16 = decoded.format.encoding == TextTools::TextEncoding::Utf16LE ||
                       decoded.format.encoding == TextTools::TextEncoding::Utf16BE;
    // NULs in an 8-bit text would be read back as UTF-16 without a mark.
    if (decoded.clean && (utf16 || !text.contains(QChar(0)))) {
        const std::optional<QByteArray> bytes = TextTools::EncodeTextFile(text, decoded.format);
        FUZZ_CHECK(bytes || !utf16);
        if (bytes) {
            const bool gainsBreak = decoded.format.breakAfterLastLine && !text.endsWith(u'\n');
            FUZZ_CHECK(TextTools::DecodeTextFile(*bytes).text == (gainsBreak ? text + u'\n' : text));
        }
    }
    TextTools::CharacterCountText(text);
    TextTools::CodeValueText(QStringLiteral("欧文　文字数： "), text.left(64));
    return 0;
}
