// Process CPU while four series are plotted at the worker's full poll rate for 30 s: the demo device's
// live values, a plot window shown on the offscreen platform, release build.
#include <cstdio>
#include <memory>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "ui/PlotWindow.h"
#include "vars/PlotModel.h"
#include "vars/VarsRegistry.h"
#include "worker/DeviceStack.h"
#include "worker/DeviceThread.h"

namespace {

constexpr int MeasureMs = 30000;
constexpr int WaitMs = 10000;
constexpr int Plotted[] = {40010, 40011, 40012, 40013};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && !waited.hasExpired(WaitMs))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto device = std::make_shared<SimDevice>();
    QString error;
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    device->setLiveDiagnostics(true);
    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaBenchPlots_%1").arg(QCoreApplication::applicationPid());
    DeviceStack stack(options);
    stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device));
    stack.transports().select(QStringLiteral("sim"));

    QMainWindow window;
    VarsRegistry registry(stack.protocol(), stack.worker());
    auto* plot = new PlotWindow(registry, &window);
    window.addDockWidget(Qt::RightDockWidgetArea, plot);
    window.resize(1280, 800);
    window.show();

    stack.start();
    bool authorised = false;
    if (waitFor([&] { return stack.worker().isConnected(); })) {
        DeviceProtocol* protocol = &stack.protocol();
        stack.worker().post([protocol, &authorised] { authorised = protocol->auth("1234") == 0; });
    }
    if (!waitFor([&] { return authorised; })) {
        std::fprintf(stderr, "the stand-in device did not take the PIN\n");
        stack.shutdown();
        return 1;
    }
    for (int id : Plotted)
        plot->plot(id, QStringLiteral("Value %1, V").arg(id));

    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(MeasureMs, &app, &QCoreApplication::quit);
    app.exec();
    const double percent = 100.0 * (cpuSeconds() - cpuStart) / (double(wall.nsecsElapsed()) / 1e9);
    qsizetype points = 0;
    for (const PlotModel::Series& s : plot->model().series())
        points += s.points.size();
    stack.shutdown();
    if (points < qsizetype(std::size(Plotted)) * MeasureMs / 1000) {
        std::fprintf(stderr, "only %lld readings were plotted\n", static_cast<long long>(points));
        return 1;
    }
    std::printf("plot_cpu_percent %.2f %%\n", percent);
    return 0;
}
