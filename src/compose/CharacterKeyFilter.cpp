#include "compose/CharacterKeyFilter.h"

#include <QKeyEvent>

namespace {

/// The characters a key event types. Some platforms deliver Backspace, Enter, Tab and Escape
/// without text; they are character keys all the same.
QString TypedText(const QKeyEvent &event)
{
    // Delete arrives as U+007F on some platforms; it edits the field and types nothing.
    if (event.key() == Qt::Key_Delete || event.text() == QStringLiteral("\x7f"))
        return {};
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
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const bool pair = typed[i].isHighSurrogate() && i + 1 < typed.size() && typed[i + 1].isLowSurrogate();
        const QStringView character = QStringView(typed).mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        if (handler_(character))
            swallowedAny = true;
        else
            passed += character;
    }
    if (!swallowedAny)
        return false;
    if (!passed.isEmpty())
        insertPassed_(passed);
    return true;
}
