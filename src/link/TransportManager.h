#pragma once

#include <atomic>
#include <functional>

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "InstanceGuard.h"
#include "UsbLink.h"

class DeviceLink;
class QWidget;
class TransportPanel;

// Owns the USB link and the list of named transports. The user interface stores the chosen link in
// the pending slot; the device worker adopts it between two cycles, so the hand-over needs no lock.
// The list itself is built and read on the user interface thread only.
class TransportManager
{
    Q_DECLARE_TR_FUNCTIONS(TransportManager)
public:
    using PanelFactory = std::function<TransportPanel*(QWidget* parent)>;
    using ChangeCallback = std::function<void()>;

    struct Transport
    {
        QString id;
        QString title; // source text, translated in the context "TransportManager" when shown
        DeviceLink* link = nullptr;
        PanelFactory panel;
    };

    // The guard key is only for tests, which must not meet a running program over the real device.
    // The stand-in device the program registers for trying it without hardware.
    static inline const QString DemoId = QStringLiteral("demo");

    explicit TransportManager(const QString& usbGuardKey = QString::fromLatin1(InstanceGuard::DefaultKey));

    void addTransport(const QString& id, const QString& title, DeviceLink* link, PanelFactory panel = {});
    // The user-interface side lives in a library of its own, so the USB panel is installed from there.
    bool setPanelFactory(const QString& id, PanelFactory panel);
    const QList<Transport>& transports() const { return m_transports; }
    static QString displayTitle(const Transport& transport);

    DeviceLink* find(const QString& id) const;
    // Stores the transport's link as pending and wakes the worker; false for an unknown id. With reopen the
    // worker closes and opens the link again also when it is the active one (another USB controller chosen).
    bool select(const QString& id, bool reopen = false);
    void setChangeCallback(ChangeCallback callback) { m_changed = std::move(callback); }

    UsbLink& usbLink() { return m_usb; }
    DeviceLink* activeLink() const { return m_active.load(); }
    DeviceLink* pendingLink() const { return m_pending.load(); }
    // Worker side of a switch.
    DeviceLink* takePending() { return m_pending.exchange(nullptr); }
    bool takeReopen() { return m_reopen.exchange(false); }
    void setActiveLink(DeviceLink* link) { m_active.store(link); }

private:
    ChangeCallback m_changed;
    UsbLink m_usb;
    QList<Transport> m_transports;
    std::atomic<DeviceLink*> m_active;
    std::atomic<DeviceLink*> m_pending{nullptr};
    std::atomic<bool> m_reopen{false};
};
