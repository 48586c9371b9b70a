// The transfer key and the automatic paste of the main window: the plan comes from the core,
// the target tracking from TargetTracker over the platform's window system.
#include "mainwindow/TMainFrm.h"

#include "dialogs/MessageSeam.h"
#include "pads/TShape.h"
#include "transfer/ClipboardWriter.h"
#include "transfer/TransferPlan.h"
#include "transfer/TransferRtf.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>

void TMainFrm::ConnectTransfer()
{
    windowSystem_ = platform::CreateWindowSystem();
    TargetView &view = *this;
    tracker_ = std::make_unique<TargetTracker>(*windowSystem_, view);
    Shape1->SetBrush(Qt::white);
    connect(Transfer, &QAction::triggered, this, &TMainFrm::TransferExecute);
    connect(SearchTimer, &QTimer::timeout, this, [this] { tracker_->SearchTimerTimer(settings_.AutoPasteFlg); });
    connect(PasteTimer, &QTimer::timeout, this, [this] {
        tracker_->PasteTimerTimer();
        PasteTimer->stop();
    });
}

void TMainFrm::SetWindowSystem(std::unique_ptr<platform::WindowSystem> windowSystem)
{
    TargetView &view = *this;
    tracker_ = std::make_unique<TargetTracker>(*windowSystem, view);
    windowSystem_ = std::move(windowSystem);
    ShowNoTarget();
}

void TMainFrm::TransferExecute()
{
    const QTextCursor memoCursor = Memo1->textCursor();
    const FieldText main{Memo1->toPlainText(), memoCursor.selection().toPlainText()};
    const FieldText phonetic{Edit1->text(), Edit1->selectedText()};
    const TransferPlan plan = PlanTransfer(settings_, richBuffers_, main, phonetic);
    if (plan.encoding == TransferEncoding::Nothing)
        return;

    QByteArray rtf;
    if (plan.encoding == TransferEncoding::RichText) {
        if (!plan.viaWorkFile) {
            rtf = plan.RtfDocument().toUtf8();
        } else {
            // The second method goes through the work file and takes the document back from it.
            const QString path = paths_.SysFolder + u'/' + WorkRtfFileName;
            QString error;
            QFile file(path);
            if (!WriteWorkRtf(0, plan.pointSize, path, plan.TextWithCrLf(), plan.fontName, &error) ||
                !file.open(QIODevice::ReadOnly)) {
                MessageSeam::Notify(this, QStringLiteral("転送用のファイルを書き込めませんでした。\n%1\n%2")
                                              .arg(QDir::toNativeSeparators(path), error.isEmpty() ? file.errorString() : error));
                return;
            }
            rtf = file.readAll().trimmed();
        }
    }
    QString error;
    if (!PutTransferOnClipboard(plan, rtf, &error)) {
        MessageSeam::Notify(this, error);
        return;
    }

    if (plan.selectWholeField) {
        if (plan.phonetic)
            Edit1->selectAll();
        else
            Memo1->selectAll();
    }
    if (plan.sendToTarget) {
        if (!windowSystem_->CanPaste() && !toldNoAutoPaste_) {
            toldNoAutoPaste_ = true;
            MessageSeam::Notify(this, QStringLiteral("この画面環境では、転送先のウィンドウへの自動貼り付けができません。\n"
                                                     "転送した文字はクリップボードに入っていますので、"
                                                     "貼り付け先で貼り付けて下さい。"));
        }
        SendToTarget();
    }
    if (plan.clearFields)
        AllClearExecute();
}

void TMainFrm::SendToTarget()
{
    const std::optional<int> delay = tracker_->SendToTarget(settings_.SlowPasteFlg);
    if (delay && !PasteTimer->isActive()) {
        PasteTimer->setInterval(*delay);
        PasteTimer->start();
    }
}

void TMainFrm::ForgetTarget() { tracker_->ForgetTarget(); }

void TMainFrm::ShowTarget(const QString &windowTitle)
{
    Shape1->SetBrush(Qt::red);
    setWindowTitle(TargetTracker::TitleWithTarget(windowTitle));
}

bool TMainFrm::IsOwnWindow(platform::WindowId window) const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [window](const QWidget *own) {
        return own->internalWinId() != 0 && platform::WindowId(own->internalWinId()) == window;
    });
}

void TMainFrm::ShowNoTarget()
{
    Shape1->SetBrush(Qt::white);
    setWindowTitle(QStringLiteral("Quillmaren"));
}
