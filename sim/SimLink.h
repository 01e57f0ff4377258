#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <memory>

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

#include "SimDevice.h"
#include "link/DeviceLink.h"

// A link to the stand-in device in the same process. It runs the same frame rules as the USB link
// and injects the faults a real cable shows, on demand.
class SimLink : public DeviceLink
{
public:
    // Frames of the batched link: 1024 bytes, so a whole 24-id list reply fits.
    static constexpr int BatchedFrame = 1024;

    explicit SimLink(std::shared_ptr<SimDevice> device);
    ~SimLink() override;

    bool isOpen() const override;
    bool open() override;
    void close() override;
    int transact(unsigned tries, unsigned timeoutMs) override;
    int maxFrame() const override;
    int maxReplyFrame() const override;
    uint16_t readRequestWord() const override;
    int maxTextLength() const override;
    bool batchedReads() const override;
    bool keepsPins() const override;
    QString blockNote() const override;
    uint32_t kindMask(uint8_t cmd, const CommandRecord& request) const override;
    void sleepMs(int ms) override;

    SimDevice& device() const { return *m_device; }

    // Fault knobs; each may be set from any thread.
    void setBatched(bool on) { m_batched = on; }
    // A link that may not wait for a lost device and forgets the stored PINs when it gives up.
    void setKeepsPins(bool on) { m_keepsPins = on; }
    void setLatencyUs(int us) { m_latencyUs = us; }
    // Sleeps of the link's users pass on this clock instead of taking real time (null: real time).
    void setSleepClock(std::shared_ptr<ManualClock> clock);
    // The device drops off the bus before the n-th exchange from now (1 = the next one); it comes
    // back after replugMs of device time, or only on device().plug() when replugMs is negative.
    void unplugAtExchange(int n, qint64 replugMs = -1);
    void staleRepliesNext(int count);   // the next reply is preceded by count stale replies
    void corruptRepliesNext(int count); // the next replies arrive with a broken CRC
    void dropRepliesNext(int count);    // the next replies never arrive
    // From the n-th exchange from now (1 = the next one), count replies never arrive: the device
    // carries the command out, the host does not learn it.
    void dropRepliesAtExchange(int n, int count);
    // While a note is set, open() fails and blockNote() explains why, as when another program holds the device.
    void setBlockNote(const QString& note);
    // Called on the sending thread with each request as it leaves for the device, after the latency.
    using RequestObserver = std::function<void(uint8_t cmd, const QByteArray& payload)>;
    void setRequestObserver(RequestObserver observer);
    int exchanges() const { return m_exchanges.load(); }
    int openAttempts() const { return m_openAttempts.load(); }
    // Sequence numbers of the frames written so far, oldest first (the last 256).
    QList<uint8_t> sentSequences() const;

protected:
    int writeFrame(const uint8_t* frame, int size, unsigned timeoutMs) override;
    int readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs) override;

private:
    void waitLatency() const;

    std::shared_ptr<SimDevice> m_device;
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_batched{false};
    std::atomic<bool> m_keepsPins{true};
    std::atomic<int> m_latencyUs{0};
    std::atomic<int> m_exchanges{0};
    std::atomic<int> m_openAttempts{0};

    mutable QMutex m_faultMutex;
    int m_unplugIn = 0;
    qint64 m_replugMs = -1;
    int m_stale = 0;
    int m_corrupt = 0;
    int m_drop = 0;
    int m_dropIn = 0;
    int m_dropCount = 0;
    std::deque<QByteArray> m_replies;
    std::shared_ptr<ManualClock> m_sleepClock;
    QList<uint8_t> m_sentSequences;
    QString m_blockNote;
    RequestObserver m_observer;
};
