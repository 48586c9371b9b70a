#include "mainwindow/CategoryPanel.h"

#include <QToolButton>
#include <QVBoxLayout>

CategoryPanel::CategoryPanel(const QString &caption, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    header_ = new QToolButton(this);
    header_->setText(caption);
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setArrowType(Qt::DownArrow);
    header_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // the panel's width rules
    header_->setFixedHeight(22);
    header_->setFocusPolicy(Qt::NoFocus);
    header_->setStyleSheet(
        QStringLiteral("QToolButton { background: rgb(200, 208, 230); border: 1px solid rgb(150, 160, 190);"
                       " text-align: left; font-weight: bold; font-size: 12px; padding-left: 1px; }"));
    connect(header_, &QToolButton::clicked, this, [this] { SetCollapsed(!collapsed_); });
    layout->addWidget(header_);

    content_ = new QWidget(this);
    contentLayout_ = new QVBoxLayout(content_);
    contentLayout_->setContentsMargins(6, 4, 4, 6);
    contentLayout_->setSpacing(3);
    layout->addWidget(content_);
}

void CategoryPanel::SetCollapsed(bool collapsed)
{
    if (collapsed_ == collapsed)
        return;
    collapsed_ = collapsed;
    content_->setVisible(!collapsed);
    header_->setArrowType(collapsed ? Qt::RightArrow : Qt::DownArrow);
    emit CollapsedChanged(collapsed);
}

int CategoryPanel::HeaderHeight() const
{
    return header_->height();
}
