#pragma once

#include <QWidget>

class QFrame;

/// The training page. Its panels are filled by the quiz when a book is trained.
class TrainingPage : public QWidget
{
    Q_OBJECT

public:
    explicit TrainingPage(QWidget *parent);

private:
    QFrame *Panel11 = nullptr;
};
