#include "training/TrainingPage.h"

#include <QFrame>
#include <QVBoxLayout>

TrainingPage::TrainingPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TrainingPage"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    Panel11 = new QFrame(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    column->addWidget(Panel11);
}
