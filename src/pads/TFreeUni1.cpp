#include "pads/TFreeUni1.h"

#include <QPlainTextEdit>

TFreeUni1::TFreeUni1(SettingsStore &settings, QPlainTextEdit *memo, QWidget *parent)
    : TFreeUni(settings, parent), memo_(memo)
{
    setObjectName(QStringLiteral("TFreeUni1"));
}

void TFreeUni1::LayoutPalette()
{
    LayoutWith({36, 47, 20, 56, 6});
}

void TFreeUni1::InsertSymbol(const QString &text)
{
    memo_->setFocus(Qt::OtherFocusReason);
    memo_->insertPlainText(text);
}
