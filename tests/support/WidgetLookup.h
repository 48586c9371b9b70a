#pragma once

#include <QApplication>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <functional>

/// The system's windows, dialogs and frames (TMainFrm, TRegFrm, TQuillmaren2 ...) are naming
/// scopes: each carries its class name as objectName, and the names of the components inside
/// are unique there, while a frame nested in it (a pad) has names of its own. Our pages and
/// panels (InputPage, OptionSidePanel ...) carry their class names too but share the window's.
inline bool IsNamingScope(const QObject *object)
{
    const QByteArray name = object->metaObject()->className();
    return name.size() > 1 && name[0] == 'T' && QChar::isUpper(name[1]) && object->objectName() == QLatin1String(name);
}

/// The component called name in the naming scope of scope (not inside a nested frame), or
/// null when there is none.
template <typename T> T *TryFind(const QObject *scope, const QString &name)
{
    const QList<T *> candidates = scope->findChildren<T *>(name);
    for (T *candidate : candidates) {
        const QObject *owner = candidate->parent();
        while (owner && owner != scope && !IsNamingScope(owner))
            owner = owner->parent();
        if (owner == scope)
            return candidate;
    }
    return nullptr;
}

/// The component called name in the naming scope of scope. A missing component ends the test
/// program with its name, so that a renamed widget is found fast.
template <typename T> T *Find(const QObject *scope, const QString &name)
{
    if (T *found = TryFind<T>(scope, name))
        return found;
    qFatal("No %s named %s in %s", T::staticMetaObject.className(), qPrintable(name), qPrintable(scope->objectName()));
    return nullptr;
}

/// The frame of class T in the naming scope of scope (a pad, named by its class), or null
/// while there is none (pads come and go with their panels).
template <typename T> T *FindPad(const QObject *scope)
{
    return TryFind<T>(scope, QString::fromLatin1(T::staticMetaObject.className()));
}

/// Chooses a row of a list as a click does: it becomes current and selected, then the list's
/// click handling runs.
template <typename View> void ClickRow(View *view, int row)
{
    const auto index = view->model()->index(row, 0);
    view->setCurrentIndex(index);
    emit view->clicked(index);
}

/// Runs act on the visible top-level window of class T as soon as the event loop turns: the way
/// to work a modal dialog that the next call opens.
template <typename T> void WhenShown(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<T *>(top); window && window->isVisible())
                return act(window);
        }
    });
}
