#pragma once

#include <deque>
#include <functional>
#include <memory>

#include <QByteArray>
#include <QList>
#include <QMutex>

#include "SimDevice.h"

// The wire between a link and the stand-in device: carries request frames to the device, holds its
// replies until they are read, and injects the faults a real cable shows on demand. The in-process
// link and the emulated USB device both use it, so a knob means the same on either path.
// Thread-safe: knobs may be set from any thread while frames travel.
class SimWire
{
public:
    explicit SimWire(std::shared_ptr<SimDevice> device);
    SimWire(const SimWire&) = delete;
    SimWire& operator=(const SimWire&) = delete;

    SimDevice& device() const { return *m_device; }

    // One request frame to the device; what it answers waits for receive(). Replies still unread
    // from an earlier request are dropped first. False when the device is not on the bus.
    bool send(const QByteArray& frame, int maxReplyFrame);
    // The next reply waiting on the wire; empty when there is none.
    QByteArray receive();
    void clear();

    // The device drops off the bus before the n-th request from now (1 = the next one); it comes
    // back after replugMs of device time, or only on device().plug() when replugMs is negative.
    void unplugAtExchange(int n, qint64 replugMs = -1);
    void staleRepliesNext(int count);   // the next reply is preceded by count stale replies
    void corruptRepliesNext(int count); // the next replies arrive with a broken CRC
    void dropRepliesNext(int count);    // the next replies never arrive
    // From the n-th request from now (1 = the next one), count replies never arrive: the device
    // carries the command out, the host does not learn it.
    void dropRepliesAtExchange(int n, int count);

    // Called on the sending thread with each request as it leaves for the device.
    using RequestObserver = std::function<void(uint8_t cmd, const QByteArray& payload)>;
    void setRequestObserver(RequestObserver observer);

    int exchanges() const;
    // The request frames sent so far exactly as written, oldest first (the last 256).
    QList<QByteArray> sentFrames() const;

private:
    std::shared_ptr<SimDevice> m_device;
    mutable QMutex m_mutex;
    int m_exchanges = 0;
    int m_unplugIn = 0;
    qint64 m_replugMs = -1;
    int m_stale = 0;
    int m_corrupt = 0;
    int m_drop = 0;
    int m_dropIn = 0;
    int m_dropCount = 0;
    std::deque<QByteArray> m_replies;
    QList<QByteArray> m_sent;
    RequestObserver m_observer;
};
