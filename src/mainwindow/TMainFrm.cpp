#include "mainwindow/TMainFrm.h"

#include "app/FirstRunInstall.h"
#include "app/ParameterFile.h"
#include "compose/ComposeKeyFilter.h"
#include "dialogs/MessageSeam.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kTitle = QStringLiteral("Quillmaren");
}

TMainFrm::TMainFrm(const AppPaths &paths, QWidget *parent) : QMainWindow(parent), paths_(paths)
{
    setObjectName(QStringLiteral("TMainFrm"));
    BuildWidgets();
    FormCreate();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::BuildWidgets()
{
    setMinimumSize(740, 730);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);

    Edit1 = new QLineEdit(central);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    layout->addWidget(Edit1);

    Memo1 = new QPlainTextEdit(central);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(Memo1, 1);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    const char *pageNames[] = {"TabSheet1", "TabSheet2", "TabSheet3"};
    const QString captions[] = {QStringLiteral("欧文入力"), QStringLiteral("単語帳"), QStringLiteral("トレーニング")};
    for (int i = 0; i < 3; ++i) {
        auto *page = new QWidget(PageControl1);
        page->setObjectName(QString::fromLatin1(pageNames[i]));
        PageControl1->addTab(page, captions[i]);
    }
    PageControl1->setFixedHeight(289);
    layout->addWidget(PageControl1);

    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    memo1Field_ = std::make_unique<PlainTextComposeField>(Memo1);
    new ComposeKeyFilter(engine_, Memo1, [this] { return Memo1Host(); });
}

std::optional<ComposeHost> TMainFrm::Memo1Host()
{
    if (PageControl1->currentIndex() != EuropeanInputPage)
        return std::nullopt;
    return ComposeHost{nullptr, memo1Field_.get()};
}

void TMainFrm::FormCreate()
{
    SetDefaults(settings_);
    ReadParameterFile(paths_.SysFolder, settings_);
    InstallOnFirstStartOfVersion(paths_, settings_.NoSampleFlg,
                                 [this](const QString &message) { MessageSeam::Notify(this, message); });
    setWindowTitle(kTitle);
}

void TMainFrm::showEvent(QShowEvent *event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TMainFrm::FormShow()
{
    setWindowTitle(kTitle);
    resize(settings_.MainWidth, settings_.MainHeight);
    if (settings_.MainLeft != -1 && settings_.MemPosFlg) {
        move(settings_.MainLeft, settings_.MainTop);
    } else if (const QScreen *screen = this->screen()) {
        const QSize size = screen->geometry().size();
        move((size.width() - settings_.MainWidth) / 2, (size.height() - settings_.MainHeight) / 2);
    }
    if (settings_.FirstPage >= 0 && settings_.FirstPage < PageControl1->count())
        PageControl1->setCurrentIndex(settings_.FirstPage);
    Memo1->setFocus(Qt::OtherFocusReason);
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainFrm::FormClose()
{
    if (parameterResetRequested_)
        return;
    const QSize screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    const WindowGeometry saved = GeometryToSave({x(), y(), width(), height()}, screenSize);
    settings_.MainLeft = saved.left;
    settings_.MainTop = saved.top;
    settings_.MainWidth = saved.width;
    settings_.MainHeight = saved.height;
    settings_.FirstPage = PageControl1->currentIndex();

    QString error;
    if (!WriteParameterFile(paths_.SysFolder, settings_, &error)) {
        MessageSeam::Notify(this, QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2")
                                      .arg(QDir::toNativeSeparators(paths_.SysFolder + u'/' + ParameterFileName),
                                           error));
    }
}
