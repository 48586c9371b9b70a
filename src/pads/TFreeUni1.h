#pragma once

#include "pads/TFreeUni.h"

class QPlainTextEdit;

/// The free Unicode palette of the main window: symbols go into the input area.
class TFreeUni1 : public TFreeUni
{
    Q_OBJECT

public:
    TFreeUni1(SettingsStore &settings, QPlainTextEdit *memo, QWidget *parent);
    void LayoutPalette() override;
    void InsertSymbol(const QString &text) override;

private:
    QPlainTextEdit *memo_;
};
