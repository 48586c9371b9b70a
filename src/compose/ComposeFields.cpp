#include "compose/ComposeFields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

void PlainTextComposeField::FocusField()
{
    field_->setFocus(Qt::OtherFocusReason);
}

void PlainTextComposeField::ReplaceSelection(const QString &text)
{
    QTextCursor cursor = field_->textCursor();
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    field_->setTextCursor(cursor);
}

void LineEditComposeField::FocusField()
{
    field_->setFocus(Qt::OtherFocusReason);
}

void LineEditComposeField::ReplaceSelection(const QString &text)
{
    field_->insert(text);  // replaces the selection, also with an empty text
}
