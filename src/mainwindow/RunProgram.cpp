#include "mainwindow/RunProgram.h"

#include "app/AppPaths.h"
#include "app/DisplayChoice.h"
#include "app/SingleInstance.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/QtTranslations.h"
#include "mainwindow/AppIcon.h"
#include "mainwindow/TMainFrm.h"
#include "platform/WindowSystem.h"

#include <QApplication>

#include <cstdio>

int RunProgram(int argc, char *argv[], const std::function<void(TMainFrm &)> &afterShow)
{
    // Without a display Qt would abort with advice in English: say it in Japanese and end. A
    // Wayland session without Qt's Wayland plugin runs on its X server instead.
    switch (ChooseDisplay(CurrentDisplayEnvironment())) {
    case DisplayChoice::None: std::fprintf(stderr, "%s\n", NoDisplayMessage().toLocal8Bit().constData()); return 1;
    case DisplayChoice::X11: qputenv("QT_QPA_PLATFORM", "xcb"); break;
    case DisplayChoice::AsGiven: break;
    }

    // A second copy brings the running copy's window to the front (restored if minimised) and
    // ends at once.
    SingleInstanceLock instance(InstanceName);
    if (!instance.TryAcquire()) {
        const std::unique_ptr<platform::WindowSystem> desktop = platform::CreateWindowSystem();
        if (const platform::WindowId running = desktop->WindowOfProcess(instance.HolderProcessId()))
            desktop->BringToFront(running);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmaren"));
    // Ties the windows to the installed launcher (its icon and name in docks and task lists).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.bertovan.Quillmaren"));
    QApplication::setWindowIcon(AppIcon());
    LoadJapaneseQtTranslations(application);
    // The toolkit's default family is often an alias ("Sans Serif"): named as the family it
    // stands for, it shares font engines with the program's other fonts of that family.
    QFont defaultFont = QApplication::font();
    defaultFont.setFamily(InstalledFamily(defaultFont.family()));
    QApplication::setFont(defaultFont);

    const AppPaths paths =
        PrepareDataFolders(PlatformPathRoots(), [](const QString &message) { MessageSeam::Notify(nullptr, message); });
    TMainFrm window(paths);
    window.show();
    if (afterShow)
        afterShow(window);
    return QApplication::exec();
}
