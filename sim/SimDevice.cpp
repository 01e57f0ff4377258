#include "SimDevice.h"

#include "SimBytes.h"
#include "SimDiagnostics.h"
#include "SimFileSystem.h"
#include "SimServiceCommands.h"
#include "link/CommandTable.h"
#include "link/Frame.h"

namespace {

constexpr int VarSetHeader = 6; // id, redirect, flags; a value follows when one is written

// The ids a variable read asks for: one for VAR_GET, a zero-ended list for VAR_GET_LIST.
QList<uint16_t> requestedIds(const QByteArray& b, bool list)
{
    QList<uint16_t> ids;
    for (int pos = 0; pos + 2 <= b.size() && (list || pos == 0); pos += 2) {
        const uint16_t id = uint16_t(uint8_t(b.at(pos)) | (uint8_t(b.at(pos + 1)) << 8));
        if (id == 0)
            break;
        ids.append(id);
    }
    return ids;
}

QByteArray u32Bytes(uint32_t v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (8 * i));
    return b;
}

} // namespace

SimDevice::SimDevice(std::shared_ptr<SimClock> clock)
    : m_clock(std::move(clock)), m_files(std::make_unique<SimFileSystem>()),
      m_commands(std::make_unique<SimServiceCommands>(m_variables, *m_files)),
      m_diagnostics(std::make_unique<SimDiagnostics>(m_variables))
{
    m_files->fillDemo();
}

SimDevice::~SimDevice() = default;

QByteArray SimDevice::handleRequest(const QByteArray& frame, int maxReplyFrame)
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged && m_plugAtMs >= 0 && m_clock->nowMs() >= m_plugAtMs) {
        m_plugged = true;
        m_files->restart(m_clock->nowMs());
    }
    if (!m_plugged || frame.size() < Frame::RequestHeader)
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(frame.constData());
    const int len = Frame::length(bytes);
    if (len < Frame::RequestHeader || len > frame.size())
        return {};
    if (Frame::crc16(bytes + 2, len - 2) != uint16_t(bytes[0] | (bytes[1] << 8)))
        return {};

    const QByteArray request = frame.left(len);
    if (request == m_lastRequest && !m_rerunsRetries)
        return m_lastReply;

    const uint8_t seq = bytes[Frame::OffSeq];
    const uint8_t cmd = bytes[Frame::OffCmd];
    const Reply reply =
        execute(cmd, request.mid(Frame::RequestHeader), std::max(0, maxReplyFrame - Frame::ReplyHeader));
    m_lastRequest = request;
    m_lastReply = Frame::makeReply(seq, cmd, reply.status, reply.payload.left(maxReplyFrame - Frame::ReplyHeader));
    if (cmd == Cmd::RESET) {
        // The reply leaves first; then the device drops off the bus and forgets the PIN.
        m_pinAccepted = false;
        m_plugged = false;
        m_plugAtMs = m_clock->nowMs() + m_restartDurationMs;
        m_files->closeSession();
        ++m_restarts;
    }
    return m_lastReply;
}

SimDevice::Reply SimDevice::execute(uint8_t cmd, const QByteArray& payload, int maxPayload)
{
    switch (cmd) {
    case Cmd::INFO:
        return info();
    case Cmd::AUTH:
        return authenticate(payload);
    case Cmd::RESET:
        return {};
    case Cmd::GET_DATETIME:
        if (m_clockRefusal != 0)
            return {m_clockRefusal, {}};
        return {Status::Ok, u32Bytes(deviceSeconds())};
    case Cmd::SET_DATETIME:
        if (m_clockRefusal != 0)
            return {m_clockRefusal, {}};
        if (payload.size() != 4)
            return {3, {}};
        m_clockBase = SimBytes::at<uint32_t>(payload, 0);
        m_clockSetMs = m_clock->nowMs();
        return {};
    case Cmd::VAR_SAVE:
        return save(payload);
    case Cmd::EFS_STATS:
    case Cmd::EFS_FILE_FIND:
    case Cmd::EFS_FILE_UNLINK:
    case Cmd::EFS_FILE_CLOSE:
    case Cmd::EFS_FILE_RENAME:
    case Cmd::EFS_FILE_CREATE:
    case Cmd::EFS_FILE_OPEN:
    case Cmd::EFS_FILE_READ:
    case Cmd::EFS_FILE_WRITE:
    case Cmd::EFS_FILE_SEEK:
    case Cmd::EFS_FILE_LIST: {
        // The flash statistics are public; the files need PIN 1.
        if (!m_pinAccepted && cmd != Cmd::EFS_STATS)
            return {Status::AccessDenied, {}};
        const SimFileSystem::Reply r = m_files->execute(cmd, payload, maxPayload, m_clock->nowMs(), deviceSeconds());
        return {r.status, r.payload};
    }
    case Cmd::VAR_GET:
    case Cmd::VAR_GET_LIST:
    case Cmd::VAR_SET:
        return variableCommand(cmd, payload, maxPayload);
    default:
        return {Status::Refused, {}};
    }
}

