#include "SimFileSystem.h"

#include <algorithm>

#include <QMutexLocker>

#include "SimBytes.h"
#include "link/CommandTable.h"

namespace {

constexpr int MaxRequests = 1024;

// A name field ends at its first zero byte or after 25 bytes.
QByteArray nameOfField(const QByteArray& field)
{
    const QByteArray name = field.left(SimFileSystem::NameField);
    const qsizetype zero = name.indexOf('\0');
    return zero < 0 ? name : name.left(zero);
}

uint32_t sectorsOf(const SimFileSystem::File& file)
{
    // Even an empty file takes the sector that holds its entry.
    return std::max<uint32_t>(1,
                              uint32_t((file.data.size() + SimFileSystem::SectorSize - 1) / SimFileSystem::SectorSize));
}

bool changesFiles(uint8_t cmd)
{
    return cmd == Cmd::EFS_FILE_CREATE || cmd == Cmd::EFS_FILE_WRITE || cmd == Cmd::EFS_FILE_RENAME ||
           cmd == Cmd::EFS_FILE_UNLINK;
}

} // namespace

SimFileSystem::SimFileSystem() = default;

SimFileSystem::Reply SimFileSystem::execute(uint8_t cmd, const QByteArray& payload, int room, qint64 now,
                                            uint32_t seconds)
{
    QMutexLocker lock(&m_mutex);
    if (m_requests.size() == MaxRequests)
        m_requests.removeFirst();
    m_requests.append({cmd, payload});

    if (cmd == Cmd::EFS_STATS)
        return m_refusesStats ? Reply{Status::AccessDenied, {}} : stats(now);
    if (statusLocked(now) == Starting)
        return {Status::FsError, {}};
    if (m_readOnly && changesFiles(cmd))
        return {Status::AccessDenied, {}};
    switch (cmd) {
    case Cmd::EFS_FILE_FIND:
        return find(payload);
    case Cmd::EFS_FILE_LIST:
        return list(payload, room);
    case Cmd::EFS_FILE_CREATE:
        return create(payload, seconds);
    case Cmd::EFS_FILE_OPEN:
        return open(payload);
    case Cmd::EFS_FILE_CLOSE:
        m_open.reset();
        return {};
    case Cmd::EFS_FILE_READ:
        return read(payload, room);
    case Cmd::EFS_FILE_WRITE:
        return write(payload);
    case Cmd::EFS_FILE_SEEK:
        return seek(payload);
    case Cmd::EFS_FILE_RENAME:
        return rename(payload);
    case Cmd::EFS_FILE_UNLINK:
        return unlink(payload);
    default:
        return {Status::BadArgument, {}};
    }
}

void SimFileSystem::restart(qint64 now)
{
    QMutexLocker lock(&m_mutex);
    m_open.reset();
    m_readyAt = now + m_startupMs;
}

void SimFileSystem::closeSession()
{
    QMutexLocker lock(&m_mutex);
    m_open.reset();
}

SimFileSystem::Reply SimFileSystem::find(const QByteArray& payload) const
{
    if (payload.size() != 2)
        return {Status::BadArgument, {}};
    const auto it = m_files.lowerBound(SimBytes::at<uint16_t>(payload, 0));
    if (it == m_files.end())
        return {Status::NotFound, {}};
    const File& f = it.value();
    QByteArray entry(2, '\0');
    SimBytes::append<uint32_t>(entry, f.created);
    entry.append(char(f.system));
    entry.append(f.name.leftJustified(NameField, '\0', true));
    SimBytes::append<uint32_t>(entry, uint32_t(f.data.size()));
    SimBytes::append<uint16_t>(entry, f.id);
    return {Status::Ok, entry};
}

