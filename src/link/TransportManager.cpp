#include "TransportManager.h"

TransportManager::TransportManager(const QString& usbGuardKey) : m_usb(usbGuardKey), m_active(&m_usb)
{
    addTransport(QStringLiteral("usb"), QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "USB")), &m_usb);
}

void TransportManager::addTransport(const QString& id, const QString& title, DeviceLink* link, PanelFactory panel)
{
    m_transports.append({id, title, link, std::move(panel)});
}

bool TransportManager::setPanelFactory(const QString& id, PanelFactory panel)
{
    for (Transport& t : m_transports) {
        if (t.id == id) {
            t.panel = std::move(panel);
            return true;
        }
    }
    return false;
}

QString TransportManager::displayTitle(const Transport& transport)
{
    return tr(transport.title.toUtf8().constData());
}

DeviceLink* TransportManager::find(const QString& id) const
{
    for (const Transport& t : m_transports) {
        if (t.id == id)
            return t.link;
    }
    return nullptr;
}

bool TransportManager::select(const QString& id, bool reopen)
{
    DeviceLink* link = find(id);
    if (!link)
        return false;
    // The flag first: the worker takes the link, then the flag.
    if (reopen)
        m_reopen.store(true);
    m_pending.store(link);
    if (m_changed)
        m_changed();
    return true;
}
