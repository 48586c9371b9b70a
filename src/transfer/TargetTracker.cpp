#include "transfer/TargetTracker.h"
#include "transfer/TransferLogging.h"

namespace {

// Windows' own desktop and start menu are never targets.
bool IsShellTitle(const QString &title)
{
    return title == QStringLiteral("Program Manager") || title == QStringLiteral("スタート メニュー");
}

}  // namespace

QString TargetTracker::TitleWithTarget(const QString &targetTitle)
{
    return QStringLiteral("Quillmaren  転送先: [ ") + targetTitle + QStringLiteral(" ]");
}

void TargetTracker::SearchTimerTimer(bool autoPaste)
{
    if (!autoPaste)
        return;
    const platform::WindowId window = windows_.ForegroundWindow();
    if (window == 0 || window == targetWindow_ || view_.IsOwnWindow(window))
        return;
    const QString title = QString::fromStdU16String(windows_.WindowTitle(window));
    if (IsShellTitle(title) || windows_.IsDesktopWindow(window))
        return;
    targetWindow_ = window;
    targetKnown_ = true;
    edgeTarget_ = title.contains(QStringLiteral("Microsoft Edge"), Qt::CaseSensitive);
    const platform::WindowClassNames names = windows_.WindowClass(window);
    pasteKeys_ = platform::PasteKeysForWindowClass(names.instanceName, names.className);
    qCDebug(lcTransfer) << "target window" << window << title;
    view_.ShowTarget(title);
}

std::optional<int> TargetTracker::SendToTarget(bool slowPaste)
{
    if (!targetKnown_)
        return std::nullopt;
    if (!windows_.BringToFront(targetWindow_)) {
        qCDebug(lcTransfer) << "the target window refused to come to the front; forgotten";
        ForgetTarget();
        return std::nullopt;
    }
    if (slowPaste)
        return 1200;
    return edgeTarget_ ? 900 : 300;
}

void TargetTracker::PasteTimerTimer()
{
    if (targetKnown_ && windows_.ForegroundWindow() == targetWindow_)
        windows_.SendPasteKeystroke(pasteKeys_);
    else
        qCDebug(lcTransfer) << "another window came to the front; nothing pasted";
}

void TargetTracker::ForgetTarget()
{
    targetKnown_ = false;
    targetWindow_ = 0;
    edgeTarget_ = false;
    pasteKeys_ = platform::PasteKeys::ControlV;
    view_.ShowNoTarget();
}