SimFileSystem::Reply SimFileSystem::list(const QByteArray& payload, int room) const
{
    if (payload.size() != 2)
        return {Status::BadArgument, {}};
    QByteArray out;
    for (auto it = m_files.lowerBound(SimBytes::at<uint16_t>(payload, 0)); it != m_files.end(); ++it) {
        const File& f = it.value();
        if (out.size() + 12 + f.name.size() > room)
            return {Status::Ok, out};
        SimBytes::append<uint16_t>(out, f.id);
        out.append(char(f.system));
        SimBytes::append<uint32_t>(out, f.created);
        out.append(char(f.name.size()));
        out.append(f.name);
        SimBytes::append<uint32_t>(out, uint32_t(f.data.size()));
    }
    if (out.size() + 2 <= room)
        SimBytes::append<uint16_t>(out, 0xFFFF);
    return {Status::Ok, out};
}

SimFileSystem::Reply SimFileSystem::create(const QByteArray& payload, uint32_t seconds)
{
    if (payload.size() != NameField)
        return {Status::BadArgument, {}};
    const QByteArray name = nameOfField(payload);
    if (name.isEmpty())
        return {Status::BadArgument, {}};
    if (byName(name))
        return {Status::FileExists, {}};
    if (freeSectors() == 0)
        return {Status::NoSpace, {}};
    File f;
    f.id = freeId();
    f.name = name;
    f.created = seconds;
    m_files.insert(f.id, f);
    eraseForUse();
    m_open = f.id;
    m_position = 0;
    QByteArray reply;
    SimBytes::append<uint16_t>(reply, f.id);
    return {Status::Ok, reply};
}

SimFileSystem::Reply SimFileSystem::open(const QByteArray& payload)
{
    if (payload.size() != 2)
        return {Status::BadArgument, {}};
    const uint16_t id = SimBytes::at<uint16_t>(payload, 0);
    if (!byId(id))
        return {Status::NotFound, {}};
    m_open = id;
    m_position = 0;
    return {};
}

SimFileSystem::Reply SimFileSystem::read(const QByteArray& payload, int room)
{
    if (payload.size() != 2)
        return {Status::BadArgument, {}};
    File* f = m_open ? byId(*m_open) : nullptr;
    if (!f)
        return {Status::FsError, {}};
    // The size travels in the high byte when it fits there, else as the whole word.
    const uint8_t low = uint8_t(payload.at(0));
    const int asked = low == 0 ? uint8_t(payload.at(1)) : SimBytes::at<uint16_t>(payload, 0);
    const int count = std::min({asked, room, int(f->data.size()) - int(m_position)});
    const QByteArray data = f->data.mid(m_position, std::max(count, 0));
    m_position += uint32_t(data.size());
    return {m_position >= uint32_t(f->data.size()) ? Status::EndOfFile : Status::Ok, data};
}

SimFileSystem::Reply SimFileSystem::write(const QByteArray& payload)
{
    File* f = m_open ? byId(*m_open) : nullptr;
    if (!f)
        return {Status::FsError, {}};
    if (payload.isEmpty())
        return {Status::BadArgument, {}};
    qsizetype count = m_shortWrites ? payload.size() - 1 : payload.size();
    // The file grows into the rest of its last sector, then into free sectors; what does not fit is
    // left out and the reply says how much was written.
    const qsizetype growth = qsizetype(m_position) + count - f->data.size();
    if (growth > 0) {
        const qsizetype room =
            qsizetype(sectorsOf(*f)) * SectorSize - f->data.size() + qsizetype(freeSectors()) * SectorSize;
        count -= std::max<qsizetype>(0, growth - room);
        if (count <= 0)
            return {Status::NoSpace, {}};
    }
    // Overwrite what the file holds from the position on, append the rest (amortised growth).
    const qsizetype inside = std::clamp<qsizetype>(f->data.size() - m_position, 0, count);
    f->data.replace(m_position, inside, payload.constData(), inside);
    f->data.append(payload.constData() + inside, count - inside);
    if (growth > 0)
        eraseForUse();
    m_position += uint32_t(count);
    QByteArray reply;
    SimBytes::append<uint16_t>(reply, uint16_t(count));
    return {Status::Ok, reply};
}

