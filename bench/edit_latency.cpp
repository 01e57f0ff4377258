// How long an edit waits behind variable polling: from posting the write job to its VAR_SET reaching
// the stand-in device, with 1 ms per exchange and a 200-variable page being polled.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include <QCoreApplication>
#include <QSemaphore>
#include <QtEndian>

#include "link/CommandTable.h"
#include "sim/SimLink.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"
#include "worker/DeviceStack.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Samples = 400;
constexpr uint16_t PolledIds = 200;

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaBench_%1").arg(QCoreApplication::applicationPid());
    DeviceStack stack(options);
    auto device = std::make_shared<SimDevice>();
    QString error;
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error)) {
        std::fprintf(stderr, "default profile: %s\n", qPrintable(error));
        return 1;
    }
    const QList<uint16_t> polled = device->variableIds().mid(0, PolledIds);
    // The edit goes to a plain writable number of the polled page, which the device accepts.
    uint16_t editedId = 0;
    for (const uint16_t id : polled) {
        const auto v = device->variable(id);
        if (v->type == 'U' && !(v->flags & VarFlag::ReadOnly)) {
            editedId = id;
            break;
        }
    }
    auto& link = static_cast<SimLink&>(
        stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device)));
    link.setLatencyUs(1000);

    // The device side: the moment the write leaves the link for the device, after its own latency.
    std::atomic<Clock::rep> arrived{0};
    std::atomic<int> reads{0};
    std::atomic<int> readsAtArrival{0};
    QSemaphore writes;
    link.setRequestObserver([&](uint8_t cmd, const QByteArray&) {
        if (cmd == Cmd::VAR_GET)
            ++reads;
        if (cmd == Cmd::VAR_SET) {
            arrived = Clock::now().time_since_epoch().count();
            readsAtArrival = reads.load();
            writes.release();
        }
    });

    stack.transports().select(QStringLiteral("sim"));
    stack.start();
    DeviceThread& worker = stack.worker();
    auto waitFor = [](auto condition) {
        for (int i = 0; i < 500 && !condition(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return condition();
    };
    if (!waitFor([&] { return worker.isConnected(); })) {
        std::fprintf(stderr, "the stand-in device did not connect\n");
        return 1;
    }

    VARS& vars = stack.protocol().vars();
    DeviceProtocol& protocol = stack.protocol();
    // The device shows its variables only after the PIN, as the window's first job gives it.
    worker.post([&protocol] { protocol.auth("1234"); });
    for (const uint16_t id : polled)
        worker.addFastPoll(id);
    // Measured once the page is being polled, past the pause that follows opening the device.
    if (polled.size() < PolledIds || !editedId || !waitFor([&] { return vars.find(editedId) != nullptr; })) {
        std::fprintf(stderr, "the page of %d variables is not being polled\n", int(PolledIds));
        return 1;
    }

    // Edits come at random moments, so they meet the poll pass at every point of it.
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pauseUs(0, 8000);
    std::vector<double> latencies;
    int mostReadsWaited = 0; // reads the device served between the post and the write
    for (int i = 0; i < Samples; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
        const QString text = QString::number(i);
        const int readsAtPost = reads.load();
        const Clock::time_point posted = Clock::now();
        worker.post([&vars, &protocol, editedId, text] {
            vars.setValueText(*vars.find(editedId), text);
            vars.markDirty(editedId);
            protocol.varsSet(editedId, true);
        });
        if (!writes.tryAcquire(1, 5000)) {
            std::fprintf(stderr, "a write never reached the device\n");
            return 1;
        }
        const Clock::time_point reached{Clock::duration(arrived.load())};
        latencies.push_back(std::chrono::duration<double, std::milli>(reached - posted).count());
        mostReadsWaited = std::max(mostReadsWaited, readsAtArrival.load() - readsAtPost);
    }

    // The device runs the last write just after the observer saw it; a job behind it marks the end.
    QSemaphore finished;
    worker.post([&finished] { finished.release(); });
    finished.tryAcquire(1, 5000);
    const auto written = device->variable(editedId);
    const uint32_t last = qToLittleEndian(uint32_t(Samples - 1));
    if (!written || written->value != QByteArray(reinterpret_cast<const char*>(&last), 4)) {
        std::fprintf(stderr, "the device does not hold the last value written\n");
        return 1;
    }
    std::printf("edit_latency_p50_ms %.3f ms\n", percentile(latencies, 0.50));
    std::printf("edit_latency_p99_ms %.3f ms\n", percentile(latencies, 0.99));
    std::printf("edit_wait_reads_max %d reads\n", mostReadsWaited);
    return 0;
}
