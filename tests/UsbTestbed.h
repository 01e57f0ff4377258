#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "sim/SimWire.h"

struct _UMockdevTestbed;

// An emulated USB bus (umockdev) on which the stand-in device appears as the controller, 0483:5750, behind a
// hub and next to an ST bootloader that the program must pass over. The controller's bulk endpoints carry
// frames through a SimWire, so the real UsbLink and libusb run unchanged against the same device model and
// fault knobs as SimLink. Programs using it run under umockdev-wrapper; processes they start see the same bus.
class UsbTestbed
{
public:
    explicit UsbTestbed(std::shared_ptr<SimDevice> device);
    ~UsbTestbed();
    UsbTestbed(const UsbTestbed&) = delete;
    UsbTestbed& operator=(const UsbTestbed&) = delete;

    // True inside umockdev-wrapper, where the emulated bus replaces the real one.
    static bool isActive();

    SimWire& wire() { return m_wire; }

    // The controller leaves the bus: reads in flight end with ENODEV and every further request on a handle
    // still open fails, as after a real unplug.
    void unplug();
    // It comes back under the next device address, as a replugged device does.
    void plug();
    // The node stays but opening it fails with EACCES, as for a user whom no udev rule lets in.
    void setOpenDenied(bool denied);

    int deviceAddress() const { return m_address; }
    // Reads from the IN endpoint that the controller has not answered yet.
    int pendingReads() const;
    // Whether a handle, in this process or another, holds the controller's interface 0 (umockdev does not
    // tell when a client closes the node).
    bool interfaceClaimed() const;

private:
    class Node;
    void addController();

    SimWire m_wire;
    _UMockdevTestbed* m_testbed = nullptr;
    QString m_hubPath;
    QString m_controllerPath; // empty while unplugged
    int m_address = 4;
    // Every node the controller has had; an unplugged one stays dead for the handles still open on it.
    std::vector<std::unique_ptr<Node>> m_nodes;
};
