#include "DeviceLink.h"

#include <QThread>
#include <libusb.h>

#include "CommandRecord.h"
#include "CommandTable.h"

DeviceLink::DeviceLink()
{
    m_request[Frame::OffType] = 1;
}

DeviceLink::~DeviceLink() = default;

LinkTimeouts DeviceLink::timeouts() const
{
    return {10000, 3, 3};
}

int DeviceLink::maxFrame() const
{
    return 64;
}

int DeviceLink::maxReplyFrame() const
{
    return 64;
}

int DeviceLink::maxTxPayload() const
{
    return maxFrame() - Frame::RequestHeader;
}

int DeviceLink::maxRxPayload() const
{
    return maxReplyFrame() - Frame::ReplyHeader;
}

uint16_t DeviceLink::readRequestWord() const
{
    return uint16_t(maxRxPayload() << 8);
}

int DeviceLink::maxTextLength() const
{
    return 47;
}

int DeviceLink::varWriteMs() const
{
    return 40;
}

bool DeviceLink::wantsKeepAlive() const
{
    return true;
}

bool DeviceLink::pollsBusy() const
{
    return false;
}

void DeviceLink::sleepMs(int ms)
{
    QThread::msleep(ulong(ms));
}

bool DeviceLink::batchedReads() const
{
    return false;
}

bool DeviceLink::resumesTransfers() const
{
    return false;
}

bool DeviceLink::keepsPins() const
{
    return true;
}

QString DeviceLink::blockNote() const
{
    return {};
}

bool DeviceLink::hasSettingsPanel() const
{
    return false;
}

uint32_t DeviceLink::kindMask(uint8_t, const CommandRecord&) const
{
    return LinkKind::Usb;
}

bool DeviceLink::isLiveDevice() const
{
    return true;
}

bool DeviceLink::wantsStatusPoll() const
{
    return true;
}

int DeviceLink::sendCommand(uint8_t cmd, CommandRecord& record)
{
    if (!CommandTable::isAllowed(cmd, kindMask(cmd, record))) {
        qWarning("send_cmd cmd=%u (%s): not allowed on this link", unsigned(cmd), CommandTable::name(cmd));
        return LIBUSB_ERROR_NOT_SUPPORTED;
    }
    if (record.overflow || record.txLen > maxFrame() - Frame::RequestHeader) {
        qWarning("send_cmd cmd=%u: tx data too large (len=%u, overflow=%d)", unsigned(cmd), unsigned(record.txLen),
                 int(record.overflow));
        return LIBUSB_ERROR_OVERFLOW;
    }
    if (!m_commandMutex.tryLock(1)) {
        qWarning("send_cmd cmd=%u (%s): another command is running, two threads send commands", unsigned(cmd),
                 CommandTable::name(cmd));
        ++m_waitingSenders;
        m_commandMutex.lock();
        --m_waitingSenders;
    }
    m_request[Frame::OffCmd] = cmd;
    Frame::setLength(m_request, record.txLen);
    std::memcpy(m_request + Frame::RequestHeader, record.txData, record.txLen);

    const LinkTimeouts t = timeouts();
    m_sends = 0;
    const int ret = transact(CommandTable::changesDevice(cmd) ? t.writeTries : t.readTries, t.timeoutMs);
    if (ret == 0) {
        const int len = Frame::length(m_reply);
        if (len > Frame::ReplyHeader) {
            record.rxLen = uint16_t(len - Frame::ReplyHeader);
            std::memcpy(record.rxData, m_reply + Frame::ReplyHeader, record.rxLen);
        }
        record.status = m_reply[Frame::OffStatus];
    }
    record.sends = m_sends;
    m_commandMutex.unlock();
    return ret;
}

int DeviceLink::runExchange(unsigned tries, unsigned timeoutMs)
{
    Frame::finalise(m_request, m_nextSeq++);
    m_sends = 0;
    if (tries < 1)
        return LIBUSB_ERROR_NO_DEVICE;

    const int frameSize = maxFrame();
    const uint8_t seq = m_request[Frame::OffSeq];
    int ret = LIBUSB_ERROR_IO;
    for (unsigned attempt = 0; attempt < tries; ++attempt) {
        if (aborted())
            return LIBUSB_ERROR_INTERRUPTED;
        ret = writeFrame(m_request, frameSize, timeoutMs);
        if (ret != 0)
            continue;
        ++m_sends;
        int stale = 0;
        for (;;) {
            std::memset(m_reply, 0, std::size_t(maxReplyFrame()) + 1);
            ret = readFrame(m_reply, maxReplyFrame(), timeoutMs);
            if (ret != 0)
                break;
            if (!Frame::isValidReply(m_reply, maxReplyFrame())) {
                ret = LIBUSB_ERROR_IO;
                break;
            }
            if (m_reply[Frame::OffSeq] == seq)
                return 0;
            qWarning("orvo: stale reply cmd=%u seq=%u, waiting for cmd=%u seq=%u", unsigned(m_reply[Frame::OffCmd]),
                     unsigned(m_reply[Frame::OffSeq]), unsigned(m_request[Frame::OffCmd]), unsigned(seq));
            if (++stale >= 4 || aborted()) {
                ret = LIBUSB_ERROR_IO;
                break;
            }
        }
    }
    return ret;
}

int DeviceLink::exchangeInfo()
{
    Frame::setLength(m_request, 0);
    m_request[Frame::OffCmd] = 0;
    const LinkTimeouts t = timeouts();
    m_sends = 0;
    const int ret = transact(t.readTries, t.timeoutMs);
    if (ret != 0)
        return ret;
    const int len = Frame::length(m_reply);
    const int payload = len > Frame::ReplyHeader ? len - Frame::ReplyHeader : 0;
    m_reply[Frame::ReplyHeader + payload] = 0;
    std::string text = reinterpret_cast<const char*>(m_reply + Frame::ReplyHeader);
    QMutexLocker lock(&m_stringsMutex);
    m_infoText = std::move(text);
    return 0;
}

std::string DeviceLink::manufacturer() const
{
    QMutexLocker lock(&m_stringsMutex);
    return m_manufacturer;
}

std::string DeviceLink::product() const
{
    QMutexLocker lock(&m_stringsMutex);
    return m_product;
}

std::string DeviceLink::serialNumber() const
{
    QMutexLocker lock(&m_stringsMutex);
    return m_serial;
}

std::string DeviceLink::infoText() const
{
    QMutexLocker lock(&m_stringsMutex);
    return m_infoText;
}

void DeviceLink::setUsbStrings(std::string manufacturer, std::string product, std::string serial)
{
    QMutexLocker lock(&m_stringsMutex);
    m_manufacturer = std::move(manufacturer);
    m_product = std::move(product);
    m_serial = std::move(serial);
}

void DeviceLink::clearStrings()
{
    QMutexLocker lock(&m_stringsMutex);
    m_manufacturer.clear();
    m_product.clear();
    m_serial.clear();
    m_infoText.clear();
}
