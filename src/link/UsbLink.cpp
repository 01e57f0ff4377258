#include "UsbLink.h"

#include <libusb.h>

#include "platform/Diagnostics.h"

UsbLink::UsbLink(const QString& guardKey) : m_guard(guardKey)
{
    if (libusb_init(nullptr) != 0) {
        Diagnostics::print("ERROR: libusb");
        return;
    }
    m_ready = 1;
}

UsbLink::~UsbLink()
{
    closeHandle();
    freeDeviceList();
    m_guard.release();
    if (m_ready)
        libusb_exit(nullptr);
}

bool UsbLink::isOpen() const
{
    return m_handle.load() != nullptr;
}

bool UsbLink::open()
{
    QMutexLocker lock(&m_commandMutex);
    if (!m_ready)
        return false;
    if (!m_guard.claim()) {
        setBlockNote(m_guard.note());
        return false;
    }
    setBlockNote({});
    enumerate();

    // Opening the listed device (rather than libusb's open by ids) keeps the error code, so that a
    // device the user may not open is explained instead of ignored.
    int openError = LIBUSB_ERROR_NOT_FOUND;
    libusb_device_handle* handle = nullptr;
    for (int i = 0; m_devices && m_devices[i]; ++i) {
        libusb_device_descriptor desc;
        if (libusb_get_device_descriptor(m_devices[i], &desc) != 0 || desc.idVendor != VendorId ||
            desc.idProduct != ProductId)
            continue;
        openError = libusb_open(m_devices[i], &handle);
        break;
    }
    Diagnostics::print("USB h=%p\n", static_cast<void*>(handle));
    if (!handle) {
        if (openError == LIBUSB_ERROR_ACCESS)
            setBlockNote(tr("The device was found but this user may not open it. Install the udev rule for "
                            "0483:5750 (see the README) and plug the device in again."));
        m_guard.release();
        return false;
    }
    libusb_set_auto_detach_kernel_driver(handle, 1);
    m_interfaceClaimed = libusb_claim_interface(handle, 0) == 0;
    m_handle = handle;

    if (exchangeInfo() != 0) {
        closeHandle();
        m_guard.release();
        return false;
    }
    return true;
}

void UsbLink::close()
{
    closeHandle();
    m_guard.release();
}

int UsbLink::transact(unsigned tries, unsigned timeoutMs)
{
    if (!m_handle)
        return LIBUSB_ERROR_NO_DEVICE;
    return runExchange(tries, timeoutMs);
}

bool UsbLink::resumesTransfers() const
{
    return true;
}

QString UsbLink::blockNote() const
{
    QMutexLocker lock(&m_noteMutex);
    return m_blockNote;
}

int UsbLink::writeFrame(const uint8_t* frame, int size, unsigned timeoutMs)
{
    int transferred = 0;
    return libusb_bulk_transfer(m_handle, EndpointOut, const_cast<uint8_t*>(frame), size, &transferred, timeoutMs);
}

int UsbLink::readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs)
{
    int transferred = 0;
    return libusb_bulk_transfer(m_handle, EndpointIn, buffer, capacity, &transferred, timeoutMs);
}

void UsbLink::enumerate()
{
    freeDeviceList();
    closeHandle();
    clearStrings();

    const ssize_t count = libusb_get_device_list(nullptr, &m_devices);
    if (count < 0) {
        Diagnostics::print("ERROR get_dev_list=%d\n", int(count));
        m_devices = nullptr;
        return;
    }
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device* dev = m_devices[i];
        libusb_device_descriptor desc;
        if (libusb_get_device_descriptor(dev, &desc) != 0) {
            Diagnostics::print("failed to get device descriptor");
            continue;
        }
        Diagnostics::print("%04x:%04x (bus %d, device %d iMan=%d iProd=%d iSer=%d)", desc.idVendor, desc.idProduct,
                           libusb_get_bus_number(dev), libusb_get_device_address(dev), desc.iManufacturer,
                           desc.iProduct, desc.iSerialNumber);
        uint8_t ports[8];
        const int depth = libusb_get_port_numbers(dev, ports, int(sizeof ports));
        for (int p = 0; p < depth; ++p)
            Diagnostics::print(p == 0 ? " path: %d" : ".%d", ports[p]);
        if (desc.idVendor == VendorId && desc.idProduct == ProductId) {
            Diagnostics::print(" found ");
            libusb_device_handle* handle = nullptr;
            if (libusb_open(dev, &handle) == 0) {
                auto readString = [handle](uint8_t index) {
                    unsigned char text[256] = {};
                    if (index == 0 || libusb_get_string_descriptor_ascii(handle, index, text, sizeof text) < 0)
                        return std::string();
                    return std::string(reinterpret_cast<const char*>(text));
                };
                std::string manufacturer = readString(desc.iManufacturer);
                std::string product = readString(desc.iProduct);
                std::string serial = readString(desc.iSerialNumber);
                Diagnostics::print(" Manufacturer='%s'", manufacturer.c_str());
                Diagnostics::print(" Product='%s'", product.c_str());
                Diagnostics::print(" SerialNumber='%s'\r\n", serial.c_str());
                setUsbStrings(std::move(manufacturer), std::move(product), std::move(serial));
                libusb_close(handle);
            } else {
                Diagnostics::print(" open failed\r\n");
            }
        }
        Diagnostics::print("\r\n");
    }
}

void UsbLink::freeDeviceList()
{
    if (m_devices) {
        libusb_free_device_list(m_devices, 1);
        m_devices = nullptr;
    }
}

void UsbLink::closeHandle()
{
    // Closed only after the window can no longer see it open.
    libusb_device_handle* handle = m_handle.exchange(nullptr);
    if (!handle)
        return;
    if (m_interfaceClaimed)
        libusb_release_interface(handle, 0);
    m_interfaceClaimed = false;
    libusb_close(handle);
}

void UsbLink::setBlockNote(const QString& note)
{
    QMutexLocker lock(&m_noteMutex);
    m_blockNote = note;
}
