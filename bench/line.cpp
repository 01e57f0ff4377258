// One controller on the line: the demo device's full default settings written to a controller whose every
// writable number differs, saved to flash and read back, at 1 ms per exchange.
//   line_seconds_per_controller  from the start of the job to its record (identity, load, write, save, verify)
//   line_exchanges               the exchanges the job made
//   line_save_seconds            the flash save, the device's own time included
// The run fails unless line_seconds_per_controller <= 1.2 x (line_exchanges x 1 ms) + line_save_seconds.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "BenchFailure.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "vars/LineJob.h"
#include "vars/VarRecord.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"
#include "worker/DeviceStack.h"

namespace {

constexpr int LatencyUs = 1000;
constexpr double Allowance = 1.2;
constexpr int TimeoutMs = 300000;

// Every writable number the device holds, changed: the file then differs from it in each.
void changeEveryNumber(SimDevice& device)
{
    for (SettingsFile::Entry e : device.profile().entries) {
        if ((e.flags & VarFlag::ReadOnly) || e.value.size() != 4)
            continue;
        if (e.type == 'F') {
            float f = 0;
            std::memcpy(&f, e.value.constData(), sizeof f);
            f += 1.0f;
            std::memcpy(e.value.data(), &f, sizeof f);
        } else if (QByteArrayLiteral("UBIC").contains(e.type)) {
            e.value[0] = char(e.value[0] ^ 1);
        } else {
            continue;
        }
        device.setVariableValue(e.id, e.value);
    }
}

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > TimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    VarsUI pages;
    if (!pages.load())
        fail("line: the pages did not load");
    auto device = std::make_shared<SimDevice>();
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile")))
        fail("line: the demo profile did not load");
    const SettingsFile file = device->profile();
    changeEveryNumber(*device);

    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaBenchLine_%1").arg(QCoreApplication::applicationPid());
    DeviceStack stack(options);
    auto& link = static_cast<SimLink&>(
        stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device)));
    link.setLatencyUs(LatencyUs);
    stack.transports().select(QStringLiteral("sim"));
    VarsRegistry registry(stack.protocol(), stack.worker());
    stack.start();
    if (!waitFor([&stack] { return stack.worker().isConnected(); }))
        fail("line: the device did not connect");
    std::atomic<bool> pinned{false};
    DeviceProtocol& protocol = stack.protocol();
    stack.worker().post([&protocol, &pinned] { pinned = protocol.auth("1234") == 0; });
    if (!waitFor([&pinned] { return pinned.load(); }))
        fail("line: the PIN was not accepted");

    LineJob job(stack, registry, pages);
    QElapsedTimer save;
    qint64 saveMs = -1;
    QObject::connect(&job, &LineJob::stepStarted, &job, [&save, &saveMs](const QString& step, const QString&) {
        if (step == LineRecord::Save)
            save.start();
        else if (step == LineRecord::Verify && save.isValid())
            saveMs = save.elapsed();
    });
    std::optional<LineRecord> record;
    QObject::connect(&job, &LineJob::finished, &job, [&record](const LineRecord& r) { record = r; });
    const int exchangesBefore = link.exchanges();
    QElapsedTimer timer;
    timer.start();
    job.start(file, {.save = true, .force = false, .loaded = false});
    if (!waitFor([&record] { return record.has_value(); }))
        fail("line: the job did not end");
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const int exchanges = link.exchanges() - exchangesBefore;
    stack.shutdown();
    if (!record->done || record->written == 0 || saveMs < 0) {
        std::fprintf(stderr, "line: %s\n", qPrintable(record->summary()));
        fail("line: the controller was not programmed");
    }
    const double saveSeconds = double(saveMs) / 1000.0;
    std::printf("line_seconds_per_controller %.3f s\n", seconds);
    std::printf("line_exchanges %d count\n", exchanges);
    std::printf("line_save_seconds %.3f s\n", saveSeconds);
    std::printf("line_values_written %d count\n", record->written);
    if (seconds > Allowance * exchanges * LatencyUs / 1e6 + saveSeconds)
        fail("line: slower than 1.2 x its exchanges at 1 ms plus the save");
    return 0;
}
