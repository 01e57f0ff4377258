#include "UsbLink.h"

#include <algorithm>

#include <libusb.h>

#include "platform/Diagnostics.h"

struct UsbLink::Found
{
    libusb_device* device = nullptr; // owned by the list it was found in
    QList<int> path;                 // port numbers, for the order of a listing
    QString port;
    std::string manufacturer;
    std::string product;
    std::string serial;
};

namespace {

constexpr int MaxPortDepth = 8;

} // namespace

std::vector<UsbLink::Found> UsbLink::findControllers(libusb_device** devices, std::ptrdiff_t count, bool tell)
{
    const auto print = [tell](const char* format, auto... args) {
        if (!tell)
            return;
        if constexpr (sizeof...(args) == 0)
            Diagnostics::print("%s", format);
        else
            Diagnostics::print(format, args...);
    };
    std::vector<Found> found;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        libusb_device* dev = devices[i];
        libusb_device_descriptor desc;
        if (libusb_get_device_descriptor(dev, &desc) != 0) {
            print("failed to get device descriptor");
            continue;
        }
        print("%04x:%04x (bus %d, device %d iMan=%d iProd=%d iSer=%d)", desc.idVendor, desc.idProduct,
              libusb_get_bus_number(dev), libusb_get_device_address(dev), desc.iManufacturer, desc.iProduct,
              desc.iSerialNumber);
        uint8_t ports[MaxPortDepth];
        const int depth = libusb_get_port_numbers(dev, ports, int(sizeof ports));
        Found controller;
        controller.device = dev;
        QStringList numbers;
        for (int p = 0; p < depth; ++p) {
            print(p == 0 ? " path: %d" : ".%d", ports[p]);
            controller.path << ports[p];
            numbers << QString::number(ports[p]);
        }
        if (desc.idVendor == VendorId && desc.idProduct == ProductId) {
            print(" found ");
            controller.port =
                QStringLiteral("%1-%2").arg(libusb_get_bus_number(dev)).arg(numbers.join(QLatin1Char('.')));
            controller.path.prepend(libusb_get_bus_number(dev));
            libusb_device_handle* handle = nullptr;
            if (libusb_open(dev, &handle) == 0) {
                auto readString = [handle](uint8_t index) {
                    unsigned char text[256] = {};
                    if (index == 0 || libusb_get_string_descriptor_ascii(handle, index, text, sizeof text) < 0)
                        return std::string();
                    return std::string(reinterpret_cast<const char*>(text));
                };
                controller.manufacturer = readString(desc.iManufacturer);
                controller.product = readString(desc.iProduct);
                controller.serial = readString(desc.iSerialNumber);
                print(" Manufacturer='%s'", controller.manufacturer.c_str());
                print(" Product='%s'", controller.product.c_str());
                print(" SerialNumber='%s'\r\n", controller.serial.c_str());
                libusb_close(handle);
            } else {
                print(" open failed\r\n");
            }
            found.push_back(std::move(controller));
        }
        print("\r\n");
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::lexicographical_compare(a.path.cbegin(), a.path.cend(), b.path.cbegin(), b.path.cend());
    });
    return found;
}

UsbLink::UsbLink(const QString& guardKey) : m_baseKey(guardKey)
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
    releaseGuard();
    if (m_ready)
        libusb_exit(nullptr);
}

QString UsbLink::guardKey(const QString& baseKey, const QString& port)
{
    return baseKey + QLatin1Char('_') + port;
}

void UsbLink::setDevice(const QString& choice)
{
    QMutexLocker lock(&m_stateMutex);
    m_choice = choice;
}

QString UsbLink::device() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_choice;
}

void UsbLink::setPick(Pick pick)
{
    m_pick = pick;
}

QString UsbLink::openPort() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_openPort;
}

bool UsbLink::isOpen() const
{
    return m_handle.load() != nullptr;
}

QList<UsbController> UsbLink::controllers(Model model) const
{
    QList<UsbController> listed;
    if (!m_ready)
        return listed;
    libusb_device** devices = nullptr;
    const ssize_t count = libusb_get_device_list(nullptr, &devices);
    if (count < 0)
        return listed;
    for (const Found& f : findControllers(devices, count, false)) {
        UsbController c;
        c.port = f.port;
        c.serial = QString::fromStdString(f.serial);
        c.heldBy = InstanceGuard(guardKey(m_baseKey, f.port)).liveHolder();
        if (model == Model::Ask && c.heldBy == 0) {
            // Asked as a copy of the program would, under the controller's guard.
            UsbLink asking(m_baseKey);
            asking.setDevice(f.port);
            if (asking.open())
                c.model = QString::fromStdString(asking.infoText());
            QMutexLocker lock(&asking.commandMutex());
            asking.close();
        }
        listed << c;
    }
    libusb_free_device_list(devices, 1);
    return listed;
}

