#include "mainwindow/RunningCopyCall.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {

QString SocketPath(const QString &lockFolder)
{
    return lockFolder + QStringLiteral("/Quillmaren.show");
}

constexpr int kWaitMs = 1000;

}  // namespace

RunningCopyCall::RunningCopyCall(QWidget *window, const QString &lockFolder, QObject *parent)
    : QObject(parent), window_(window), server_(new QLocalServer(this))
{
    if (lockFolder.isEmpty())
        return;
    // Only the copy that holds the lock gets here: a socket left by a killed copy is stale.
    QLocalServer::removeServer(SocketPath(lockFolder));
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(SocketPath(lockFolder)))
        return;  // the program runs on; a second start then just ends
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
            ShowWindow();
        }
    });
}

void RunningCopyCall::ShowWindow()
{
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool RunningCopyCall::AskToShow(const QString &lockFolder)
{
    if (lockFolder.isEmpty())
        return false;
    // Connecting is the whole request: the running copy shows its window for each caller.
    QLocalSocket socket;
    socket.connectToServer(SocketPath(lockFolder));
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.waitForDisconnected(kWaitMs);
    return true;
}
