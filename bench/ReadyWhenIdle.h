#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

/// Once the window is exposed and the event queue has run empty, prints "ready" and quits.
inline void ReadyWhenIdle(QWidget &window)
{
    auto *poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll] {
        if (!window.isVisible() || !window.windowHandle() || !window.windowHandle()->isExposed())
            return;
        poll->stop();
        // A zero timer fires only after the events already queued (layout, paint) are done.
        QTimer::singleShot(0, &window, [] {
            std::puts("ready");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
    poll->start(0);
}
