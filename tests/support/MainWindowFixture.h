#pragma once

#include "app/AppPaths.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/CategoryPanel.h"
#include "mainwindow/PadPanel.h"
#include "mainwindow/TMainFrm.h"
#include "pads/TShape.h"
#include "support/TempHome.h"
#include "support/WidgetLookup.h"
#include "transfer/TransferController.h"

#include <QFile>
#include <QTest>

#include <memory>

/// A main window on a fresh temporary profile, with message boxes recorded instead of shown:
/// messages and questions are kept, and every question is answered with answer.
struct MainWindowFixture {
    std::unique_ptr<TempHome> home = std::make_unique<TempHome>();
    QStringList messages;
    QStringList asked;
    bool answer = true;
    std::unique_ptr<TMainFrm> window;

    MainWindowFixture()
    {
        MessageSeam::Replace([this](const QString &m) { messages << m; },
                             [this](const QString &q) {
                                 asked << q;
                                 return answer;
                             });
    }
    ~MainWindowFixture()
    {
        window.reset();
        MessageSeam::Replace({}, {});
    }

    /// Writes a parameter file for the next start.
    void WriteParameters(const QByteArray &lines) const
    {
        QDir().mkpath(home->dataFolder() + "/Sys");
        QFile file(home->dataFolder() + "/Sys/Quillo.rng");
        if (file.open(QIODevice::WriteOnly))
            file.write(lines);
    }

    /// Starts the program's main window and waits until it is shown; null if it never is.
    TMainFrm *Start()
    {
        const AppPaths paths = PrepareDataFolders(PlatformPathRoots(), [this](const QString &m) { messages << m; });
        window = std::make_unique<TMainFrm>(paths);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            window.reset();
        return window.get();
    }

    template <typename T> T *Find(const char *name) const { return ::Find<T>(window.get(), QString::fromLatin1(name)); }
};
