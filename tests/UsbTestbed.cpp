// glibc's fortified open() is an inline wrapper that would clash with the interposed open() below.
#undef _FORTIFY_SOURCE

#include "UsbTestbed.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <map>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/ioctl.h>

#include <linux/usbdevice_fs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <umockdev.h>

#include "link/UsbLink.h"

namespace {

struct GObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
using DataPtr = std::unique_ptr<UMockdevIoctlData, GObjectUnref>;

// Client memory behind a pointer inside data, copied here; changes go back when the ioctl completes.
DataPtr resolve(UMockdevIoctlData* data, std::size_t offset, std::size_t length)
{
    GError* error = nullptr;
    DataPtr resolved(umockdev_ioctl_data_resolve(data, offset, length, &error));
    if (error)
        g_error_free(error);
    return resolved;
}

constexpr int Bus = 1;
constexpr int MaxPacket = 64;
constexpr uint8_t DescriptorDevice = 1;
constexpr uint8_t DescriptorConfig = 2;
constexpr uint8_t DescriptorString = 3;
constexpr int DeviceDescriptorSize = 18;
constexpr int SetupSize = 8;

struct DeviceSpec
{
    const char* name; // sysfs name; it gives libusb the port path
    uint16_t vendor;
    uint16_t product;
    uint8_t deviceClass;
    uint8_t stringIndex[3]; // manufacturer, product, serial number
    bool bulkEndpoints;
};

constexpr DeviceSpec RootHub{"usb1", 0x1d6b, 0x0002, 9, {3, 2, 1}, false};
constexpr DeviceSpec Hub{"1-1", 0x1a40, 0x0101, 9, {0, 1, 0}, false};
// Same vendor as the controller, another product: only the product id tells them apart. On port 3 it is
// found after the controller and so comes before it in libusb's list.
constexpr DeviceSpec Bootloader{"1-1.3", 0x0483, 0xdf11, 0, {1, 2, 3}, false};
constexpr DeviceSpec Controller{"1-1.2", UsbLink::VendorId, UsbLink::ProductId, 0, {1, 2, 3}, true};
// The hub's ports for controllers: 3 is the bootloader's.
constexpr int FirstPort = 2;
constexpr int BootloaderPort = 3;

void append(QByteArray& out, std::initializer_list<int> bytes)
{
    for (int b : bytes)
        out.append(char(b));
}

// The device descriptor followed by the whole configuration, as the sysfs "descriptors" file holds them.
QByteArray descriptors(const DeviceSpec& spec)
{
    const int endpoints = spec.bulkEndpoints ? 2 : 0;
    QByteArray d;
    append(d, {DeviceDescriptorSize, DescriptorDevice, 0x00, 0x02, spec.deviceClass, 0, 0, MaxPacket});
    append(d, {spec.vendor & 0xff, spec.vendor >> 8, spec.product & 0xff, spec.product >> 8, 0x00, 0x01});
    append(d, {spec.stringIndex[0], spec.stringIndex[1], spec.stringIndex[2], 1});
    append(d, {9, DescriptorConfig, 9 + 9 + 7 * endpoints, 0, 1, 1, 0, 0x80, 50});
    append(d, {9, 4, 0, 0, endpoints, spec.deviceClass == 9 ? 9 : 0xff, 0, 0, 0});
    if (spec.bulkEndpoints) {
        append(d, {7, 5, UsbLink::EndpointOut, 2, MaxPacket, 0, 0});
        append(d, {7, 5, UsbLink::EndpointIn, 2, MaxPacket, 0, 0});
    }
    return d;
}

QByteArray stringDescriptor(const QString& text)
{
    QByteArray d(2, '\0');
    for (const QChar c : text)
        append(d, {c.unicode() & 0xff, c.unicode() >> 8});
    d[0] = char(d.size());
    d[1] = char(DescriptorString);
    return d;
}

QString nodePath(int address)
{
    return QStringLiteral("/dev/bus/usb/%1/%2").arg(Bus, 3, 10, QLatin1Char('0')).arg(address, 3, 10, QLatin1Char('0'));
}

QString addDevice(UMockdevTestbed* testbed, const DeviceSpec& spec, const QString& parent, int address)
{
    const QByteArray node = nodePath(address).toLatin1();
    const QByteArray addressText = QByteArray::number(address);
    const QByteArray busText = QByteArray::number(Bus);
    const QByteArray deviceNumber = "189:" + QByteArray::number((Bus - 1) * 128 + address - 1);
    const QByteArray parentPath = parent.toLocal8Bit();
    gchar* path = umockdev_testbed_add_device(
        testbed, "usb", spec.name, parent.isEmpty() ? nullptr : parentPath.constData(), "busnum",
        (busText + '\n').constData(), "devnum", (addressText + '\n').constData(), "speed", "12\n",
        "bConfigurationValue", "1\n", "dev", (deviceNumber + '\n').constData(), nullptr, "DEVTYPE", "usb_device",
        "DEVNAME", node.constData(), "BUSNUM", busText.constData(), "DEVNUM", addressText.constData(), nullptr);
    QByteArray raw = descriptors(spec);
    umockdev_testbed_set_attribute_binary(testbed, path, "descriptors", reinterpret_cast<guint8*>(raw.data()),
                                          int(raw.size()));
    // The node itself: libusb opens it; what it is asked is answered by the controller's handler.
    gchar* root = umockdev_testbed_get_root_dir(testbed);
    const QString file = QString::fromLocal8Bit(root) + nodePath(address);
    g_free(root);
    QDir().mkpath(QFileInfo(file).path());
    QFile(file).open(QIODevice::WriteOnly);
    const QString syspath = QString::fromLocal8Bit(path);
    g_free(path);
    return syspath;
}

// A refused open must come from open() itself, as the kernel refuses it; file modes cannot show it here because
// the tests run as root. The test program's own open() comes before umockdev's in symbol lookup.
std::atomic<bool> openDenied{false};
char deniedNode[32] = {}; // changed only while openDenied is false

bool refuseOpen(const char* path)
{
    if (!openDenied.load() || !path || std::strcmp(path, deniedNode) != 0)
        return false;
    errno = EACCES;
    return true;
}

} // namespace

