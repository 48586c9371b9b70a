#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

/// Replaces the selection of a one-line or multi-line text field with text (at the caret when
/// nothing is selected). Returns false for any other widget.
inline bool InsertIntoField(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        line->insert(text);
        return true;
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field)) {
        memo->insertPlainText(text);
        return true;
    }
    return false;
}
