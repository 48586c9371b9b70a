#pragma once

#include "app/AppPaths.h"
#include "app/Settings.h"
#include "compose/ComposeFields.h"
#include "compose/CompositionEngine.h"

#include <QMainWindow>

#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

/// The program's main window: the input area, the second field and the three pages that are
/// the program's modes. It owns the settings record and the composition engine for the run.
class TMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    enum Page { EuropeanInputPage = 0, WordBookPage = 1, TrainingPage = 2 };

    explicit TMainFrm(const AppPaths &paths, QWidget *parent = nullptr);
    ~TMainFrm() override;

    Settings &settings() { return settings_; }
    const AppPaths &paths() const { return paths_; }
    CompositionEngine &engine() { return engine_; }

    QPlainTextEdit *Memo1 = nullptr;   ///< the input area
    QLineEdit *Edit1 = nullptr;        ///< the second field (phonetic text or kana)
    QTabWidget *PageControl1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildWidgets();
    void FormCreate();
    void FormShow();
    void FormClose();

    /// The engine's view of Memo1 for the page showing, or none when Memo1 types plainly.
    std::optional<ComposeHost> Memo1Host();

    AppPaths paths_;
    Settings settings_;
    CompositionEngine engine_;
    std::unique_ptr<PlainTextComposeField> memo1Field_;
    bool shown_ = false;
    bool parameterResetRequested_ = false;
};
