#pragma once

#include "pads/TFreeUni.h"

#include <QList>

/// The free palette of the word dialog: a symbol goes into the first of the dialog's fields
/// that has the focus, in the order given; when none has it, the last field takes the focus
/// and the symbol.
class TFreeUni2 : public TFreeUni
{
    Q_OBJECT

public:
    TFreeUni2(SettingsStore &settings, QList<QWidget *> fields, QWidget *parent);
    void LayoutPalette() override;
    void InsertSymbol(const QString &text) override;

private:
    QList<QWidget *> fields_;
};
