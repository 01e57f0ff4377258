#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include <QMutex>
#include <QString>

#include "Frame.h"

struct CommandRecord;

struct LinkTimeouts
{
    uint32_t timeoutMs;
    uint32_t readTries;  // tries for commands that only read
    uint32_t writeTries; // tries for commands that change the device
};

// The framed byte link to the device. The real USB link and the stand-in device's link both
// derive from it, so everything above cannot tell them apart. Results are libusb error codes.
class DeviceLink
{
public:
    DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    virtual ~DeviceLink();
    virtual bool isOpen() const = 0;
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual int transact(unsigned tries, unsigned timeoutMs) = 0;
    virtual LinkTimeouts timeouts() const;
    virtual int maxFrame() const;
    virtual int maxReplyFrame() const;
    virtual int maxTxPayload() const;
    virtual int maxRxPayload() const;
    virtual uint16_t readRequestWord() const;
    virtual int maxTextLength() const;
    virtual int varWriteMs() const;
    virtual bool wantsKeepAlive() const;
    virtual bool pollsBusy() const;
    virtual void sleepMs(int ms);
    virtual bool batchedReads() const;
    // Whether a transfer cut by a lost device waits for it and goes on where it stopped.
    virtual bool resumesTransfers() const;
    virtual bool keepsPins() const;
    virtual QString blockNote() const;
    virtual bool hasSettingsPanel() const;
    virtual uint32_t kindMask(uint8_t cmd, const CommandRecord& request) const;
    virtual int sendCommand(uint8_t cmd, CommandRecord& record);
    virtual bool isLiveDevice() const;
    virtual bool wantsStatusPoll() const;

    uint8_t* requestFrame() { return m_request; }
    uint8_t* replyFrame() { return m_reply; }
    const uint8_t* replyFrame() const { return m_reply; }
    QMutex& commandMutex() { return m_commandMutex; }
    bool isReady() const { return m_ready != 0; }
    int waitingSenders() const { return m_waitingSenders.load(); }
    bool aborted() const { return m_abort.load() != 0; }
    // Set once at exit: running and starting exchanges give up with LIBUSB_ERROR_INTERRUPTED.
    void abort() { m_abort.store(1); }

    // Copies, because the worker rewrites them when it opens the link while the window reads them.
    std::string manufacturer() const;
    std::string product() const;
    std::string serialNumber() const;
    // First text of the INFO reply received when the link was opened: the device's model.
    std::string infoText() const;

protected:
    // The transfer primitives of one link: a whole frame out, one reply frame in.
    virtual int writeFrame(const uint8_t* frame, int size, unsigned timeoutMs) = 0;
    virtual int readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs) = 0;

    // Finalises the request and runs the tries: the same frame (same sequence number) on every
    // try, stale replies skipped up to four per try, invalid replies ending the try.
    int runExchange(unsigned tries, unsigned timeoutMs);
    // Sends INFO and keeps its first text as the information text; used by open().
    int exchangeInfo();
    void setUsbStrings(std::string manufacturer, std::string product, std::string serial);
    void clearStrings();

    uint8_t m_reply[Frame::BufferSize] = {};
    uint8_t m_request[Frame::BufferSize] = {};
    uint8_t m_nextSeq = 0;
    uint8_t m_sends = 0; // request frames of the last exchange that reached the device
    int32_t m_ready = 0;
    QMutex m_commandMutex;
    std::atomic<int32_t> m_waitingSenders{0};
    std::atomic<int8_t> m_abort{0};

private:
    mutable QMutex m_stringsMutex;
    std::string m_manufacturer;
    std::string m_product;
    std::string m_serial;
    std::string m_infoText;
};
