#include "pads/TIPAboard2.h"

#include "symbols/PhoneticCatalogue.h"

#include <QPlainTextEdit>
#include <QTextEdit>

TIPAboard2::TIPAboard2(Context context, QPlainTextEdit *field, QTextEdit *info, QWidget *parent)
    : TIPAboard(std::move(context), parent), field_(field), info_(info)
{
    setObjectName(QStringLiteral("TIPAboard2"));
}

void TIPAboard2::InsertSymbol(const QString &text)
{
    field_->setFocus(Qt::OtherFocusReason);
    field_->insertPlainText(text);
}

void TIPAboard2::ShowSymbolInfo(char16_t code)
{
    info_->setPlainText(PhoneticSymbolInfoText(code));
}
