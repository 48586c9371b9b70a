#include "pads/TIPAboard1.h"

#include "symbols/PhoneticCatalogue.h"

#include <QLineEdit>
#include <QTextEdit>

TIPAboard1::TIPAboard1(Context context, QLineEdit *field, QTextEdit *info, QWidget *parent)
    : TIPAboard(std::move(context), parent), field_(field), info_(info)
{
    setObjectName(QStringLiteral("TIPAboard1"));
}

void TIPAboard1::InsertSymbol(const QString &text)
{
    field_->setFocus(Qt::OtherFocusReason);
    field_->insert(text);
}

void TIPAboard1::ShowSymbolInfo(char16_t code)
{
    info_->setPlainText(PhoneticSymbolInfoText(code));
}
