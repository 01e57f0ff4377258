#include "SimLink.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include <libusb.h>

#include "link/CommandTable.h"

SimLink::SimLink(std::shared_ptr<SimDevice> device) : m_wire(std::move(device))
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
    const SimDevice& dev = device();
    if (!dev.isPresent() || !blockNote().isEmpty())
        return false;
    setUsbStrings(dev.manufacturer().toStdString(), dev.product().toStdString(), dev.serialNumber().toStdString());
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
    m_wire.clear();
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

bool SimLink::resumesTransfers() const
{
    return m_batched || m_resumes;
}

bool SimLink::keepsPins() const
{
    return m_keepsPins;
}

QString SimLink::blockNote() const
{
    QMutexLocker lock(&m_noteMutex);
    return m_blockNote;
}

void SimLink::setBlockNote(const QString& note)
{
    QMutexLocker lock(&m_noteMutex);
    m_blockNote = note;
}

uint32_t SimLink::kindMask(uint8_t, const CommandRecord&) const
{
    return m_batched ? LinkKind::Batched : LinkKind::Usb;
}

void SimLink::sleepMs(int ms)
{
    std::shared_ptr<ManualClock> clock;
    {
        QMutexLocker lock(&m_noteMutex);
        clock = m_sleepClock;
    }
    if (clock)
        clock->advance(ms);
    else
        DeviceLink::sleepMs(ms);
}

void SimLink::setSleepClock(std::shared_ptr<ManualClock> clock)
{
    QMutexLocker lock(&m_noteMutex);
    m_sleepClock = std::move(clock);
}

QList<uint8_t> SimLink::sentSequences() const
{
    QList<uint8_t> seqs;
    for (const QByteArray& frame : m_wire.sentFrames())
        seqs.append(uint8_t(frame.at(Frame::OffSeq)));
    return seqs;
}

int SimLink::writeFrame(const uint8_t* frame, int size, unsigned)
{
    waitLatency();
    const bool delivered = m_wire.send(QByteArray(reinterpret_cast<const char*>(frame), size), maxReplyFrame());
    return delivered ? 0 : LIBUSB_ERROR_NO_DEVICE;
}

int SimLink::readFrame(uint8_t* buffer, int capacity, unsigned)
{
    const QByteArray reply = m_wire.receive();
    if (reply.isEmpty())
        return LIBUSB_ERROR_TIMEOUT;
    std::memcpy(buffer, reply.constData(), std::size_t(std::min<qsizetype>(reply.size(), capacity)));
    return 0;
}

void SimLink::waitLatency() const
{
    const int us = m_latencyUs.load();
    if (us <= 0)
        return;
    // A sleep wakes late by tens of microseconds and a yield under load gives the core away for a whole
    // time slice, so sleep to an absolute point short of the deadline and spin the rest without yielding.
    constexpr int SpinUs = 300;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto later = [&now](long deltaUs) {
        const long long ns = (long long)now.tv_nsec + deltaUs * 1000LL;
        return timespec{now.tv_sec + time_t(ns / 1000000000), long(ns % 1000000000)};
    };
    if (us > SpinUs) {
        const timespec wake = later(us - SpinUs);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
        }
    }
    const timespec deadline = later(us);
    for (;;) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec > deadline.tv_sec || (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec))
            return;
    }
}
