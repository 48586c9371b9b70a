#pragma once

#include "pads/TIPAboard.h"

class QLineEdit;
class QTextEdit;

/// The phonetic pad of the main window's pad panel: symbols go into the second field, their
/// information into the box beside the pad.
class TIPAboard1 : public TIPAboard
{
    Q_OBJECT

public:
    TIPAboard1(Context context, QLineEdit *field, QTextEdit *info, QWidget *parent);
    void InsertSymbol(const QString &text) override;
    void ShowSymbolInfo(char16_t code) override;

private:
    QLineEdit *field_;
    QTextEdit *info_;
};
