#pragma once

#include "pads/TQuillmaren.h"

class QLineEdit;

/// The letter pad of the word-book search: clicks go into the search field (focused first).
class TQuillmaren3 : public TQuillmaren
{
    Q_OBJECT

public:
    TQuillmaren3(CompositionEngine &engine, QLineEdit *field, QWidget *parent);
    void InsertSymbol(const QString &text) override;

private:
    QLineEdit *field_;
};
