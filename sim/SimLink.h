#pragma once

#include <atomic>
#include <memory>

#include <QList>
#include <QMutex>
#include <QString>

#include "SimDevice.h"
#include "SimWire.h"
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
    bool resumesTransfers() const override;
    bool keepsPins() const override;
    QString blockNote() const override;
    uint32_t kindMask(uint8_t cmd, const CommandRecord& request) const override;
    void sleepMs(int ms) override;

    SimDevice& device() const { return m_wire.device(); }

    // Fault knobs; each may be set from any thread. The wire's knobs are described in SimWire.
    void setBatched(bool on) { m_batched = on; }
    // Transfers wait for a lost device on the batched link, and with this knob also on the USB link's profile.
    void setResumes(bool on) { m_resumes = on; }
    // A link that may not wait for a lost device and forgets the stored PINs when it gives up.
    void setKeepsPins(bool on) { m_keepsPins = on; }
    void setLatencyUs(int us) { m_latencyUs = us; }
    void unplugAtExchange(int n, qint64 replugMs = -1) { m_wire.unplugAtExchange(n, replugMs); }
    void staleRepliesNext(int count) { m_wire.staleRepliesNext(count); }
    void corruptRepliesNext(int count) { m_wire.corruptRepliesNext(count); }
    void dropRepliesNext(int count) { m_wire.dropRepliesNext(count); }
    void dropRepliesAtExchange(int n, int count) { m_wire.dropRepliesAtExchange(n, count); }
    // Sleeps of the link's users pass on this clock instead of taking real time (null: real time).
    void setSleepClock(std::shared_ptr<ManualClock> clock);
    void setRequestObserver(SimWire::RequestObserver observer) { m_wire.setRequestObserver(std::move(observer)); }
    // While a note is set, open() fails and blockNote() explains why, as when another program holds the device.
    void setBlockNote(const QString& note);
    int exchanges() const { return m_wire.exchanges(); }
    int openAttempts() const { return m_openAttempts.load(); }
    // Sequence numbers of the frames written so far, oldest first (the last 256).
    QList<uint8_t> sentSequences() const;

protected:
    int writeFrame(const uint8_t* frame, int size, unsigned timeoutMs) override;
    int readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs) override;

private:
    void waitLatency() const;

    SimWire m_wire;
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_batched{false};
    std::atomic<bool> m_resumes{false};
    std::atomic<bool> m_keepsPins{true};
    std::atomic<int> m_latencyUs{0};
    std::atomic<int> m_openAttempts{0};
    mutable QMutex m_noteMutex;
    QString m_blockNote;
    std::shared_ptr<ManualClock> m_sleepClock; // guarded by m_noteMutex
};
