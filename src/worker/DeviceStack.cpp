#include "DeviceStack.h"

DeviceStack::DeviceStack() : DeviceStack(Options{})
{}

DeviceStack::DeviceStack(const Options& options)
    : m_transports(options.usbGuardKey), m_worker(m_protocol, m_transports, options.timing),
      m_files(m_worker, m_protocol)
{}

DeviceStack::~DeviceStack()
{
    shutdown();
}

DeviceLink& DeviceStack::addTransport(const QString& id, const QString& title, std::unique_ptr<DeviceLink> link,
                                      TransportManager::PanelFactory panel)
{
    DeviceLink& added = *m_links.emplace_back(std::move(link));
    m_transports.addTransport(id, title, &added, std::move(panel));
    return added;
}

void DeviceStack::start()
{
    m_worker.start(QThread::InheritPriority);
}

void DeviceStack::shutdown()
{
    if (!m_worker.isRunning())
        return;
    for (const TransportManager::Transport& t : m_transports.transports())
        t.link->abort();
    m_worker.stop();
    m_worker.wait();
}
