#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "files/FileService.h"
#include "link/DeviceProtocol.h"
#include "link/InstanceGuard.h"
#include "link/TransportManager.h"
#include "worker/DeviceThread.h"

// The program's device-side objects, built in the order they depend on each other: the protocol
// object (with the variable store), the transport manager (USB link active), the worker wired to
// both, the file service. main() owns one; nothing reaches for a global.
class DeviceStack
{
public:
    struct Options
    {
        QString usbGuardKey = QString::fromLatin1(InstanceGuard::DefaultKey);
        DeviceThreadTiming timing;
    };

    DeviceStack();
    explicit DeviceStack(const Options& options);
    ~DeviceStack();

    DeviceProtocol& protocol() { return m_protocol; }
    TransportManager& transports() { return m_transports; }
    DeviceThread& worker() { return m_worker; }
    FileService& files() { return m_files; }

    // Registers a further transport whose link lives as long as the stack.
    DeviceLink& addTransport(const QString& id, const QString& title, std::unique_ptr<DeviceLink> link,
                             TransportManager::PanelFactory panel = {});

    void start();
    // Ends a command in flight through the links' abort flags, stops the worker and waits for it.
    void shutdown();

private:
    DeviceProtocol m_protocol;
    std::vector<std::unique_ptr<DeviceLink>> m_links;
    TransportManager m_transports;
    DeviceThread m_worker;
    FileService m_files; // after the worker it posts to
};
