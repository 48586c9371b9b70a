#pragma once

#include "pads/TQuillmaren.h"

class QPlainTextEdit;

/// The letter pad of the main window's European input page: clicks go into the input area.
class TQuillmaren2 : public TQuillmaren
{
    Q_OBJECT

public:
    TQuillmaren2(CompositionEngine &engine, QPlainTextEdit *memo, QWidget *parent);
    void InsertSymbol(const QString &text) override;

private:
    QPlainTextEdit *memo_;
};
