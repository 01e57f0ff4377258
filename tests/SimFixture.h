#pragma once

// Small helpers for tests that talk to the stand-in device through the whole stack.

#include <memory>

#include <QtTest>

#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "vars/SettingsFile.h"

namespace SimFixture {

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

} // namespace SimFixture
