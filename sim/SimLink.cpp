#include "SimLink.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include <libusb.h>

#include "link/CommandTable.h"

namespace {

// A well-formed reply that answers an earlier request: same content, an older sequence number.
QByteArray staleCopy(const QByteArray& reply, int age)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(reply.constData());
    return Frame::makeReply(uint8_t(bytes[Frame::OffSeq] - age), bytes[Frame::OffCmd], bytes[Frame::OffStatus],
                            reply.mid(Frame::ReplyHeader));
}

} // namespace

SimLink::SimLink(std::shared_ptr<SimDevice> device) : m_device(std::move(device))
{
    m_ready = 1;
}

SimLink::~SimLink() = default;

bool SimLink::isOpen() const
{
    return m_open.load();
}

bool SimLink::open()
{
    QMutexLocker lock(&m_commandMutex);
    ++m_openAttempts;
    clearStrings();
    if (!m_device->isPresent() || !blockNote().isEmpty())
        return false;
    m_manufacturer = m_device->manufacturer().toStdString();
    m_product = m_device->product().toStdString();
    m_serial = m_device->serialNumber().toStdString();
    m_open = true;
    if (exchangeInfo() != 0) {
        m_open = false;
        return false;
    }
    return true;
}

void SimLink::close()
{
    m_open = false;
    QMutexLocker lock(&m_faultMutex);
    m_replies.clear();
}

int SimLink::transact(unsigned tries, unsigned timeoutMs)
{
    if (!m_open)
        return LIBUSB_ERROR_NO_DEVICE;
    return runExchange(tries, timeoutMs);
}

int SimLink::maxFrame() const
{
    return m_batched ? BatchedFrame : DeviceLink::maxFrame();
}

int SimLink::maxReplyFrame() const
{
    return m_batched ? BatchedFrame : DeviceLink::maxReplyFrame();
}

uint16_t SimLink::readRequestWord() const
{
    // A read size above 255 does not fit the high byte, so the batched link sends the size itself.
    return m_batched ? uint16_t(maxRxPayload()) : DeviceLink::readRequestWord();
}

int SimLink::maxTextLength() const
{
    return m_batched ? 255 : DeviceLink::maxTextLength();
}

bool SimLink::batchedReads() const
{
    return m_batched;
}

bool SimLink::keepsPins() const
{
    return m_keepsPins;
}

QString SimLink::blockNote() const
{
    QMutexLocker lock(&m_faultMutex);
    return m_blockNote;
}

void SimLink::setBlockNote(const QString& note)
{
    QMutexLocker lock(&m_faultMutex);
    m_blockNote = note;
}

void SimLink::setRequestObserver(RequestObserver observer)
{
    QMutexLocker lock(&m_faultMutex);
    m_observer = std::move(observer);
}

uint32_t SimLink::kindMask(uint8_t, const CommandRecord&) const
{
    return m_batched ? LinkKind::Batched : LinkKind::Usb;
}

void SimLink::sleepMs(int ms)
{
    std::shared_ptr<ManualClock> clock;
    {
        QMutexLocker lock(&m_faultMutex);
        clock = m_sleepClock;
    }
    if (clock)
        clock->advance(ms);
    else
        DeviceLink::sleepMs(ms);
}

void SimLink::setSleepClock(std::shared_ptr<ManualClock> clock)
{
    QMutexLocker lock(&m_faultMutex);
    m_sleepClock = std::move(clock);
}

void SimLink::unplugAtExchange(int n, qint64 replugMs)
{
    QMutexLocker lock(&m_faultMutex);
    m_unplugIn = n;
    m_replugMs = replugMs;
}

void SimLink::staleRepliesNext(int count)
{
    QMutexLocker lock(&m_faultMutex);
    m_stale = count;
}

void SimLink::corruptRepliesNext(int count)
{
    QMutexLocker lock(&m_faultMutex);
    m_corrupt = count;
}

void SimLink::dropRepliesNext(int count)
{
    QMutexLocker lock(&m_faultMutex);
    m_drop = count;
}

void SimLink::dropRepliesAtExchange(int n, int count)
{
    QMutexLocker lock(&m_faultMutex);
    m_dropIn = n;
    m_dropCount = count;
}

QList<uint8_t> SimLink::sentSequences() const
{
    QMutexLocker lock(&m_faultMutex);
    return m_sentSequences;
}

int SimLink::writeFrame(const uint8_t* frame, int size, unsigned)
{
    ++m_exchanges;
    waitLatency();
    RequestObserver observer;
    {
        QMutexLocker lock(&m_faultMutex);
        observer = m_observer;
    }
    // Outside the fault lock, so that an observer may turn the knobs.
    if (observer) {
        const int length = std::clamp<int>(Frame::length(frame), Frame::RequestHeader, size);
        observer(frame[Frame::OffCmd], QByteArray(reinterpret_cast<const char*>(frame) + Frame::RequestHeader,
                                                  length - Frame::RequestHeader));
    }
    QMutexLocker lock(&m_faultMutex);
    m_replies.clear();
    if (m_sentSequences.size() == 256)
        m_sentSequences.removeFirst();
    m_sentSequences.append(frame[Frame::OffSeq]);
    if (m_dropIn > 0 && --m_dropIn == 0)
        m_drop = m_dropCount;
    if (m_unplugIn > 0 && --m_unplugIn == 0) {
        m_device->unplug();
        if (m_replugMs >= 0)
            m_device->plugAfter(m_replugMs);
    }
    if (!m_device->isPresent())
        return LIBUSB_ERROR_NO_DEVICE;

    const QByteArray reply =
        m_device->handleRequest(QByteArray(reinterpret_cast<const char*>(frame), size), maxReplyFrame());
    if (reply.isEmpty())
        return 0;
    if (m_drop > 0) {
        --m_drop;
        return 0;
    }
    for (; m_stale > 0; --m_stale)
        m_replies.push_back(staleCopy(reply, m_stale));
    QByteArray delivered = reply;
    if (m_corrupt > 0) {
        --m_corrupt;
        delivered[0] = char(delivered[0] ^ 0x5A);
    }
    m_replies.push_back(delivered);
    return 0;
}

int SimLink::readFrame(uint8_t* buffer, int capacity, unsigned)
{
    QMutexLocker lock(&m_faultMutex);
    if (m_replies.empty())
        return LIBUSB_ERROR_TIMEOUT;
    const QByteArray reply = m_replies.front();
    m_replies.pop_front();
    std::memcpy(buffer, reply.constData(), std::size_t(std::min<qsizetype>(reply.size(), capacity)));
    return 0;
}

void SimLink::waitLatency() const
{
    const int us = m_latencyUs.load();
    if (us <= 0)
        return;
    // sleep_for overshoots by tens of microseconds; spin the last stretch so latency stays exact.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(us);
    if (us > 300)
        std::this_thread::sleep_for(std::chrono::microseconds(us - 200));
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
}
