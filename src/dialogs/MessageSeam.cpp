#include "dialogs/MessageSeam.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

MessageSeam::NotifyHook &NotifyOverride()
{
    static MessageSeam::NotifyHook hook;
    return hook;
}

MessageSeam::AskHook &AskOverride()
{
    static MessageSeam::AskHook hook;
    return hook;
}

const QString kTitle = QStringLiteral("Quillmaren");

}  // namespace

void MessageSeam::Notify(QWidget *parent, const QString &text)
{
    if (NotifyOverride()) {
        NotifyOverride()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    box.exec();
}

void MessageSeam::Inform(QWidget *parent, const QString &text)
{
    if (NotifyOverride()) {
        NotifyOverride()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageSeam::Ask(QWidget *parent, const QString &text)
{
    if (AskOverride())
        return AskOverride()(text);
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageSeam::Replace(NotifyHook notify, AskHook ask)
{
    NotifyOverride() = std::move(notify);
    AskOverride() = std::move(ask);
}
