// The command-line tool's "save-settings" of the whole demo device at 1 ms per exchange, the process's start
// and end included, against the exchanges it made at 1 ms each: what the tool adds beyond the link's own time.
#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int Runs = 3;
constexpr int TimeoutMs = 60000;
constexpr int LatencyUs = 1000;

// One run's ratio; -1 when it failed.
double runOnce()
{
    QTemporaryDir dir;
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTROVA_DEMO_STATE"), dir.path());
    env.insert(QStringLiteral("KESTROVA_DEMO_LATENCY_US"), QString::number(LatencyUs));
    cli.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(KESTROVA_CLI_EXE),
              {QStringLiteral("--demo"), QStringLiteral("--pin"), QStringLiteral("1234"),
               QStringLiteral("save-settings"), dir.filePath(QStringLiteral("car.kset"))});
    if (!cli.waitForFinished(TimeoutMs) || cli.exitCode() != 0) {
        std::fprintf(stderr, "cli_snapshot: kestrova-cli failed: %s\n", cli.readAllStandardError().constData());
        return -1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QFile count(dir.filePath(QStringLiteral("exchanges")));
    const int exchanges = count.open(QIODevice::ReadOnly) ? count.readAll().toInt() : 0;
    if (exchanges <= 0)
        return -1;
    return ms / (exchanges * LatencyUs / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The best run: the figure is the tool's own cost, not the machine's other load.
    double best = -1;
    for (int i = 0; i < Runs; ++i) {
        const double ratio = runOnce();
        if (ratio < 0)
            return 1;
        best = best < 0 ? ratio : std::min(best, ratio);
    }
    std::printf("cli_snapshot_ratio %.3f x\n", best);
    return 0;
}
