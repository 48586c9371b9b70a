#include "pads/TQuillmaren5.h"

#include <QLineEdit>
#include <QPlainTextEdit>

TQuillmaren5::TQuillmaren5(CompositionEngine &engine, QPlainTextEdit *memo, QLineEdit *edit, QWidget *parent)
    : TQuillmaren(engine, parent), memo_(memo), edit_(edit)
{
    setObjectName(QStringLiteral("TQuillmaren5"));
}

void TQuillmaren5::InsertSymbol(const QString &text)
{
    if (edit_->hasFocus()) {
        edit_->insert(text);
        return;
    }
    memo_->setFocus(Qt::OtherFocusReason);
    memo_->insertPlainText(text);
}