SimFileSystem::Reply SimFileSystem::seek(const QByteArray& payload)
{
    if (!m_seek)
        return {Status::NoSeek, {}};
    if (payload.size() != 4)
        return {Status::BadArgument, {}};
    File* f = m_open ? byId(*m_open) : nullptr;
    if (!f)
        return {Status::FsError, {}};
    // No holes: a seek past the end stops at the end.
    m_position = std::min(SimBytes::at<uint32_t>(payload, 0), uint32_t(f->data.size()));
    QByteArray reply;
    SimBytes::append<uint32_t>(reply, m_position);
    return {Status::Ok, reply};
}

SimFileSystem::Reply SimFileSystem::rename(const QByteArray& payload)
{
    if (payload.size() != 2 + NameField)
        return {Status::BadArgument, {}};
    File* f = byId(SimBytes::at<uint16_t>(payload, 0));
    const QByteArray name = nameOfField(payload.mid(2));
    if (name.isEmpty())
        return {Status::BadArgument, {}};
    if (!f)
        return {Status::NotFound, {}};
    if (f->system != OrdinaryMark)
        return {Status::AccessDenied, {}};
    const File* other = byName(name);
    if (other && other != f)
        return {Status::FileExists, {}};
    f->name = name;
    return {};
}

SimFileSystem::Reply SimFileSystem::unlink(const QByteArray& payload)
{
    if (payload.size() != 2)
        return {Status::BadArgument, {}};
    const uint16_t id = SimBytes::at<uint16_t>(payload, 0);
    const File* f = byId(id);
    if (!f)
        return {Status::NotFound, {}};
    if (f->system != OrdinaryMark)
        return {Status::AccessDenied, {}};
    m_dirtySectors += sectorsOf(*f);
    if (m_open == id)
        m_open.reset();
    m_files.remove(id);
    return {};
}

SimFileSystem::Reply SimFileSystem::stats(qint64 now) const
{
    const uint32_t free = freeSectors();
    QByteArray out;
    SimBytes::append<uint32_t>(out, SectorSize);
    SimBytes::append<uint32_t>(out, m_flashSize / SectorSize); // the flash size counts sectors, as the free ones do
    SimBytes::append<uint32_t>(out, free);
    SimBytes::append<uint32_t>(out, free - std::min(m_dirtySectors, free));
    SimBytes::append<uint32_t>(out, m_eraseCycles);
    out.append(char(statusLocked(now)));
    return {Status::Ok, out};
}

SimFileSystem::File* SimFileSystem::byId(uint16_t id)
{
    const auto it = m_files.find(id);
    return it == m_files.end() ? nullptr : &it.value();
}

