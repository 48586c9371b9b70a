#pragma once

#include "pads/TQuillmaren.h"

class QLineEdit;
class QPlainTextEdit;

/// The letter pad of the word-book page's sliding panel: clicks go into the second field when
/// it has the focus, otherwise into the input area (which takes the focus).
class TQuillmaren5 : public TQuillmaren
{
    Q_OBJECT

public:
    TQuillmaren5(CompositionEngine &engine, QPlainTextEdit *memo, QLineEdit *edit, QWidget *parent);
    void InsertSymbol(const QString &text) override;

private:
    QPlainTextEdit *memo_;
    QLineEdit *edit_;
};