int UsbLink::controllerCount() const
{
    if (!m_ready)
        return 0;
    libusb_device** devices = nullptr;
    const ssize_t count = libusb_get_device_list(nullptr, &devices);
    int controllers = 0;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor desc;
        if (libusb_get_device_descriptor(devices[i], &desc) == 0 && desc.idVendor == VendorId &&
            desc.idProduct == ProductId)
            ++controllers;
    }
    if (count >= 0)
        libusb_free_device_list(devices, 1);
    return controllers;
}

std::vector<const UsbLink::Found*> UsbLink::candidates(const std::vector<Found>& found, QString* note) const
{
    const QString choice = device();
    std::vector<const Found*> taken;
    for (const Found& f : found) {
        if (choice.isEmpty() || f.port == choice || QString::fromStdString(f.serial) == choice)
            taken.push_back(&f);
    }
    if (taken.empty() && !choice.isEmpty())
        *note = tr("No controller %1 is connected.").arg(choice);
    if (taken.size() > 1 && m_pick == Pick::OnlyOne) {
        QStringList names;
        for (const Found* f : taken)
            names << QStringLiteral("%1 (%2)").arg(f->port, QString::fromStdString(f->serial));
        *note = tr("Several controllers are connected: %1. Choose one.").arg(names.join(QStringLiteral(", ")));
        taken.clear();
    }
    return taken;
}

bool UsbLink::open()
{
    QMutexLocker lock(&m_commandMutex);
    if (!m_ready)
        return false;
    // An older version holds every device under the base key and knows nothing of the keys per controller.
    if (const qint64 older = InstanceGuard(m_baseKey).liveHolder()) {
        setBlockNote(tr("An older version of the program (process %1) is using the USB devices. Close it "
                        "first: older versions must not run alongside this one.")
                         .arg(older));
        return false;
    }
    const std::vector<Found> found = enumerate();
    QString note;
    const std::vector<const Found*> taken = candidates(found, &note);
    if (taken.empty())
        Diagnostics::print("USB h=%p\n", static_cast<void*>(nullptr));
    for (const Found* controller : taken) {
        if (!claimGuard(controller->port)) {
            if (note.isEmpty())
                note = m_guard->note();
            releaseGuard();
            continue;
        }
        // Opening the listed device (rather than libusb's open by ids) keeps the error code, so that a
        // device the user may not open is explained instead of ignored.
        libusb_device_handle* handle = nullptr;
        const int openError = libusb_open(controller->device, &handle);
        Diagnostics::print("USB h=%p\n", static_cast<void*>(handle));
        if (!handle) {
            if (openError == LIBUSB_ERROR_ACCESS && note.isEmpty())
                note = tr("The device was found but this user may not open it. Install the udev rule for "
                          "0483:5750 (see the README) and plug the device in again.");
            releaseGuard();
            continue;
        }
        setUsbStrings(controller->manufacturer, controller->product, controller->serial);
        libusb_set_auto_detach_kernel_driver(handle, 1);
        m_interfaceClaimed = libusb_claim_interface(handle, 0) == 0;
        m_handle = handle;
        if (exchangeInfo() != 0) {
            closeHandle();
            releaseGuard();
            continue;
        }
        {
            QMutexLocker state(&m_stateMutex);
            m_openPort = controller->port;
        }
        setBlockNote({});
        return true;
    }
    setBlockNote(note);
    return false;
}

void UsbLink::close()
{
    closeHandle();
    releaseGuard();
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
    QMutexLocker lock(&m_stateMutex);
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

std::vector<UsbLink::Found> UsbLink::enumerate()
{
    freeDeviceList();
    closeHandle();
    clearStrings();

    const ssize_t count = libusb_get_device_list(nullptr, &m_devices);
    if (count < 0) {
        Diagnostics::print("ERROR get_dev_list=%d\n", int(count));
        m_devices = nullptr;
        return {};
    }
    return findControllers(m_devices, count, true);
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
    QMutexLocker lock(&m_stateMutex);
    m_openPort.clear();
}

bool UsbLink::claimGuard(const QString& port)
{
    m_guard = std::make_unique<InstanceGuard>(guardKey(m_baseKey, port));
    return m_guard->claim();
}

void UsbLink::releaseGuard()
{
    m_guard.reset();
}

void UsbLink::setBlockNote(const QString& note)
{
    QMutexLocker lock(&m_stateMutex);
    m_blockNote = note;
}
