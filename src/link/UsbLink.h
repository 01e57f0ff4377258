#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QString>

#include "DeviceLink.h"
#include "InstanceGuard.h"

struct libusb_device;
struct libusb_device_handle;

// One controller on the bus, as a listing shows it.
struct UsbController
{
    QString port; // the bus-port path as libusb gives it, such as 1-1.2
    QString serial;
    QString model;     // its INFO answer; empty when it was not asked or could not be
    qint64 heldBy = 0; // the process id of the copy of the program holding it, 0 when free
};

// The real device on USB (0483:5750), reached through libusb's synchronous bulk transfers. Several controllers
// may share the bus: the link opens the one chosen, and each controller has a guard of its own, so that one copy
// of the program per controller can run side by side.
class UsbLink : public DeviceLink
{
    Q_DECLARE_TR_FUNCTIONS(UsbLink)
public:
    static constexpr uint16_t VendorId = 0x0483;
    static constexpr uint16_t ProductId = 0x5750;
    static constexpr unsigned char EndpointOut = 0x01;
    static constexpr unsigned char EndpointIn = 0x81;

    // What open() does when several controllers are connected and none is chosen.
    enum class Pick
    {
        OnlyOne,   // takes none and says why: a script must not program the wrong one
        FirstFree, // takes the first that no other copy holds, so that two windows side by side get one each
    };
    enum class Model
    {
        Skip, // a listing without a device exchange, cheap enough for the user interface thread
        Ask,
    };

    // guardKey is the base of the controllers' guard keys; the base itself is the key older versions of the
    // program hold for every device at once.
    explicit UsbLink(const QString& guardKey = QString::fromLatin1(InstanceGuard::DefaultKey));
    ~UsbLink() override;

    // The controller to open from now on: its serial number or its port; empty for no choice. Takes effect at the
    // next open().
    void setDevice(const QString& choice);
    QString device() const;
    void setPick(Pick pick);
    // The port of the controller open now; empty when closed.
    QString openPort() const;
    // The controllers on the bus, in port order. A controller another copy holds is not asked for its model.
    QList<UsbController> controllers(Model model) const;
    // How many controllers are on the bus, from their descriptors alone: nothing is sent to them.
    int controllerCount() const;
    static QString guardKey(const QString& baseKey, const QString& port);

    bool isOpen() const override;
    bool open() override;
    void close() override;
    int transact(unsigned tries, unsigned timeoutMs) override;
    QString blockNote() const override;
    // A loose connector is the usual way a real controller is lost in the middle of a transfer.
    bool resumesTransfers() const override;

protected:
    int writeFrame(const uint8_t* frame, int size, unsigned timeoutMs) override;
    int readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs) override;

private:
    struct Found;
    // Writes the enumeration lines to standard error and keeps the device list; the controllers found in it.
    std::vector<Found> enumerate();
    // The controllers in a device list, in port order; with tell, every device goes to standard error as the
    // enumeration describes it.
    static std::vector<Found> findControllers(libusb_device** devices, std::ptrdiff_t count, bool tell);
    void freeDeviceList();
    void closeHandle();
    bool claimGuard(const QString& port);
    void releaseGuard();
    void setBlockNote(const QString& note);
    // The controllers open() may take, or a note saying why there is none.
    std::vector<const Found*> candidates(const std::vector<Found>& found, QString* note) const;

    const QString m_baseKey;
    libusb_device** m_devices = nullptr;
    // Written by the worker, read by the window through isOpen().
    std::atomic<libusb_device_handle*> m_handle{nullptr};
    bool m_interfaceClaimed = false;
    std::unique_ptr<InstanceGuard> m_guard; // the open controller's, while it is claimed
    std::atomic<Pick> m_pick{Pick::OnlyOne};
    // The window sets the choice and reads the port while the worker opens.
    mutable QMutex m_stateMutex;
    QString m_blockNote;
    QString m_choice;
    QString m_openPort;
};
