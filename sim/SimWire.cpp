#include "SimWire.h"

#include <algorithm>

#include "link/Frame.h"

namespace {

constexpr int SentFramesKept = 256;

// A well-formed reply that answers an earlier request: same content, an older sequence number.
QByteArray staleCopy(const QByteArray& reply, int age)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(reply.constData());
    return Frame::makeReply(uint8_t(bytes[Frame::OffSeq] - age), bytes[Frame::OffCmd], bytes[Frame::OffStatus],
                            reply.mid(Frame::ReplyHeader));
}

} // namespace

SimWire::SimWire(std::shared_ptr<SimDevice> device) : m_device(std::move(device))
{}

bool SimWire::send(const QByteArray& frame, int maxReplyFrame)
{
    RequestObserver observer;
    {
        QMutexLocker lock(&m_mutex);
        observer = m_observer;
    }
    // Outside the lock, so that an observer may turn the knobs.
    if (observer && frame.size() >= Frame::RequestHeader) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(frame.constData());
        const int length = std::clamp<int>(Frame::length(bytes), Frame::RequestHeader, int(frame.size()));
        observer(bytes[Frame::OffCmd], frame.mid(Frame::RequestHeader, length - Frame::RequestHeader));
    }
    QMutexLocker lock(&m_mutex);
    ++m_exchanges;
    m_replies.clear();
    if (m_sent.size() == SentFramesKept)
        m_sent.removeFirst();
    m_sent.append(frame);
    if (m_dropIn > 0 && --m_dropIn == 0)
        m_drop = m_dropCount;
    if (m_unplugIn > 0 && --m_unplugIn == 0) {
        m_device->unplug();
        if (m_replugMs >= 0)
            m_device->plugAfter(m_replugMs);
    }
    if (!m_device->isPresent())
        return false;

    const QByteArray reply = m_device->handleRequest(frame, maxReplyFrame);
    if (reply.isEmpty())
        return true;
    if (m_drop > 0) {
        --m_drop;
        return true;
    }
    for (; m_stale > 0; --m_stale)
        m_replies.push_back(staleCopy(reply, m_stale));
    QByteArray delivered = reply;
    if (m_corrupt > 0) {
        --m_corrupt;
        delivered[0] = char(delivered[0] ^ 0x5A);
    }
    m_replies.push_back(delivered);
    return true;
}

QByteArray SimWire::receive()
{
    QMutexLocker lock(&m_mutex);
    if (m_replies.empty())
        return {};
    const QByteArray reply = m_replies.front();
    m_replies.pop_front();
    return reply;
}

void SimWire::clear()
{
    QMutexLocker lock(&m_mutex);
    m_replies.clear();
}

void SimWire::unplugAtExchange(int n, qint64 replugMs)
{
    QMutexLocker lock(&m_mutex);
    m_unplugIn = n;
    m_replugMs = replugMs;
}

void SimWire::staleRepliesNext(int count)
{
    QMutexLocker lock(&m_mutex);
    m_stale = count;
}

void SimWire::corruptRepliesNext(int count)
{
    QMutexLocker lock(&m_mutex);
    m_corrupt = count;
}

void SimWire::dropRepliesNext(int count)
{
    QMutexLocker lock(&m_mutex);
    m_drop = count;
}

void SimWire::setRequestObserver(RequestObserver observer)
{
    QMutexLocker lock(&m_mutex);
    m_observer = std::move(observer);
}

int SimWire::exchanges() const
{
    QMutexLocker lock(&m_mutex);
    return m_exchanges;
}

QList<QByteArray> SimWire::sentFrames() const
{
    QMutexLocker lock(&m_mutex);
    return m_sent;
}

void SimWire::dropRepliesAtExchange(int n, int count)
{
    QMutexLocker lock(&m_mutex);
    m_dropIn = n;
    m_dropCount = count;
}
