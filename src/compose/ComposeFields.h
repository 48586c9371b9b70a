#pragma once

#include "compose/CompositionEngine.h"

class QLineEdit;
class QPlainTextEdit;

/// A multi-line field as a composition result field.
class PlainTextComposeField : public ComposeField
{
public:
    explicit PlainTextComposeField(QPlainTextEdit *field) : field_(field) {}
    void FocusField() override;
    void ReplaceSelection(const QString &text) override;

private:
    QPlainTextEdit *field_;
};

/// A one-line field as a composition result field.
class LineEditComposeField : public ComposeField
{
public:
    explicit LineEditComposeField(QLineEdit *field) : field_(field) {}
    void FocusField() override;
    void ReplaceSelection(const QString &text) override;

private:
    QLineEdit *field_;
};
