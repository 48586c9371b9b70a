#include "dialogs/MessageSeam.h"

#include <QMessageBox>
#include <QPointer>
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

/// Shows a box modally and returns the button clicked (null when the box went with its parent).
/// The box lives on the heap: while it waits, its parent window may be closed and deleted,
/// which deletes the box with it; a box on the stack would then be deleted twice.
QAbstractButton *RunBox(QMessageBox *box)
{
    const QPointer<QMessageBox> guard(box);
    box->exec();
    if (!guard)
        return nullptr;
    QAbstractButton *clicked = box->clickedButton();
    box->deleteLater();
    return clicked;
}

}  // namespace

void MessageSeam::Notify(QWidget *parent, const QString &text)
{
    if (NotifyOverride()) {
        NotifyOverride()(text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, kTitle, text, QMessageBox::NoButton, parent);
    box->addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    RunBox(box);
}

void MessageSeam::Inform(QWidget *parent, const QString &text)
{
    if (NotifyOverride()) {
        NotifyOverride()(text);
        return;
    }
    RunBox(new QMessageBox(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent));
}

bool MessageSeam::Ask(QWidget *parent, const QString &text)
{
    if (AskOverride())
        return AskOverride()(text);
    auto *box = new QMessageBox(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box->addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton *no = box->addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box->setDefaultButton(no);
    box->setEscapeButton(no);
    return RunBox(box) == yes;
}

void MessageSeam::Replace(NotifyHook notify, AskHook ask)
{
    NotifyOverride() = std::move(notify);
    AskOverride() = std::move(ask);
}
