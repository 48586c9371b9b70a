#pragma once

#include "app/Settings.h"
#include "lib/FileError.h"
#include "transfer/RichBuffers.h"
#include "transfer/TransferMode.h"

#include <QByteArray>
#include <QString>

#include <optional>

/// A field's whole text and its selected text (empty when nothing is selected).
struct FieldText {
    QString text;
    QString selected;
};

/// Everything one press of the transfer key does, decided before anything is done.
struct TransferPlan {
    bool phonetic = false;  ///< the source is the second field, not the input area
    TransferEncoding encoding = TransferEncoding::Nothing;
    QString text;                   ///< the text to transfer, before encoding; empty: no transfer
    QString fontName;               ///< rich text: the font the document carries
    int pointSize = 0;              ///< rich text: its size
    bool viaWorkFile = false;       ///< rich text by the second method, through the work file
    bool selectWholeField = false;  ///< the whole field was taken: select it afterwards
    bool clearFields = false;       ///< empty both fields afterwards
    bool sendToTarget = false;      ///< hand over to the automatic paste

    /// The text as the encoded forms carry it: with CR LF line breaks, as a Windows text has
    /// them (the fields hold LF).
    QString TextWithCrLf() const;
    /// The clipboard's plain text: the text itself, or the numeric references of TextWithCrLf.
    QString PlainText() const;
    /// The rich-text document of the transfer, of TextWithCrLf.
    QString RtfDocument() const;
};

/// Plans a transfer in the settings' mode. A selection wins over the whole field. Nothing is
/// transferred, pasted or cleared when the source is empty.
TransferPlan PlanTransfer(const Settings &settings, const RichBuffers &buffers, const FieldText &main,
                          const FieldText &phonetic);

/// The rich-text document for the clipboard. The first method builds it; the second writes
/// it to the work file in sysFolder and takes it back from there. None, with what went wrong
/// in error, when the work file cannot be written or read.
std::optional<QByteArray> RtfForClipboard(const TransferPlan &plan, const QString &sysFolder, FileError *error);
