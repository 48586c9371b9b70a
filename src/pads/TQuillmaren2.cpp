#include "pads/TQuillmaren2.h"

#include <QPlainTextEdit>

TQuillmaren2::TQuillmaren2(CompositionEngine &engine, QPlainTextEdit *memo, QWidget *parent)
    : TQuillmaren(engine, parent), memo_(memo)
{
    setObjectName(QStringLiteral("TQuillmaren2"));
}

void TQuillmaren2::InsertSymbol(const QString &text)
{
    memo_->insertPlainText(text);
}
