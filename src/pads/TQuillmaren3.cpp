#include "pads/TQuillmaren3.h"

#include <QLineEdit>

TQuillmaren3::TQuillmaren3(CompositionEngine &engine, QLineEdit *field, QWidget *parent)
    : TQuillmaren(engine, parent), field_(field)
{
    setObjectName(QStringLiteral("TQuillmaren3"));
}

void TQuillmaren3::InsertSymbol(const QString &text)
{
    field_->setFocus(Qt::OtherFocusReason);
    field_->insert(text);
}