extern "C" int open(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if (__OPEN_NEEDS_MODE(flags)) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    if (refuseOpen(path))
        return -1;
    static const auto next = reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open"));
    return next(path, flags, mode);
}

extern "C" int __open_2(const char* path, int flags)
{
    if (refuseOpen(path))
        return -1;
    static const auto next = reinterpret_cast<int (*)(const char*, int)>(dlsym(RTLD_NEXT, "__open_2"));
    return next(path, flags);
}

// One device node of the controller: answers the usbdevfs requests libusb makes on it. Requests arrive on
// umockdev's own thread, while the test reads the counters and unplugs from its thread.
class UsbTestbed::Node
{
public:
    Node(std::shared_ptr<SimWire> wire, QString path)
        : m_wirePtr(std::move(wire)), m_wire(*m_wirePtr), m_path(std::move(path)), m_handler(umockdev_ioctl_base_new())
    {
        g_signal_connect(m_handler, "handle-ioctl", G_CALLBACK(onIoctl), this);
    }
    ~Node()
    {
        g_signal_handlers_disconnect_by_data(m_handler, this);
        g_object_unref(m_handler);
    }
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    UMockdevIoctlBase* handler() const { return m_handler; }
    const QString& path() const { return m_path; }

    void kill()
    {
        QMutexLocker lock(&m_mutex);
        m_dead = true;
        endReads(-ENODEV);
    }

    int pendingReads() const
    {
        QMutexLocker lock(&m_mutex);
        return int(m_reads.size());
    }

