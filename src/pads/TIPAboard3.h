#pragma once

#include "pads/TIPAboard.h"

class QLineEdit;

/// The phonetic pad of the word-book search: symbols go into the search field; their
/// information is shown nowhere.
class TIPAboard3 : public TIPAboard
{
    Q_OBJECT

public:
    TIPAboard3(Context context, QLineEdit *field, QWidget *parent);
    void InsertSymbol(const QString &text) override;

private:
    QLineEdit *field_;
};
