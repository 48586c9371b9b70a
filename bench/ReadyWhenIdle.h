#pragma once

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <QFile>

#include <cstdio>
#include <cstdlib>

/// The process's resident memory in KiB (Linux; 0 elsewhere).
inline long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

/// Runs then once the window is exposed and the event queue has run empty.
template <typename Then> void WhenShownAndIdle(QWidget &window, Then then)
{
    auto *poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, then] {
        if (!window.isVisible() || !window.windowHandle() || !window.windowHandle()->isExposed())
            return;
        poll->stop();
        // A zero timer fires only after the events already queued (layout, paint) are done.
        QTimer::singleShot(0, &window, then);
    });
    poll->start(0);
}

/// Once the window is shown and idle, prints "ready" with the resident memory in KiB, and ends
/// the process at once: tearing the window down is not start-up, and skipping it keeps a
/// profile of the probe (callgrind) to start-up alone.
inline void ReadyWhenIdle(QWidget &window)
{
    WhenShownAndIdle(window, [] {
        std::printf("ready %ld\n", ResidentKiB());
        std::fflush(stdout);
        std::_Exit(0);
    });
}
