#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "sim/SimWire.h"

struct _UMockdevTestbed;

// An emulated USB bus (umockdev) on which stand-in devices appear as controllers, 0483:5750, behind a hub and
// next to an ST bootloader that the program must pass over. Each controller's bulk endpoints carry frames through
// a SimWire of its own, so the real UsbLink and libusb run unchanged against the same device model and fault knobs
// as SimLink. Programs using it run under umockdev-wrapper; processes they start see the same bus.
//
// Controllers are numbered in the order they were added: 0 is the one the bus is built with, on port 1-1.2;
// addController() puts the next on 1-1.4, then 1-1.5 and so on. A controller keeps its number and port through
// unplugging, plugging and a device change; every call taking an index defaults to controller 0.
class UsbTestbed
{
public:
    explicit UsbTestbed(std::shared_ptr<SimDevice> device);
    ~UsbTestbed();
    UsbTestbed(const UsbTestbed&) = delete;
    UsbTestbed& operator=(const UsbTestbed&) = delete;

    // True inside umockdev-wrapper, where the emulated bus replaces the real one.
    static bool isActive();

    // Plugs a further controller in on the next free port; its index. Give each its own serial number
    // (SimDevice::setSerialNumber) when a test tells them apart by it.
    int addController(std::shared_ptr<SimDevice> device);
    int controllerCount() const { return int(m_slots.size()); }
    // The sysfs port name, as the program's --device takes it: "1-1.2" for controller 0.
    QString port(int index = 0) const;

    // The wire of the device now in that port.
    SimWire& wire(int index = 0);

    // The controller leaves the bus: reads in flight end with ENODEV and every further request on a handle
    // still open fails, as after a real unplug.
    void unplug(int index = 0);
    // It comes back under the next device address, as a replugged device does.
    void plug(int index = 0);
    // Another device in that port, as when the next controller on a line is connected: the one there is
    // unplugged first (when it still is in), the new one comes in under the next address on a wire of its own.
    void plugIn(int index, std::shared_ptr<SimDevice> device);
    // The node stays but opening it fails with EACCES, as for a user whom no udev rule lets in. One controller
    // at a time is refused.
    void setOpenDenied(bool denied, int index = 0);

    int deviceAddress(int index = 0) const;
    // Reads from the IN endpoint that the controller has not answered yet.
    int pendingReads(int index = 0) const;
    // Whether a handle, in this process or another, holds the controller's interface 0 (umockdev does not
    // tell when a client closes the node).
    bool interfaceClaimed(int index = 0) const;

private:
    class Node;
    struct Slot;
    void attach(Slot& slot);

    _UMockdevTestbed* m_testbed = nullptr;
    QString m_hubPath;
    int m_nextAddress = 4;
    std::vector<std::unique_ptr<Slot>> m_slots;
};
