// Start-up time of Quillmaren against a bare Qt Widgets window of the same size: both probes
// run alternately, each timed from process start until it reports that its window is shown
// and idle. Prints the medians and their ratio. Usage: startup_ratio <probe> <bare> [runs]
#include "ProbeProfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Start {
    double milliseconds = -1;
    double residentKiB = 0;
};

Start TimeToReady(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    Start start;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        if (process.canReadLine()) {
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.value(0) == "ready") {
                start.milliseconds = clock.nsecsElapsed() / 1e6;
                start.residentKiB = words.value(1).toDouble();
                break;
            }
        }
        process.waitForReadyRead(5000);
        if (clock.elapsed() > 30000)
            return {};
    }
    process.waitForFinished(5000);
    return start;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: startup_ratio <quillmaren probe> <bare probe> [runs]\n");
        return 2;
    }
    const int runs = args.size() > 3 ? args[3].toInt() : 15;

    // A profile of its own, already through its first start, so every run is an ordinary start.
    QTemporaryDir home;
    QProcessEnvironment environment = ProbeEnvironment(home.path());
    TimeToReady(args[1], environment);
    TimeToReady(args[2], environment);

    std::vector<double> program, bare, programMemory, bareMemory;
    for (int run = 0; run < runs; ++run) {
        const Start p = TimeToReady(args[1], environment), b = TimeToReady(args[2], environment);
        if (p.milliseconds < 0 || b.milliseconds < 0) {
            std::fprintf(stderr, "a probe never reported ready\n");
            return 1;
        }
        program.push_back(p.milliseconds);
        bare.push_back(b.milliseconds);
        programMemory.push_back(p.residentKiB);
        bareMemory.push_back(b.residentKiB);
    }
    const double p = Median(program), b = Median(bare);
    std::printf("start-up, median of %d runs: Quillmaren %.1f ms, bare window %.1f ms, ratio %.2f (goal <= 1.50)\n",
                runs, p, b, p / b);
    const double pm = Median(programMemory), bm = Median(bareMemory);
    std::printf("resident memory when shown: Quillmaren %.1f MiB, bare window %.1f MiB, ratio %.2f (goal <= 1.50)\n",
                pm / 1024, bm / 1024, bm > 0 ? pm / bm : 0.0);
    return 0;
}