    bool interfaceClaimed() const
    {
        QMutexLocker lock(&m_mutex);
        return m_claimed;
    }

private:
    struct Urb
    {
        DataPtr header; // the client's struct usbdevfs_urb
        DataPtr buffer;
        const void* client; // the connection it came on: only that one may reap it
        usbdevfs_urb& fields() const { return *reinterpret_cast<usbdevfs_urb*>(header->data); }
        void finish(int status, int length) const
        {
            fields().status = status;
            fields().actual_length = length;
        }
    };

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self)
    {
        auto* node = static_cast<Node*>(self);
        QMutexLocker lock(&node->m_mutex);
        // Resolved client memory must live until the completion copies it back.
        std::vector<DataPtr> held;
        const int error = node->dispatch(client, umockdev_ioctl_client_get_request(client),
                                         umockdev_ioctl_client_get_arg(client), held);
        umockdev_ioctl_client_complete(client, error ? -1 : 0, error);
        return TRUE;
    }

    // Returns 0 or the errno of the request.
    int dispatch(const void* client, unsigned long request, UMockdevIoctlData* arg, std::vector<DataPtr>& held)
    {
        // A device off the bus ends the reads it was given and refuses everything else; transfers that
        // already ended can still be reaped, as with the kernel. A device away while it restarts answers
        // again on the same node once it is back.
        const bool present = !m_dead && m_wire.device().isPresent();
        if (!present)
            endReads(-ENODEV);
        if (request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY)
            return reap(client, arg, present, held);
        if (!present)
            return ENODEV;

        switch (request) {
        case USBDEVFS_GET_CAPABILITIES: {
            DataPtr caps = resolve(arg, 0, sizeof(uint32_t));
            if (!caps)
                return EFAULT;
            const uint32_t value =
                USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM;
            std::memcpy(caps->data, &value, sizeof value);
            held.push_back(std::move(caps));
            return 0;
        }
        case USBDEVFS_SUBMITURB:
            return submit(client, arg);
        case USBDEVFS_DISCARDURB:
            return discard(arg);
        case USBDEVFS_CLAIMINTERFACE:
        case USBDEVFS_RELEASEINTERFACE:
        case USBDEVFS_DISCONNECT_CLAIM: {
            // Each argument starts with the interface number; the controller has only interface 0.
            const DataPtr iface = resolve(arg, 0, sizeof(uint32_t));
            if (!iface)
                return EFAULT;
            uint32_t number = 0;
            std::memcpy(&number, iface->data, sizeof number);
            if (number != 0)
                return ENOENT;
            m_claimed = request != USBDEVFS_RELEASEINTERFACE;
            return 0;
        }
        case USBDEVFS_GETDRIVER:
        case USBDEVFS_IOCTL:
            return ENODATA; // no kernel driver is bound to the interface
        default:
            return ENOTTY;
        }
    }

    int submit(const void* client, UMockdevIoctlData* arg)
    {
        DataPtr header = resolve(arg, 0, sizeof(usbdevfs_urb));
        if (!header)
            return EFAULT;
        const auto* fields = reinterpret_cast<const usbdevfs_urb*>(header->data);
        DataPtr buffer = resolve(header.get(), offsetof(usbdevfs_urb, buffer), std::size_t(fields->buffer_length));
        if (!buffer)
            return EFAULT;
        Urb urb{std::move(header), std::move(buffer), client};
        const usbdevfs_urb& f = urb.fields();

        if (f.type == USBDEVFS_URB_TYPE_CONTROL && f.endpoint == 0) {
            answerControl(urb);
            complete(std::move(urb));
            return 0;
        }
        if (f.type != USBDEVFS_URB_TYPE_BULK)
            return EINVAL;
        if (f.endpoint == UsbLink::EndpointOut) {
            if (!m_wire.send(QByteArray(reinterpret_cast<const char*>(urb.buffer->data), f.buffer_length), MaxPacket))
                return ENODEV;
            urb.finish(0, f.buffer_length);
            complete(std::move(urb));
        } else if (f.endpoint == UsbLink::EndpointIn) {
            m_reads.push_back(std::move(urb));
        } else {
            return ENOENT;
        }
        answerReads();
        return 0;
    }

    int reap(const void* client, UMockdevIoctlData* arg, bool present, std::vector<DataPtr>& held)
    {
        std::deque<Urb>& completed = m_completed[client];
        if (completed.empty())
            return present ? EAGAIN : ENODEV;
        // The argument points to the client's URB pointer; it is set to the URB's own address.
        DataPtr target = resolve(arg, 0, sizeof(void*));
        if (!target)
            return EFAULT;
        Urb urb = std::move(completed.front());
        completed.pop_front();
        umockdev_ioctl_data_set_ptr(target.get(), 0, urb.header.get());
        held.push_back(std::move(target));
        held.push_back(std::move(urb.header));
        held.push_back(std::move(urb.buffer));
        return 0;
    }

    int discard(UMockdevIoctlData* arg)
    {
        gulong address = 0;
        std::memcpy(&address, arg->data, sizeof address);
        const auto it = std::find_if(m_reads.begin(), m_reads.end(),
                                     [address](const Urb& urb) { return urb.header->client_addr == address; });
        if (it == m_reads.end())
            return EINVAL; // already completed or never submitted
        it->finish(-ENOENT, 0);
        complete(std::move(*it));
        m_reads.erase(it);
        return 0;
    }

    void answerControl(const Urb& urb) const
    {
        const uint8_t* setup = urb.buffer->data;
        const bool getDescriptor = setup[0] == 0x80 && setup[1] == 6;
        const QByteArray answer = getDescriptor ? descriptor(setup[3], setup[2]) : QByteArray();
        if (answer.isEmpty()) {
            urb.finish(-EPIPE, 0); // the device stalls requests it does not know
            return;
        }
        const int room = urb.fields().buffer_length - SetupSize;
        const int length = std::max(0, std::min({room, setup[6] | setup[7] << 8, int(answer.size())}));
        std::memcpy(urb.buffer->data + SetupSize, answer.constData(), std::size_t(length));
        urb.finish(0, length);
    }

    QByteArray descriptor(uint8_t type, uint8_t index) const
    {
        const SimDevice& dev = m_wire.device();
        if (type == DescriptorDevice)
            return descriptors(Controller).left(DeviceDescriptorSize);
        if (type == DescriptorConfig)
            return descriptors(Controller).mid(DeviceDescriptorSize);
        if (type != DescriptorString || index > 3)
            return {};
        if (index == 0)
            return QByteArray("\x04\x03\x09\x04", 4); // US English only
        return stringDescriptor(index == 1 ? dev.manufacturer() : index == 2 ? dev.product() : dev.serialNumber());
    }

    void answerReads()
    {
        while (!m_reads.empty()) {
            const QByteArray reply = m_wire.receive();
            if (reply.isEmpty())
                return;
            Urb urb = std::move(m_reads.front());
            m_reads.pop_front();
            const int length = std::min(int(reply.size()), urb.fields().buffer_length);
            std::memcpy(urb.buffer->data, reply.constData(), std::size_t(length));
            urb.finish(0, length);
            complete(std::move(urb));
        }
    }

    void complete(Urb urb) { m_completed[urb.client].push_back(std::move(urb)); }

    void endReads(int status)
    {
        for (Urb& urb : m_reads) {
            urb.finish(status, 0);
            complete(std::move(urb));
        }
        m_reads.clear();
    }

    const std::shared_ptr<SimWire> m_wirePtr; // a dead node may outlive its port's change of device
    SimWire& m_wire;
    const QString m_path;
    UMockdevIoctlBase* m_handler;
    mutable QMutex m_mutex;
    bool m_dead = false;
    bool m_claimed = false;
    std::deque<Urb> m_reads; // IN transfers waiting for a reply
    // Transfers waiting to be reaped, per connection: a copy listing the controllers' strings while another
    // holds it must not reap the other's transfers.
    std::map<const void*, std::deque<Urb>> m_completed;
};

