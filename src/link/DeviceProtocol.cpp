#include "DeviceProtocol.h"

#include <QThread>
#include <libusb.h>

#include "CommandRecord.h"
#include "CommandTable.h"
#include "DeviceLink.h"
#include "vars/VARS.h"
#include "vars/VarSampler.h"

namespace {
// The device counts seconds from 2000-01-01 00:00:00 UTC.
constexpr qint64 DeviceEpoch = 946684800;
} // namespace

DeviceProtocol::DeviceProtocol(QObject* parent)
    : QObject(parent), m_vars(std::make_unique<VARS>()), m_sampler(std::make_unique<VarSampler>())
{
    qRegisterMetaType<QSharedPointer<EfsFile>>("QSharedPointer<EfsFile>");
    qRegisterMetaType<uint8_t>("uint8_t");
    qRegisterMetaType<uint16_t>("uint16_t");
    qRegisterMetaType<uint32_t>("uint32_t");
}

DeviceProtocol::~DeviceProtocol() = default;

void DeviceProtocol::setLink(DeviceLink* link)
{
    m_link = link;
    if (link)
        m_vars->setTextLimit(link->maxTextLength());
}

int DeviceProtocol::send(uint8_t cmd, CommandRecord& record)
{
    if (!m_link)
        return LIBUSB_ERROR_NO_DEVICE;
    return m_link->sendCommand(cmd, record);
}

int DeviceProtocol::readInfo(char* text1, int size1, uint8_t* status, char* text2, int size2)
{
    CommandRecord rec;
    const int ret = send(Cmd::INFO, rec);
    if (ret != 0)
        return ret;

    auto copyText = [&rec](char* out, int size) {
        const int left = rec.remaining();
        const uint8_t* start = rec.rxData + rec.cursor;
        const auto* zero = static_cast<const uint8_t*>(std::memchr(start, 0, std::size_t(left)));
        const int textLen = zero ? int(zero - start) : left;
        const int copied = std::min(textLen, size - 1);
        std::memcpy(out, start, std::size_t(std::max(copied, 0)));
        out[std::max(copied, 0)] = '\0';
        rec.cursor += std::min(textLen + 1, left);
    };
    if (text1 && size1 > 0)
        copyText(text1, size1);
    const uint8_t st = rec.takeU8();
    if (status)
        *status = st;
    if (text2 && size2 > 0)
        copyText(text2, size2);
    return 0;
}

void DeviceProtocol::onInfoPayload(const uint8_t* payload, int length)
{
    const auto* zero = static_cast<const uint8_t*>(std::memchr(payload, 0, std::size_t(std::max(length, 0))));
    if (!zero || zero + 1 >= payload + length)
        return;
    const int status = zero[1];
    if (status != m_lastAuthStatus) {
        m_lastAuthStatus = status;
        Q_EMIT uiDeviceInfo(0, uint8_t(status));
    }
}

int DeviceProtocol::auth(const std::string& pin)
{
    CommandRecord rec;
    rec.add(pin.data(), pin.size());
    const int ret = send(Cmd::AUTH, rec);
    m_authenticated = false;
    if (ret != 0) {
        qWarning("auth1: no answer, ret=%d", ret);
        Q_EMIT uiPinResult(1, 0, 0, ret);
        return -1;
    }
    const uint8_t status = uint8_t(rec.status);
    if (status == 0 || status == 2) {
        m_authenticated = true;
        {
            QMutexLocker lock(&m_pinMutex);
            m_pin1 = QByteArray(pin.data(), qsizetype(pin.size()));
        }
        m_lastAuthStatus = -1;
        Q_EMIT uiAuthUpdate1(status, 0);
        Q_EMIT uiPinResult(1, status, 0, 0);
        return 0;
    }
    uint32_t lockTime = 0;
    if (rec.rxLen == 4) {
        lockTime = rec.takeU32();
        qWarning("auth1 timeout %u", lockTime);
    } else {
        qWarning("auth1 FAIL2 ret =%d", int(status));
    }
    Q_EMIT uiAuthUpdate1(status, lockTime);
    Q_EMIT uiPinResult(1, status, lockTime, 0);
    return status;
}

int DeviceProtocol::reboot()
{
    m_authenticated = false;
    CommandRecord rec;
    return send(Cmd::RESET, rec);
}

int DeviceProtocol::getDateTime(QDateTime& out)
{
    CommandRecord rec;
    const int ret = send(Cmd::GET_DATETIME, rec);
    if (ret != 0)
        return ret;
    // A refusal carries no time: reading one would show the clock as never set.
    if (rec.status != 0)
        return rec.status;
    const uint32_t v = rec.takeU32();
    out = v == 0 ? QDateTime() : QDateTime::fromSecsSinceEpoch(qint64(v) + DeviceEpoch, Qt::UTC);
    return 0;
}

int DeviceProtocol::setDateTime(const QDateTime& dt)
{
    CommandRecord rec;
    rec.addU32(uint32_t(dt.toSecsSinceEpoch() - DeviceEpoch));
    const int ret = send(Cmd::SET_DATETIME, rec);
    CommandRecord check;
    send(Cmd::GET_DATETIME, check);
    // The device's refusal, so that a clock it kept is never reported as set.
    return ret != 0 ? ret : rec.status;
}

int DeviceProtocol::varsSave(uint8_t start, uint8_t* saveState, uint8_t* error)
{
    CommandRecord rec;
    rec.addU8(start);
    if (send(Cmd::VAR_SAVE, rec) != 0)
        return -1;
    if (saveState && error) {
        *saveState = rec.takeU8();
        *error = rec.takeU8();
    }
    return rec.status;
}

void DeviceProtocol::resetForConnect()
{
    m_efsStatus = 0xFF;
    m_files.clear();
    m_authenticated = false;
    m_loadRetries = 0;
    setUnreadIds({});
    m_vars->clear();
}

void DeviceProtocol::onDisconnect(bool keepVars)
{
    m_lastAuthStatus = -1;
    m_authenticated = false;
    m_sampler->noteLinkLost();
    if (!keepVars)
        m_vars->clear();
}

void DeviceProtocol::forgetPins()
{
    QMutexLocker lock(&m_pinMutex);
    m_pin1.clear();
    m_pin2.clear();
}

QByteArray DeviceProtocol::storedPin(int level) const
{
    QMutexLocker lock(&m_pinMutex);
    return level == 2 ? m_pin2 : m_pin1;
}

void DeviceProtocol::pace()
{
    if (m_link && m_link->waitingSenders() >= 1)
        QThread::usleep(500);
}
