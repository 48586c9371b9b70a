#include "mainwindow/ManualViewer.h"

#include "dialogs/MessageSeam.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace {

void TellNoViewer(QWidget *parent, const QString &manualPath)
{
    MessageSeam::Notify(parent,
                        QStringLiteral("PDF を表示するプログラムが見つからないため、操作説明書を開けませんでした。\n"
                                       "PDF ビューアーを入れるか、次のファイルを別の方法で開いて下さい。\n%1")
                            .arg(QDir::toNativeSeparators(manualPath)));
}

}  // namespace

void OpenManual(QWidget *parent, const QString &manualPath)
{
    if (!QFileInfo(manualPath).isFile()) {
        MessageSeam::Notify(
            parent,
            QStringLiteral("操作説明書のファイルが見つかりません。\n%1").arg(QDir::toNativeSeparators(manualPath)));
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands the file to xdg-open without waiting for its answer, so a desktop without a PDF
    // viewer would show nothing at all: run the opener here and listen to how it ends. It may
    // run as long as the viewer does; the window keeps it until then.
    auto *opener = new QProcess(parent);
    const QPointer<QWidget> window(parent);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, window, manualPath](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        TellNoViewer(window, manualPath);
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, window, manualPath](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             TellNoViewer(window, manualPath);
                         opener->deleteLater();
                     });
    opener->start(QStringLiteral("xdg-open"), {manualPath});
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath)))
        TellNoViewer(parent, manualPath);
#endif
}
