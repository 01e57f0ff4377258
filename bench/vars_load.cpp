// Variable loading through the whole stack (protocol, link, frames, stand-in device, store).
//   load_ratio          full load of 500 variables one by one at 1 ms per exchange: time / (exchanges x 1 ms)
//   load_ratio_batched  the same, 24 ids per request
//   exchanges_per_s     VAR_GET exchanges per second without latency
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"

namespace {

constexpr int Variables = 500;
constexpr int LatencyUs = 1000;
constexpr int Runs = 5;

// A device of count variables: every type, the usual flag mixes, every eleventh one redirected.
QList<SettingsFile::Entry> generatedProfile(int count)
{
    static constexpr char Types[] = "UBIFCTR";
    static constexpr uint16_t Flags[] = {VarFlag::Flash, VarFlag::Fram | VarFlag::Static, VarFlag::Flash | VarFlag::Bit,
                                         VarFlag::Fram | VarFlag::ReadOnly, VarFlag::Flash | VarFlag::Inverted};
    QList<SettingsFile::Entry> out;
    for (int i = 0; i < count; ++i) {
        SettingsFile::Entry e;
        e.id = uint16_t(1000 + i);
        e.type = Types[i % 7];
        e.flags = Flags[(i / 7) % std::size(Flags)];
        e.redir = i % 11 == 5 ? uint16_t(1000 + i / 2) : 0;
        e.capacity = 4;
        if (e.type == 'T') {
            e.capacity = 32;
            e.value = QStringLiteral("Зона %1").arg(i).toUtf8();
        } else if (e.type == 'R') {
            e.value = QByteArray::fromHex("5a01");
        } else {
            const uint32_t num = uint32_t(i) * 7919u;
            for (int b = 0; b < 4; ++b)
                e.value.append(char(num >> (8 * b)));
        }
        out.append(e);
    }
    return out;
}

struct Stand
{
    explicit Stand(bool batched) : device(std::make_shared<SimDevice>()), link(device)
    {
        SettingsFile profile;
        profile.entries = generatedProfile(Variables);
        device->loadProfile(profile);
        link.setBatched(batched);
        protocol.setLink(&link);
        if (!link.open() || protocol.auth("1234") != 0) {
            std::fprintf(stderr, "the stand-in device did not answer\n");
            std::exit(1);
        }
        ids = device->variableIds();
    }

    std::shared_ptr<SimDevice> device;
    SimLink link;
    DeviceProtocol protocol;
    QList<uint16_t> ids;
};

// Median over a few fresh loads, so one scheduler hiccup does not decide the figure.
double loadRatio(bool batched)
{
    Stand stand(batched);
    stand.link.setLatencyUs(LatencyUs);
    std::vector<double> ratios;
    for (int run = 0; run < Runs; ++run) {
        stand.protocol.vars().clear();
        const int before = stand.link.exchanges();
        QElapsedTimer timer;
        timer.start();
        stand.protocol.loadVars(stand.ids, batched);
        const double ns = double(timer.nsecsElapsed());
        const int exchanges = stand.link.exchanges() - before;
        if (stand.protocol.vars().count() != Variables) {
            std::fprintf(stderr, "load incomplete: %d of %d\n", stand.protocol.vars().count(), Variables);
            std::exit(1);
        }
        ratios.push_back(ns / (double(exchanges) * LatencyUs * 1000.0));
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}

double exchangesPerSecond()
{
    Stand stand(false);
    const int before = stand.link.exchanges();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1000) {
        for (const uint16_t id : stand.ids)
            stand.protocol.readVar(id);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return double(stand.link.exchanges() - before) / seconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::printf("load_ratio %.3f ratio\n", loadRatio(false));
    std::printf("load_ratio_batched %.3f ratio\n", loadRatio(true));
    std::printf("exchanges_per_s %.0f exchanges/s\n", exchangesPerSecond());
    return 0;
}
