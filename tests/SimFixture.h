#pragma once

// Small helpers for tests that talk to the stand-in device through the whole stack.

#include <memory>

#include <QtTest>

#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "vars/SettingsFile.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"

namespace SimFixture {

// Bytes a transfer test can tell apart from any other file's: the same seed gives the same bytes.
inline QByteArray pattern(int size, quint32 seed)
{
    QRandomGenerator rng{seed};
    QByteArray data(size, '\0');
    for (char& c : data)
        c = char(rng.bounded(256));
    return data;
}

const QString SmallProfile = QStringLiteral(KESTROVA_TEST_DATA "/small.profile");
const QString DemoProfile = QStringLiteral(":/sim/profiles/default.profile");

// The stand-in device with the variables of a profile, or of given entries.
inline std::shared_ptr<SimDevice> deviceWithProfile(const QString& path,
                                                    std::shared_ptr<SimClock> clock = std::make_shared<SteadyClock>())
{
    auto device = std::make_shared<SimDevice>(std::move(clock));
    QString error;
    if (!device->loadProfile(path, &error))
        qFatal("%s", qPrintable(error));
    return device;
}

inline std::shared_ptr<SimDevice> deviceWith(const QList<SettingsFile::Entry>& variables,
                                             std::shared_ptr<SimClock> clock = std::make_shared<SteadyClock>())
{
    auto device = std::make_shared<SimDevice>(std::move(clock));
    SettingsFile profile;
    profile.entries = variables;
    device->loadProfile(profile);
    return device;
}

// The ids to load when no page descriptions are at hand: every variable the device has.
inline QList<uint16_t> allIds(const SimDevice& device)
{
    return device.variableIds();
}

// A protocol object on a SimLink to the device, the link opened and PIN 1 given.
struct Session
{
    explicit Session(std::shared_ptr<SimDevice> d, bool batched = false) : device(std::move(d)), link(device)
    {
        link.setBatched(batched);
        protocol.setLink(&link);
    }
    bool connect() { return link.open() && protocol.auth("1234") == 0; }

    std::shared_ptr<SimDevice> device;
    SimLink link;
    DeviceProtocol protocol;
};

// The program's device side running on the worker thread against a stand-in device: connected,
// PIN 1 given and every device variable loaded.
struct RunningStack
{
    explicit RunningStack(std::shared_ptr<SimDevice> d) : device(std::move(d)), stack(options())
    {
        link = &static_cast<SimLink&>(
            stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device)));
        stack.transports().select(QStringLiteral("sim"));
        stack.worker().setLoadList(device->variableIds());
    }
    ~RunningStack() { stack.shutdown(); }

    static DeviceStack::Options options()
    {
        DeviceStack::Options o;
        o.usbGuardKey = QStringLiteral("KestrovaTest_%1").arg(QCoreApplication::applicationPid());
        return o;
    }
    // Starts the worker, gives PIN 1 and waits for the full load; false when any step did not happen.
    bool connectAndLoad()
    {
        // The end of the load arrives from the worker thread: take it on this thread, where it is read.
        bool loaded = false;
        QObject receiver;
        QObject::connect(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, &receiver, [&loaded] { loaded = true; },
                         Qt::QueuedConnection);
        stack.start();
        if (!QTest::qWaitFor([this] { return stack.worker().isConnected(); }, 5000))
            return false;
        DeviceProtocol& protocol = stack.protocol();
        DeviceThread& worker = stack.worker();
        stack.worker().post([&protocol, &worker] {
            if (protocol.auth("1234") == 0)
                worker.requestFullLoad();
        });
        return QTest::qWaitFor([&loaded] { return loaded; }, 5000) &&
               stack.protocol().vars().count() == device->variableIds().size();
    }

    std::shared_ptr<SimDevice> device;
    DeviceStack stack;
    SimLink* link = nullptr;
};

} // namespace SimFixture
