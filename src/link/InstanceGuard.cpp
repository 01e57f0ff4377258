#include "InstanceGuard.h"

#include <cstring>

#include <QElapsedTimer>
#include <QThread>

#include "platform/Platform.h"

InstanceGuard::InstanceGuard(const QString& key) : m_key(key), m_segment(key)
{}

InstanceGuard::~InstanceGuard()
{
    release();
}

bool InstanceGuard::claim()
{
    if (!m_segment.isAttached() && !m_segment.create(sizeof(qint64), QSharedMemory::ReadWrite)) {
        const qint64 holder = settledHolderPid();
        // A segment left behind by a crashed copy would block the device until a reboot, also when it
        // names no process or a process id since given to another program: take it over. Reading it
        // may already have removed it, so creating is tried again before attaching.
        const bool stale = !Platform::runsThisProgram(holder);
        if (!stale || !(m_segment.create(sizeof(qint64), QSharedMemory::ReadWrite) ||
                        m_segment.attach(QSharedMemory::ReadWrite))) {
            m_note =
                tr("The USB device is used by another copy of the program (process %1). Close it first.").arg(holder);
            return false;
        }
    }
    writeOwnPid();
    m_note.clear();
    return true;
}

void InstanceGuard::release()
{
    if (m_segment.isAttached())
        m_segment.detach();
}

bool InstanceGuard::writeOwnPid()
{
    const qint64 pid = Platform::currentProcessId();
    if (!m_segment.lock())
        return false;
    std::memcpy(m_segment.data(), &pid, sizeof pid);
    m_segment.unlock();
    return true;
}

qint64 InstanceGuard::liveHolder() const
{
    const qint64 pid = settledHolderPid();
    return Platform::runsThisProgram(pid) ? pid : 0;
}

qint64 InstanceGuard::settledHolderPid() const
{
    // A copy writes its process id just after creating the segment: no id yet may be a claim under way.
    QElapsedTimer waited;
    waited.start();
    std::optional<qint64> pid = holderPid();
    while (pid == 0 && !waited.hasExpired(ClaimSettleMs)) {
        QThread::msleep(1);
        pid = holderPid();
    }
    return pid.value_or(0);
}

std::optional<qint64> InstanceGuard::holderPid() const
{
    QSharedMemory reader(m_key);
    if (!reader.attach(QSharedMemory::ReadOnly))
        return {};
    qint64 pid = 0;
    reader.lock();
    std::memcpy(&pid, reader.constData(), sizeof pid);
    reader.unlock();
    reader.detach();
    return pid;
}
