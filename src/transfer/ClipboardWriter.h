#pragma once

#include <QByteArray>
#include <QString>

struct TransferPlan;

/// Puts a planned transfer on the clipboard: rich text as text/rtf (rtfDocument), text/html and
/// plain text; the other encodings as plain text only. Returns false, with a reason, when the
/// clipboard did not take it.
bool PutTransferOnClipboard(const TransferPlan &plan, const QByteArray &rtfDocument, QString *error);

/// Puts the transfer's plain text in the PRIMARY selection as well, for targets that paste
/// from it (Shift+Insert in the older terminals). Nothing where the system has no such selection.
void PutTransferOnPrimarySelection(const TransferPlan &plan);
