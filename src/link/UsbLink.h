#pragma once

#include <atomic>

#include <QCoreApplication>
#include <QMutex>
#include <QString>

#include "DeviceLink.h"
#include "InstanceGuard.h"

struct libusb_device;
struct libusb_device_handle;

// The real device on USB (0483:5750), reached through libusb's synchronous bulk transfers.
class UsbLink : public DeviceLink
{
    Q_DECLARE_TR_FUNCTIONS(UsbLink)
public:
    static constexpr uint16_t VendorId = 0x0483;
    static constexpr uint16_t ProductId = 0x5750;
    static constexpr unsigned char EndpointOut = 0x01;
    static constexpr unsigned char EndpointIn = 0x81;

    explicit UsbLink(const QString& guardKey = QString::fromLatin1(InstanceGuard::DefaultKey));
    ~UsbLink() override;

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
    // Writes the enumeration lines to standard error, keeps the device list and the USB strings.
    void enumerate();
    void freeDeviceList();
    void closeHandle();
    void setBlockNote(const QString& note);

    libusb_device** m_devices = nullptr;
    // Written by the worker, read by the window through isOpen().
    std::atomic<libusb_device_handle*> m_handle{nullptr};
    bool m_interfaceClaimed = false;
    InstanceGuard m_guard;
    mutable QMutex m_noteMutex;
    QString m_blockNote;
};
