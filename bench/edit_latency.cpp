// How long an edit waits behind variable polling: from posting the write job to its VAR_SET reaching
// the stand-in device, with 1 ms per exchange and a 200-variable page being polled.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include <QCoreApplication>
#include <QSemaphore>

#include "link/CommandTable.h"
#include "sim/SimLink.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Samples = 400;
constexpr uint16_t PolledIds = 200;
constexpr uint16_t EditedId = 1000;

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void storeNumber(VARS& vars, uint16_t id)
{
    const uint8_t zero[4] = {};
    vars.update(id, 0, 'U', 0, 4, zero, 4);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaBench_%1").arg(QCoreApplication::applicationPid());
    DeviceStack stack(options);
    auto& link = static_cast<SimLink&>(stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"),
                                                          std::make_unique<SimLink>(std::make_shared<SimDevice>())));
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

    for (uint16_t id = 1; id <= PolledIds; ++id)
        worker.addFastPoll(id);
    // Measured once the page is being polled, past the pause that follows opening the device.
    if (!waitFor([&] { return reads.load() > 0; })) {
        std::fprintf(stderr, "polling did not start\n");
        return 1;
    }
    VARS& vars = stack.protocol().vars();
    DeviceProtocol& protocol = stack.protocol();
    storeNumber(vars, EditedId);

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
        worker.post([&vars, &protocol, text] {
            if (VarRecord* record = vars.find(EditedId)) {
                vars.setValueText(*record, text);
                vars.markDirty(EditedId);
            }
            protocol.varsSet(EditedId, true);
        });
        if (!writes.tryAcquire(1, 5000)) {
            std::fprintf(stderr, "a write never reached the device\n");
            return 1;
        }
        const Clock::time_point reached{Clock::duration(arrived.load())};
        latencies.push_back(std::chrono::duration<double, std::milli>(reached - posted).count());
        mostReadsWaited = std::max(mostReadsWaited, readsAtArrival.load() - readsAtPost);
    }

    std::printf("edit_latency_p50_ms %.3f ms\n", percentile(latencies, 0.50));
    std::printf("edit_latency_p99_ms %.3f ms\n", percentile(latencies, 0.99));
    std::printf("edit_wait_reads_max %d reads\n", mostReadsWaited);
    return 0;
}
