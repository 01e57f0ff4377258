#include "DevicesCommand.h"

#include <QJsonObject>

#include "CliOutput.h"
#include "CliSession.h"
#include "link/UsbLink.h"
#include "worker/DeviceStack.h"

namespace {

const QString ListKey = QStringLiteral("devices");

} // namespace

bool DevicesCommand::handles(const QString& command)
{
    return command == ListKey;
}

void DevicesCommand::print(CliOutput& out, const QList<UsbController>& controllers)
{
    out.list(ListKey);
    for (const UsbController& c : controllers) {
        const QString held = c.heldBy ? tr("held by process %1").arg(c.heldBy) : tr("free");
        out.row(ListKey, {c.port, c.serial, c.model, held},
                {{QStringLiteral("port"), c.port},
                 {QStringLiteral("serial"), c.serial},
                 {QStringLiteral("model"), c.model},
                 {QStringLiteral("heldBy"), c.heldBy ? QJsonValue(c.heldBy) : QJsonValue()}});
    }
}

int DevicesCommand::run()
{
    const QList<UsbController> controllers = m_session.stack().transports().usbLink().controllers(UsbLink::Model::Ask);
    print(m_session.out(), controllers);
    if (controllers.isEmpty())
        m_session.out().note(tr("No controller is connected."));
    return CliExit::Ok;
}