struct UsbTestbed::Slot
{
    QByteArray port;
    std::shared_ptr<SimWire> wire;
    QString path; // empty while unplugged
    int address = 0;
    // Every node the controller has had; an unplugged one stays dead for the handles still open on it.
    std::vector<std::unique_ptr<Node>> nodes;
};

UsbTestbed::UsbTestbed(std::shared_ptr<SimDevice> device) : m_testbed(umockdev_testbed_new())
{
    const QString root = addDevice(m_testbed, RootHub, {}, 1);
    m_hubPath = addDevice(m_testbed, Hub, root, 2);
    addDevice(m_testbed, Bootloader, m_hubPath, 3);
    addController(std::move(device));
}

UsbTestbed::~UsbTestbed()
{
    setOpenDenied(false);
    g_object_unref(m_testbed);
}

bool UsbTestbed::isActive()
{
    // umockdev_in_mock_environment() answers false under umockdev-wrapper in umockdev 0.17.
    return qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("libumockdev-preload"));
}

int UsbTestbed::addController(std::shared_ptr<SimDevice> device)
{
    const int index = int(m_slots.size());
    const int hubPort = index == 0 ? FirstPort : BootloaderPort + index;
    auto slot = std::make_unique<Slot>();
    slot->port = QByteArrayLiteral("1-1.") + QByteArray::number(hubPort);
    slot->wire = std::make_shared<SimWire>(std::move(device));
    m_slots.push_back(std::move(slot));
    attach(*m_slots.back());
    return index;
}

