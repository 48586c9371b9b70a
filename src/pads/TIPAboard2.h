#pragma once

#include "pads/TIPAboard.h"

class QPlainTextEdit;
class QTextEdit;

/// The phonetic pad of the word dialog: symbols go into the phonetic field, their information
/// into the box beside the pad.
class TIPAboard2 : public TIPAboard
{
    Q_OBJECT

public:
    TIPAboard2(Context context, QPlainTextEdit *field, QTextEdit *info, QWidget *parent);
    void InsertSymbol(const QString &text) override;
    void ShowSymbolInfo(char16_t code) override;

private:
    QPlainTextEdit *field_;
    QTextEdit *info_;
};
