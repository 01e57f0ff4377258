#include "SettingsFileLink.h"

#include <cstring>

#include <libusb.h>

#include "link/CommandTable.h"
#include "link/Frame.h"

namespace {
// The file is written at once, so a save is never seen running.
constexpr char SaveIdle = 0;
constexpr char SaveFailed = 1;
constexpr uint8_t StartSave = 1;
} // namespace

SettingsFileLink::SettingsFileLink()
{
    m_ready = 1; // nothing to set up: the link is usable as soon as a file is loaded
}

bool SettingsFileLink::load(const QString& path, QString* error)
{
    std::optional<SettingsFile> file = SettingsFile::read(path, error);
    if (!file)
        return false;
    QMutexLocker lock(&m_mutex);
    m_path = path;
    m_variables.load(file->entries);
    m_header = *file;
    m_header.entries.clear();
    m_saveError.clear();
    m_open = false;
    return true;
}

QString SettingsFileLink::path() const
{
    QMutexLocker lock(&m_mutex);
    return m_path;
}

QString SettingsFileLink::saveError() const
{
    QMutexLocker lock(&m_mutex);
    return m_saveError;
}

bool SettingsFileLink::isOpen() const
{
    return m_open.load();
}

bool SettingsFileLink::open()
{
    QMutexLocker commandLock(&m_commandMutex);
    clearStrings();
    {
        QMutexLocker lock(&m_mutex);
        if (m_path.isEmpty())
            return false;
        setUsbStrings({}, {}, m_header.serial.toStdString());
    }
    m_open = true;
    if (exchangeInfo() != 0) {
        m_open = false;
        return false;
    }
    return true;
}

void SettingsFileLink::close()
{
    m_open = false;
}

int SettingsFileLink::transact(unsigned tries, unsigned timeoutMs)
{
    if (!m_open)
        return LIBUSB_ERROR_NO_DEVICE;
    return runExchange(tries, timeoutMs);
}

int SettingsFileLink::maxFrame() const
{
    return Frame::BufferSize - 1;
}

int SettingsFileLink::maxReplyFrame() const
{
    return Frame::BufferSize - 1;
}

int SettingsFileLink::maxTextLength() const
{
    return 255; // a file holds a text as long as its capacity
}

uint32_t SettingsFileLink::kindMask(uint8_t, const CommandRecord&) const
{
    return LinkKind::SettingsFile;
}

bool SettingsFileLink::isLiveDevice() const
{
    return false;
}

bool SettingsFileLink::wantsStatusPoll() const
{
    return false;
}

int SettingsFileLink::writeFrame(const uint8_t* frame, int, unsigned)
{
    if (!m_open)
        return LIBUSB_ERROR_NO_DEVICE;
    const int length = Frame::length(frame);
    const uint8_t cmd = frame[Frame::OffCmd];
    const QByteArray payload(reinterpret_cast<const char*>(frame + Frame::RequestHeader),
                             std::max(0, length - Frame::RequestHeader));
    QMutexLocker lock(&m_mutex);
    const Reply reply = execute(cmd, payload);
    m_reply = Frame::makeReply(frame[Frame::OffSeq], cmd, reply.status,
                               reply.payload.left(maxReplyFrame() - Frame::ReplyHeader));
    return 0;
}

int SettingsFileLink::readFrame(uint8_t* buffer, int capacity, unsigned)
{
    QMutexLocker lock(&m_mutex);
    if (m_reply.isEmpty())
        return LIBUSB_ERROR_TIMEOUT;
    std::memcpy(buffer, m_reply.constData(), std::size_t(std::min<qsizetype>(m_reply.size(), capacity)));
    m_reply.clear();
    return 0;
}

SettingsFileLink::Reply SettingsFileLink::execute(uint8_t cmd, const QByteArray& payload)
{
    Reply reply;
    switch (cmd) {
    case Cmd::INFO:
        // A file has no PIN: it reports PIN 1 as accepted from the start.
        reply.payload = m_header.model.toUtf8() + '\0' + char(AuthBit::Pin1) + m_header.serial.toUtf8() + '\0';
        break;
    case Cmd::AUTH:
        reply.status = Status::AlreadyAccepted;
        break;
    case Cmd::VAR_GET:
        reply.status = m_variables.get(payload, reply.payload);
        break;
    case Cmd::VAR_SET:
        reply.status = m_variables.write(payload);
        break;
    case Cmd::VAR_SAVE:
        reply = save(payload);
        break;
    default:
        // Only reached past the command table by a caller that fills frames itself.
        reply.status = Status::Refused;
        break;
    }
    return reply;
}

bool SettingsFileLink::writeBack(QString* error)
{
    QMutexLocker lock(&m_mutex);
    writeFile();
    if (error)
        *error = m_saveError;
    return m_saveError.isEmpty();
}

void SettingsFileLink::writeFile()
{
    SettingsFile file = m_header;
    file.entries = m_variables.variables();
    file.saved = QDateTime::currentDateTimeUtc();
    QString error;
    m_saveError = file.write(m_path, &error) ? QString() : error;
}

SettingsFileLink::Reply SettingsFileLink::save(const QByteArray& payload)
{
    if (!payload.isEmpty() && uint8_t(payload.at(0)) == StartSave)
        writeFile();
    QByteArray state(2, SaveIdle);
    state[1] = m_saveError.isEmpty() ? SaveIdle : SaveFailed;
    return {Status::Ok, state};
}
