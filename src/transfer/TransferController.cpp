#include "transfer/TransferController.h"

#include "app/Settings.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/MessageSeam.h"
#include "transfer/ClipboardWriter.h"
#include "transfer/TransferOptions.h"
#include "transfer/TransferPlan.h"
#include "transfer/TransferRtf.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

/// The field's own characters: a no-break space or a line separator stays what it is; only the
/// paragraph breaks between the lines become line feeds.
QString OwnCharacters(QString text)
{
    return text.replace(QChar::ParagraphSeparator, u'\n');
}

FieldText TextOf(const QPlainTextEdit *memo)
{
    return {OwnCharacters(memo->document()->toRawText()), OwnCharacters(memo->textCursor().selectedText())};
}

}  // namespace

TransferController::TransferController(const Settings &settings, const TransferOptions &options, QString sysFolder,
                                       QPlainTextEdit *memo, QLineEdit *edit, QWidget *window)
    : QObject(window), settings_(settings), options_(options), sysFolder_(std::move(sysFolder)), memo_(memo),
      edit_(edit), window_(window)
{
    setObjectName(QStringLiteral("TransferController"));
    SearchTimer = new QTimer(this);
    SearchTimer->setObjectName(QStringLiteral("SearchTimer"));
    SearchTimer->setInterval(250);
    PasteTimer = new QTimer(this);
    PasteTimer->setObjectName(QStringLiteral("PasteTimer"));
    PasteTimer->setSingleShot(true);
    PasteTimer->setInterval(300);
    windowSystem_ = platform::CreateWindowSystem();
    tracker_ = std::make_unique<TargetTracker>(*windowSystem_, static_cast<TargetView &>(*this));
    connect(SearchTimer, &QTimer::timeout, this, [this] { tracker_->SearchTimerTimer(settings_.AutoPasteFlg); });
    connect(PasteTimer, &QTimer::timeout, this, [this] {
        tracker_->PasteTimerTimer();
        PasteTimer->stop();
    });
}

TransferController::~TransferController() = default;

void TransferController::SetWindowSystem(std::unique_ptr<platform::WindowSystem> windowSystem)
{
    tracker_ = std::make_unique<TargetTracker>(*windowSystem, static_cast<TargetView &>(*this));
    windowSystem_ = std::move(windowSystem);
    ShowNoTarget();
}

void TransferController::ApplicationActivated(bool active)
{
    if (active)
        SearchTimer->stop();
    else if (settings_.AutoPasteFlg)
        SearchTimer->start();
}

void TransferController::TransferExecute()
{
    const FieldText phonetic{edit_->text(), edit_->selectedText()};
    const TransferPlan plan = PlanTransfer(settings_, options_.Buffers(), TextOf(memo_), phonetic);
    if (plan.encoding == TransferEncoding::Nothing)
        return;

    QByteArray rtf;
    if (plan.encoding == TransferEncoding::RichText) {
        FileError fileError;
        const std::optional<QByteArray> document = RtfForClipboard(plan, sysFolder_, &fileError);
        if (!document) {
            MessageSeam::Notify(window_, TransferFileErrorText(fileError));
            return;
        }
        rtf = *document;
    }
    QString error;
    if (!PutTransferOnClipboard(plan, rtf, &error)) {
        MessageSeam::Notify(window_, error);
        return;
    }
    if (plan.sendToTarget && tracker_->TargetKnown() && tracker_->TargetPasteKeys() == platform::PasteKeys::ShiftInsert)
        PutTransferOnPrimarySelection(plan);

    if (plan.selectWholeField) {
        if (plan.phonetic)
            edit_->selectAll();
        else
            memo_->selectAll();
    }
    if (plan.sendToTarget) {
        if (!windowSystem_->CanPaste() && !toldNoAutoPaste_) {
            toldNoAutoPaste_ = true;
            MessageSeam::Notify(window_,
                                QStringLiteral("この画面環境では、転送先のウィンドウへの自動貼り付けができません。\n"
                                               "転送した文字はクリップボードに入っていますので、"
                                               "貼り付け先で貼り付けて下さい。"));
        }
        SendToTarget();
    }
    if (plan.clearFields)
        emit ClearFieldsRequested();
}

void TransferController::SendToTarget()
{
    const std::optional<int> delay = tracker_->SendToTarget(settings_.SlowPasteFlg);
    if (delay && !PasteTimer->isActive()) {
        PasteTimer->setInterval(*delay);
        PasteTimer->start();
    }
}

void TransferController::ForgetTarget()
{
    tracker_->ForgetTarget();
}

void TransferController::ShowTarget(const QString &windowTitle)
{
    window_->setWindowTitle(TargetTracker::TitleWithTarget(windowTitle));
    emit TargetKnownChanged(true);
}

void TransferController::ShowNoTarget()
{
    window_->setWindowTitle(QStringLiteral("Quillmaren"));
    emit TargetKnownChanged(false);
}

bool TransferController::IsOwnWindow(platform::WindowId window) const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [window](const QWidget *own) {
        return own->internalWinId() != 0 && platform::WindowId(own->internalWinId()) == window;
    });
}