SimDevice::Reply SimDevice::variableCommand(uint8_t cmd, const QByteArray& payload, int maxPayload)
{
    // The variables stay closed until PIN 1 is accepted.
    if (!m_pinAccepted)
        return {Status::AccessDenied, {}};
    Reply reply;
    const qint64 now = m_clock->nowMs();
    if (cmd == Cmd::VAR_SET) {
        reply.status = m_variables.write(payload);
        if (reply.status == Status::Ok && payload.size() > VarSetHeader)
            m_commands->written(requestedIds(payload, false).value(0), now);
        return reply;
    }
    const QList<uint16_t> ids = requestedIds(payload, cmd == Cmd::VAR_GET_LIST);
    m_commands->beforeRead(ids, now, deviceSeconds());
    m_diagnostics->beforeRead(ids, now);
    if (cmd == Cmd::VAR_GET && !ids.isEmpty()) {
        auto refused = m_refusedReads.find(ids.first());
        if (refused != m_refusedReads.end() && refused.value()-- > 0)
            return {Status::NoSuchVar, {}};
    }
    if (cmd == Cmd::VAR_GET)
        reply.status = m_variables.get(payload, reply.payload);
    else
        reply.status = m_variables.getList(
            payload, m_listReplyRoom < 0 ? maxPayload : std::min(maxPayload, m_listReplyRoom), reply.payload);
    return reply;
}

SimDevice::Reply SimDevice::info() const
{
    QByteArray payload = m_model.toUtf8();
    payload.append('\0');
    payload.append(char(m_pinAccepted ? AuthBit::Pin1 : 0));
    payload.append(m_serial.toUtf8());
    payload.append('\0');
    return {Status::Ok, payload};
}

SimDevice::Reply SimDevice::authenticate(const QByteArray& pin)
{
    if (m_refusesAuth)
        return {Status::Refused, {}};
    const qint64 now = m_clock->nowMs();
    if (m_lockUntilMs >= 0) {
        if (now < m_lockUntilMs)
            return {Status::AccessDenied, u32Bytes(uint32_t((m_lockUntilMs - now + 999) / 1000))};
        m_lockUntilMs = -1;
        m_wrongPins = 0;
    }
    if (pin == m_pin) {
        m_wrongPins = 0;
        const bool already = m_pinAccepted;
        m_pinAccepted = true;
        return {already ? Status::AlreadyAccepted : Status::Ok, {}};
    }
    if (++m_wrongPins >= WrongPinsBeforeLock) {
        m_lockUntilMs = now + PinLockSeconds * 1000;
        return {Status::AccessDenied, u32Bytes(PinLockSeconds)};
    }
    return {Status::WrongPin, {}};
}

SimDevice::Reply SimDevice::save(const QByteArray& payload)
{
    settleSave();
    if (!payload.isEmpty() && payload.at(0) == 1 && m_saveEndsMs < 0)
        m_saveEndsMs = m_clock->nowMs() + m_saveDurationMs;
    QByteArray state;
    state.append(char(m_saveEndsMs >= 0 ? 1 : 0));
    state.append(char(m_saveEndsMs >= 0 ? 0 : m_lastSaveError));
    return {Status::Ok, state};
}

void SimDevice::settleSave()
{
    if (m_saveEndsMs >= 0 && m_clock->nowMs() >= m_saveEndsMs) {
        m_saveEndsMs = -1;
        m_lastSaveError = m_saveError;
        ++m_savesCompleted;
    }
}

bool SimDevice::isPresent() const
{
    QMutexLocker lock(&m_mutex);
    return m_plugged || (m_plugAtMs >= 0 && m_clock->nowMs() >= m_plugAtMs);
}

void SimDevice::unplug()
{
    QMutexLocker lock(&m_mutex);
    m_plugged = false;
    m_plugAtMs = -1;
    m_pinAccepted = false;
    m_files->closeSession();
}

void SimDevice::plug()
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged)
        m_files->restart(m_clock->nowMs());
    m_plugged = true;
    m_plugAtMs = -1;
}

void SimDevice::plugAfter(qint64 ms)
{
    QMutexLocker lock(&m_mutex);
    m_plugAtMs = m_clock->nowMs() + ms;
}

