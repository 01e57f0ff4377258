// Start-up of the real program: the time from starting the process to its main window being shown
// (offscreen), and the process's peak memory at that moment.
#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>

namespace {

constexpr int Runs = 5;
constexpr int TimeoutMs = 20000;

struct Run
{
    double ms = -1;
    double peakMb = -1;
};

Run startOnce()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(KESTROVA_EXE), {QStringLiteral("--exit-when-shown")});
    Run run;
    while (run.ms < 0 && program.waitForReadyRead(TimeoutMs)) {
        while (program.canReadLine()) {
            const QByteArray line = program.readLine().trimmed();
            if (line.startsWith("shown ")) {
                run.ms = double(timer.nsecsElapsed()) / 1e6;
                run.peakMb = line.mid(6).toDouble() / 1024.0;
            }
        }
    }
    if (!program.waitForFinished(TimeoutMs))
        program.kill();
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QList<double> times;
    double peakMb = 0;
    for (int i = 0; i < Runs; ++i) {
        const Run run = startOnce();
        if (run.ms < 0) {
            std::fprintf(stderr, "the program did not report its window\n");
            return 1;
        }
        times.append(run.ms);
        peakMb = std::max(peakMb, run.peakMb);
    }
    std::sort(times.begin(), times.end());
    std::printf("startup_ms %.1f ms\n", times.at(Runs / 2));
    std::printf("startup_rss_mb %.1f MB\n", peakMb);
    return 0;
}
