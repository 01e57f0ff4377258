#include "DemoTransport.h"

#include <memory>

#include "SimDevice.h"
#include "SimLink.h"
#include "worker/DeviceStack.h"

void installDemoTransport(DeviceStack& stack)
{
    auto device = std::make_shared<SimDevice>();
    QString error;
    // Without its profile the device still answers, only with no variables; say why.
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error))
        qWarning("demo profile: %s", qPrintable(error));
    // A demo shows what a car shows: values that move.
    device->setLiveDiagnostics(true);
    stack.addTransport(TransportManager::DemoId, QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "Demo device")),
                       std::make_unique<SimLink>(std::move(device)));
}
