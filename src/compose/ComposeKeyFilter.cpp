#include "compose/ComposeKeyFilter.h"

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

} // namespace

ComposeKeyFilter::ComposeKeyFilter(CompositionEngine &engine, QObject *field, HostProvider hostProvider)
    : QObject(field), engine_(engine), hostProvider_(std::move(hostProvider))
{
    field->installEventFilter(this);
}

bool ComposeKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QString typed = TypedText(*static_cast<QKeyEvent *>(event));
    if (typed.isEmpty())
        return false;
    const std::optional<ComposeHost> host = hostProvider_();
    if (!host)
        return false;

    // A key may type several code units (a surrogate pair, a dead-key sequence). Each goes
    // through the engine; when the engine swallows any of them, the ones it let through are
    // inserted here, since the field will not see the event.
    QString passed;
    bool swallowedAny = false;
    for (QChar unit : typed) {
        if (engine_.ComposeKey(*host, unit))
            swallowedAny = true;
        else
            passed += unit;
    }
    if (!swallowedAny)
        return false;
    if (!passed.isEmpty() && host->resultField)
        host->resultField->ReplaceSelection(passed);
    return true;
}
