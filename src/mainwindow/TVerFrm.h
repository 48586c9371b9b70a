#pragma once

#include <QDialog>

/// The version dialog: the program's picture, its name, version and developer, 閉じる.
class TVerFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TVerFrm(QWidget *parent);
};
