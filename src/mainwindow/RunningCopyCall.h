#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

/// The running copy's ear for a second start: a local socket beside the single-instance lock.
/// A second start that finds the lock taken asks the running copy to show its window and ends;
/// the running copy brings its window to the front, restored if it was minimised.
class RunningCopyCall : public QObject
{
    Q_OBJECT

public:
    /// Listens in the lock's folder for window's sake (nothing happens without a folder).
    RunningCopyCall(QWidget *window, const QString &lockFolder, QObject *parent);

    /// A second start: asks the copy listening in lockFolder to show its window. Needs a
    /// QCoreApplication. False when no copy answered within a second.
    static bool AskToShow(const QString &lockFolder);

private:
    void ShowWindow();

    QWidget *window_;
    QLocalServer *server_;
};