SimFileSystem::File* SimFileSystem::byName(const QByteArray& name)
{
    for (File& f : m_files) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

uint16_t SimFileSystem::freeId() const
{
    uint16_t id = 1;
    while (m_files.contains(id))
        ++id;
    return id;
}

uint32_t SimFileSystem::usedSectors() const
{
    uint32_t used = 0;
    for (const File& f : m_files)
        used += sectorsOf(f);
    return used;
}

uint32_t SimFileSystem::freeSectors() const
{
    if (m_full)
        return 0;
    const uint32_t total = m_flashSize / SectorSize;
    const uint32_t used = usedSectors();
    return used < total ? total - used : 0;
}

void SimFileSystem::eraseForUse()
{
    // Erased sectors are used first; a released one is erased once no erased one is left.
    const uint32_t free = freeSectors();
    if (m_dirtySectors > free) {
        m_eraseCycles += m_dirtySectors - free;
        m_dirtySectors = free;
    }
}

uint8_t SimFileSystem::statusLocked(qint64 now) const
{
    if (now < m_readyAt)
        return Starting;
    return m_readOnly ? ReadOnly : Ready;
}

void SimFileSystem::fillDemo()
{
    // 2024-05-01 and a few days after, in device seconds.
    constexpr uint32_t May2024 = 767750400;
    QByteArray log;
    for (int i = 0; i < 120; ++i)
        log += QByteArray("2024-05-0") + QByteArray::number(1 + i % 9) + " 08:" + QByteArray::number(10 + i % 50) +
               " event " + QByteArray::number(i) + " armed\r\n";
    const QByteArray config("[alarm]\r\nsiren=1\r\nshock_level=4\r\ntilt=on\r\n[engine]\r\nautostart=0\r\n");
    QByteArray sound(12000, '\0');
    for (qsizetype i = 0; i < sound.size(); ++i)
        sound[i] = char((i * 7) ^ (i >> 3));
    QByteArray algorithm(6000, '\0');
    for (qsizetype i = 0; i < algorithm.size(); ++i)
        algorithm[i] = char(i * 13 + 5);

    addFile("boot.alg", algorithm, 0x00, 0, May2024);
    addFile("sys.cfg", "model=X7\r\nbus=can500\r\n", 0x01, 0, May2024);
    addFile("events.log", log, OrdinaryMark, 0, May2024 + 86400 * 3);
    addFile("settings.cfg", config, OrdinaryMark, 0, May2024 + 86400);
    addFile("alarm.wav", sound, OrdinaryMark, 0, May2024 + 86400 * 2);
}

QList<SimFileSystem::File> SimFileSystem::files() const
{
    QMutexLocker lock(&m_mutex);
    return m_files.values();
}

std::optional<SimFileSystem::File> SimFileSystem::file(const QByteArray& name) const
{
    QMutexLocker lock(&m_mutex);
    for (const File& f : m_files) {
        if (f.name == name)
            return f;
    }
    return std::nullopt;
}

uint16_t SimFileSystem::addFile(const QByteArray& name, const QByteArray& data, uint8_t system, uint16_t id,
                                uint32_t created)
{
    QMutexLocker lock(&m_mutex);
    if (File* old = byName(name))
        m_files.remove(old->id);
    File f;
    f.id = id != 0 ? id : freeId();
    f.name = name.left(NameField);
    f.data = data;
    f.created = created;
    f.system = system;
    m_files.insert(f.id, f);
    return f.id;
}

bool SimFileSystem::storeOwnFile(const QByteArray& name, const QByteArray& data, qint64 now, uint32_t seconds)
{
    QMutexLocker lock(&m_mutex);
    File f;
    f.name = name.left(NameField);
    f.data = data;
    f.created = seconds;
    const File* old = byName(f.name);
    const uint32_t released = old ? sectorsOf(*old) : 0;
    if (m_full || statusLocked(now) != Ready || sectorsOf(f) > freeSectors() + released)
        return false;
    if (old) {
        f.id = old->id;
        m_dirtySectors += released;
        if (m_open == f.id)
            m_open.reset();
    } else {
        f.id = freeId();
    }
    m_files.insert(f.id, f);
    eraseForUse();
    return true;
}

bool SimFileSystem::removeFile(const QByteArray& name)
{
    QMutexLocker lock(&m_mutex);
    const File* f = byName(name);
    if (!f)
        return false;
    if (m_open == f->id)
        m_open.reset();
    m_files.remove(f->id);
    return true;
}

void SimFileSystem::clear()
{
    QMutexLocker lock(&m_mutex);
    m_files.clear();
    m_open.reset();
}

QList<std::pair<uint8_t, QByteArray>> SimFileSystem::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

void SimFileSystem::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void SimFileSystem::setShortWrites(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_shortWrites = on;
}

void SimFileSystem::setSeekSupported(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_seek = on;
}

void SimFileSystem::setFlashSize(uint32_t bytes)
{
    QMutexLocker lock(&m_mutex);
    m_flashSize = bytes;
}

void SimFileSystem::setFlashFull(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_full = on;
}

void SimFileSystem::setReadOnly(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_readOnly = on;
}

void SimFileSystem::setStartupMs(qint64 ms)
{
    QMutexLocker lock(&m_mutex);
    m_startupMs = ms;
}

void SimFileSystem::setRefusesStats(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_refusesStats = on;
}

uint8_t SimFileSystem::status(qint64 now) const
{
    QMutexLocker lock(&m_mutex);
    return statusLocked(now);
}
