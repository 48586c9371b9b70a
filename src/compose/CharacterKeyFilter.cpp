#include "compose/CharacterKeyFilter.h"

#include <QKeyEvent>

namespace {

/// The characters a key event types. Some platforms deliver Backspace, Enter, Tab and Escape
/// without text; they are character keys all the same.
QString TypedText(const QKeyEvent &event)
{
    if (!event.text().isEmpty())
        return event.text();
    switch (event.key()) {
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    default: return {};
    }
}

}  // namespace

CharacterKeyFilter::CharacterKeyFilter(QObject *field, Handler handler, Inserter insertPassed)
    : QObject(field), handler_(std::move(handler)), insertPassed_(std::move(insertPassed))
{
    field->installEventFilter(this);
}

bool CharacterKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QString typed = TypedText(*static_cast<QKeyEvent *>(event));
    QString passed;
    bool swallowedAny = false;
    for (QChar unit : typed) {
        if (handler_(unit))
            swallowedAny = true;
        else
            passed += unit;
    }
    if (!swallowedAny)
        return false;
    if (!passed.isEmpty())
        insertPassed_(passed);
    return true;
}
