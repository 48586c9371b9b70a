#pragma once

#include "pads/TQuillmaren.h"

/// The letter pad of the word dialog: a click goes into the dialog's field that has the focus,
/// when it is one of its text fields (named Edit… or Memo…); otherwise nowhere.
class TQuillmaren1 : public TQuillmaren
{
    Q_OBJECT

public:
    TQuillmaren1(CompositionEngine &engine, QWidget *parent);
    void InsertSymbol(const QString &text) override;
};
