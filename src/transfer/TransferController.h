#pragma once

#include "transfer/TargetTracker.h"

#include <QObject>

#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QTimer;
class QWidget;
class TransferOptions;
struct Settings;

/// Runs the transfer key and the automatic paste for the main window: reads the two fields,
/// fills the clipboard as the plan says, and hands over to the target the watch remembered.
/// It owns the watch (SearchTimer), the delayed paste (PasteTimer), the window system and the
/// tracker; the window only shows what it reports.
class TransferController : public QObject, private TargetView
{
    Q_OBJECT

public:
    TransferController(const Settings &settings, const TransferOptions &options, QString sysFolder,
                       QPlainTextEdit *memo, QLineEdit *edit, QWidget *window);
    ~TransferController() override;

    /// The transfer key: puts the main or the phonetic text on the clipboard in the current
    /// transfer mode and hands over to the automatic paste.
    void TransferExecute();
    void SendToTarget();
    void ForgetTarget();
    /// The watch runs only while the program is in the background and automatic paste is on.
    void ApplicationActivated(bool active);

    const TargetTracker &tracker() const { return *tracker_; }
    /// Replaces the window system (tests use a fake desktop).
    void SetWindowSystem(std::unique_ptr<platform::WindowSystem> windowSystem);

signals:
    /// The remembered target changed: the indicator shows whether one is known.
    void TargetKnownChanged(bool known);
    /// A transfer asked for the fields to be emptied afterwards.
    void ClearFieldsRequested();

private:
    void ShowTarget(const QString &windowTitle) override;
    void ShowNoTarget() override;
    bool IsOwnWindow(platform::WindowId window) const override;

    const Settings &settings_;
    const TransferOptions &options_;
    QString sysFolder_;
    QPlainTextEdit *memo_;
    QLineEdit *edit_;
    QWidget *window_;
    QTimer *SearchTimer;
    QTimer *PasteTimer;
    std::unique_ptr<platform::WindowSystem> windowSystem_;
    std::unique_ptr<TargetTracker> tracker_;
    bool toldNoAutoPaste_ = false;
};
