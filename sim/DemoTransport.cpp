#include "DemoTransport.h"

#include <memory>

#include "SimDevice.h"
#include "SimLink.h"
#include "worker/DeviceStack.h"

void installDemoTransport(DeviceStack& stack)
{
    const QString id = QStringLiteral("demo");
    auto device = std::make_shared<SimDevice>();
    stack.addTransport(id, QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "Demo device")),
                       std::make_unique<SimLink>(std::move(device)));
    stack.transports().select(id);
}
