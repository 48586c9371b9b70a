#pragma once

#include <QString>

/// How the transferred text is put on the clipboard.
enum class TransferEncoding { RichText, HexReferences, DecimalReferences, UnicodeText, Nothing };

/// The transfer mode: the tens digit chooses the field (0 the input area, 1 the phonetic
/// field), the units digit the encoding. Only eight values mean something; any other stored
/// value (a hand-edited parameter file) is taken as the default 0, so that what the mode
/// display shows is what the transfer does.
class TransferMode
{
public:
    explicit TransferMode(int storedValue);

    /// One of 0, 1, 2, 3, 10, 11, 12, 13.
    int Value() const { return value_; }
    /// The source is the phonetic field.
    bool Phonetic() const { return value_ >= 10; }
    TransferEncoding Encoding() const;
    /// The mode display's text: "リッチテキスト", "16進数値", "10進数値" or "ユニコード".
    QString DisplayText() const;

    static bool IsValid(int storedValue);

private:
    int value_ = 0;
};