QString UsbTestbed::port(int index) const
{
    return QString::fromLatin1(m_slots.at(std::size_t(index))->port);
}

SimWire& UsbTestbed::wire(int index)
{
    return *m_slots.at(std::size_t(index))->wire;
}

int UsbTestbed::deviceAddress(int index) const
{
    return m_slots.at(std::size_t(index))->address;
}

void UsbTestbed::attach(Slot& slot)
{
    slot.address = m_nextAddress++;
    DeviceSpec spec = Controller;
    spec.name = slot.port.constData();
    slot.path = addDevice(m_testbed, spec, m_hubPath, slot.address);
    auto node = std::make_unique<Node>(slot.wire, nodePath(slot.address));
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(m_testbed, node->path().toLatin1().constData(), node->handler(), &error)) {
        qWarning("cannot emulate %s: %s", qPrintable(node->path()), error->message);
        g_error_free(error);
    }
    slot.nodes.push_back(std::move(node));
    // Adding the device announced it before its descriptors were written; announce it again, complete.
    umockdev_testbed_uevent(m_testbed, slot.path.toLocal8Bit().constData(), "add");
}

void UsbTestbed::unplug(int index)
{
    Slot& slot = *m_slots.at(std::size_t(index));
    if (slot.path.isEmpty())
        return;
    slot.wire->device().unplug();
    slot.nodes.back()->kill();
    const QByteArray path = slot.path.toLocal8Bit();
    umockdev_testbed_uevent(m_testbed, path.constData(), "remove"); // while the entry still says what left
    umockdev_testbed_remove_device(m_testbed, path.constData());
    slot.path.clear();
}

void UsbTestbed::plug(int index)
{
    Slot& slot = *m_slots.at(std::size_t(index));
    if (!slot.path.isEmpty())
        return;
    slot.wire->device().plug();
    attach(slot);
}

void UsbTestbed::plugIn(int index, std::shared_ptr<SimDevice> device)
{
    unplug(index);
    m_slots.at(std::size_t(index))->wire = std::make_shared<SimWire>(std::move(device));
    plug(index);
}

void UsbTestbed::setOpenDenied(bool denied, int index)
{
    openDenied = false;
    if (!denied)
        return;
    std::strncpy(deniedNode, nodePath(deviceAddress(index)).toLatin1().constData(), sizeof deniedNode - 1);
    openDenied = true;
}

int UsbTestbed::pendingReads(int index) const
{
    return m_slots.at(std::size_t(index))->nodes.back()->pendingReads();
}

bool UsbTestbed::interfaceClaimed(int index) const
{
    return m_slots.at(std::size_t(index))->nodes.back()->interfaceClaimed();
}
