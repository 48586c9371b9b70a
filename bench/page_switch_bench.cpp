// How long the first switch to each page takes once the main window is shown and idle: what
// the page builds, lays out and paints on its first show is inside it. A first switch happens
// once per process, so every run is a new process (this program again, as the probe); prints
// the median per page against one frame at 60 Hz. Usage: page_switch_bench [runs]
#include "ProbeProfile.h"
#include "ReadyWhenIdle.h"
#include "mainwindow/RunProgram.h"
#include "mainwindow/TMainFrm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const ProbeVariable = "QUILL_PAGE_SWITCH_PROBE";

/// The switches in the order a probe makes them: the tab control and the tab to show.
struct Switch {
    const char *name;
    const char *tabControl;
    int tab;
};
constexpr Switch Switches[] = {
    {"word-book page", "PageControl1", TMainFrm::WordBook},
    {"training page", "PageControl1", TMainFrm::Training},
    {"input page (back)", "PageControl1", TMainFrm::EuropeanInput},
    {"free-symbol tab", "PageControl2", 1},
};

/// Waits until the page has been painted and the events queued behind that paint are done
/// (a zero timer started in the paint fires only after them); gives up after a second.
class PaintedAndIdle : public QObject
{
public:
    explicit PaintedAndIdle(QWidget *page) : page_(page) { page->installEventFilter(this); }

    void Wait()
    {
        QTimer::singleShot(1000, &loop_, &QEventLoop::quit);
        loop_.exec();
        page_->removeEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == page_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        }
        return false;
    }

private:
    QWidget *page_;
    QEventLoop loop_;
    bool painted_ = false;
};

/// The probe: the real program; once it is shown and idle, each switch is made and timed,
/// and the process ends.
int Probe(int argc, char *argv[])
{
    return RunProgram(argc, argv, [](TMainFrm &window) {
        WhenShownAndIdle(window, [&window] {
            for (const Switch &step : Switches) {
                auto *tabs = window.findChild<QTabWidget *>(QString::fromLatin1(step.tabControl));
                if (!tabs)
                    std::_Exit(3);
                PaintedAndIdle painted(tabs->widget(step.tab));
                QElapsedTimer clock;
                clock.start();
                tabs->setCurrentIndex(step.tab);
                painted.Wait();
                std::printf("switch %.3f\n", clock.nsecsElapsed() / 1e6);
            }
            std::fflush(stdout);
            std::_Exit(0);
        });
    });
}

/// One probe run; its times in the order of Switches, or nothing when it failed.
std::vector<double> RunProbe(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    std::vector<double> times;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("switch "))
            times.push_back(line.mid(7).toDouble());
    }
    return times;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(ProbeVariable))
        return Probe(argc, argv);

    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int runs = args.size() > 1 ? args[1].toInt() : 11;

    // A profile of its own, already through its first start (the sample books are in place).
    QTemporaryDir home;
    QProcessEnvironment environment = ProbeEnvironment(home.path());
    environment.insert(QString::fromLatin1(ProbeVariable), QStringLiteral("1"));
    RunProbe(args[0], environment);

    const std::size_t steps = std::size(Switches);
    std::vector<std::vector<double>> times(steps);
    for (int run = 0; run < runs; ++run) {
        const std::vector<double> one = RunProbe(args[0], environment);
        if (one.size() != steps) {
            std::fprintf(stderr, "a probe failed\n");
            return 1;
        }
        for (std::size_t i = 0; i < steps; ++i)
            times[i].push_back(one[i]);
    }
    std::printf("first switch to each page, median of %d runs (one frame at 60 Hz is 16.7 ms):\n", runs);
    for (std::size_t i = 0; i < steps; ++i)
        std::printf("  %-18s %6.1f ms (slowest %.1f ms)\n", Switches[i].name, Median(times[i]),
                    *std::max_element(times[i].begin(), times[i].end()));
    return 0;
}