QString SimDevice::model() const
{
    QMutexLocker lock(&m_mutex);
    return m_model;
}

void SimDevice::setModel(const QString& model)
{
    QMutexLocker lock(&m_mutex);
    m_model = model;
}

QString SimDevice::serialNumber() const
{
    QMutexLocker lock(&m_mutex);
    return m_serial;
}

void SimDevice::setSerialNumber(const QString& serial)
{
    QMutexLocker lock(&m_mutex);
    m_serial = serial;
}

void SimDevice::setPin(const QByteArray& pin)
{
    QMutexLocker lock(&m_mutex);
    m_pin = pin;
}

bool SimDevice::pinAccepted() const
{
    QMutexLocker lock(&m_mutex);
    return m_pinAccepted;
}

void SimDevice::setRefusesAuth(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_refusesAuth = on;
}

uint32_t SimDevice::clockValue() const
{
    QMutexLocker lock(&m_mutex);
    return deviceSeconds();
}

uint32_t SimDevice::deviceSeconds() const
{
    if (m_clockBase == 0)
        return 0;
    return m_clockBase + uint32_t((m_clock->nowMs() - m_clockSetMs) / 1000);
}

void SimDevice::setSaveDurationMs(qint64 ms)
{
    QMutexLocker lock(&m_mutex);
    m_saveDurationMs = ms;
}

void SimDevice::setClockRefusal(uint8_t status)
{
    QMutexLocker lock(&m_mutex);
    m_clockRefusal = status;
}

void SimDevice::setSaveError(uint8_t error)
{
    QMutexLocker lock(&m_mutex);
    m_saveError = error;
}

int SimDevice::savesCompleted() const
{
    QMutexLocker lock(&m_mutex);
    return m_savesCompleted;
}

void SimDevice::setRestartDurationMs(qint64 ms)
{
    QMutexLocker lock(&m_mutex);
    m_restartDurationMs = ms;
}

int SimDevice::restarts() const
{
    QMutexLocker lock(&m_mutex);
    return m_restarts;
}

bool SimDevice::loadProfile(const QString& path, QString* error)
{
    const std::optional<SettingsFile> profile = SettingsFile::read(path, error);
    if (!profile)
        return false;
    loadProfile(*profile);
    return true;
}

void SimDevice::loadProfile(const SettingsFile& profile)
{
    QMutexLocker lock(&m_mutex);
    if (!profile.model.isEmpty())
        m_model = profile.model;
    if (!profile.serial.isEmpty())
        m_serial = profile.serial;
    m_variables.load(profile.entries);
}

SettingsFile SimDevice::profile() const
{
    QMutexLocker lock(&m_mutex);
    SettingsFile profile;
    profile.model = m_model;
    profile.serial = m_serial;
    profile.entries = m_variables.variables();
    return profile;
}

std::optional<SimVariables::Variable> SimDevice::variable(uint16_t id) const
{
    QMutexLocker lock(&m_mutex);
    const SimVariables::Variable* v = m_variables.find(id);
    return v ? std::optional(*v) : std::nullopt;
}

QList<uint16_t> SimDevice::variableIds() const
{
    QMutexLocker lock(&m_mutex);
    return m_variables.ids();
}

void SimDevice::setVariable(const SimVariables::Variable& variable)
{
    QMutexLocker lock(&m_mutex);
    m_variables.set(variable);
}

bool SimDevice::setVariableValue(uint16_t id, const QByteArray& value)
{
    QMutexLocker lock(&m_mutex);
    return m_variables.setValue(id, value);
}

void SimDevice::setListReplyRoom(int bytes)
{
    QMutexLocker lock(&m_mutex);
    m_listReplyRoom = bytes;
}

void SimDevice::setCommandDurationMs(qint64 ms)
{
    QMutexLocker lock(&m_mutex);
    m_commands->setDurationMs(ms);
}

void SimDevice::setCommandAnswer(const QByteArray& word)
{
    QMutexLocker lock(&m_mutex);
    m_commands->setAnswer(word);
}

void SimDevice::setCommandsHang(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_commands->setHangs(on);
}

void SimDevice::setRerunsRetries(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_rerunsRetries = on;
}

void SimDevice::setLiveDiagnostics(bool on, uint32_t seed)
{
    QMutexLocker lock(&m_mutex);
    m_diagnostics->setLive(on, seed);
}

void SimDevice::refuseReads(uint16_t id, int count)
{
    QMutexLocker lock(&m_mutex);
    m_refusedReads[id] = count;
}
