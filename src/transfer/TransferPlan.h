#pragma once

#include "app/Settings.h"
#include "transfer/RichBuffers.h"

#include <QString>

/// How the transferred text is put on the clipboard.
enum class TransferEncoding { RichText, HexReferences, DecimalReferences, UnicodeText, Nothing };

/// A transfer mode's field (tens digit: 1 is the phonetic field) and encoding (units digit).
bool IsPhoneticMode(int transferMode);
TransferEncoding EncodingOfMode(int transferMode);
/// The mode display's text: "16進数値", "10進数値", "ユニコード", otherwise "リッチテキスト".
QString ModeDisplayText(int transferMode);

/// A field's whole text and its selected text (empty when nothing is selected).
struct FieldText {
    QString text;
    QString selected;
};

/// Everything one press of the transfer key does, decided before anything is done.
struct TransferPlan {
    bool phonetic = false;        ///< the source is the second field, not the input area
    TransferEncoding encoding = TransferEncoding::Nothing;
    QString text;                 ///< the text to transfer, before encoding; empty: no transfer
    QString fontName;             ///< rich text: the font the document carries
    int pointSize = 0;            ///< rich text: its size
    bool viaWorkFile = false;     ///< rich text by the second method, through the work file
    bool selectWholeField = false;///< the whole field was taken: select it afterwards
    bool clearFields = false;     ///< empty both fields afterwards
    bool sendToTarget = false;    ///< hand over to the automatic paste

    /// The text as the encoded forms carry it: with CR LF line breaks, as a Windows text has
    /// them (the fields hold LF).
    QString TextWithCrLf() const;
    /// The clipboard's plain text: the text itself, or the numeric references of TextWithCrLf.
    QString PlainText() const;
    /// The rich-text document of the transfer, of TextWithCrLf.
    QString RtfDocument() const;
};

/// Plans a transfer in the given mode. A selection wins over the whole field. Nothing is
/// transferred, pasted or cleared when the source is empty or the mode has no encoding.
TransferPlan PlanTransfer(const Settings &settings, const RichBuffers &buffers, const FieldText &main,
                          const FieldText &phonetic);
