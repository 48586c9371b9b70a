#include "pads/TIPAboard3.h"

#include <QLineEdit>

TIPAboard3::TIPAboard3(Context context, QLineEdit *field, QWidget *parent)
    : TIPAboard(std::move(context), parent), field_(field)
{
    setObjectName(QStringLiteral("TIPAboard3"));
}

void TIPAboard3::InsertSymbol(const QString &text)
{
    field_->setFocus(Qt::OtherFocusReason);
    field_->insert(text);
}
