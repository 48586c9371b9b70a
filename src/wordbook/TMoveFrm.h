#pragma once

#include "wordbook/WordEntries.h"

#include <QDialog>

class QComboBox;
class QPushButton;

/// The move dialog: the word k of n goes directly above the word whose number is chosen.
/// The list offers every number but k and k + 1; "移動する" works once one is chosen.
class TMoveFrm : public QDialog
{
    Q_OBJECT

public:
    TMoveFrm(qsizetype k, qsizetype n, const QString &languageName, const WordEntry &word, QWidget *parent);

    /// The chosen number; valid after the dialog was accepted.
    qsizetype Target() const { return target_; }

private:
    void Button1Click();

    qsizetype n_;
    qsizetype target_ = 0;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;
};
