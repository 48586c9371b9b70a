#include "app/AppPaths.h"
#include "app/SingleInstance.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/TMainFrm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // A second copy ends at once and silently; the running copy is left as it is.
    SingleInstanceLock instance(InstanceName);
    if (!instance.TryAcquire())
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmaren"));

    const AppPaths paths =
        PrepareDataFolders(PlatformPathRoots(), [](const QString &message) { MessageSeam::Notify(nullptr, message); });
    TMainFrm window(paths);
    window.show();
    return QApplication::exec();
}
