#include "VarSampler.h"

#include <cstring>
#include <limits>
#include <utility>

#include <QtEndian>

#include "VarRecord.h"

namespace {

constexpr double Gap = std::numeric_limits<double>::quiet_NaN();

} // namespace

VarSampler::VarSampler()
{
    m_clock.start();
}

void VarSampler::watch(uint16_t id)
{
    QMutexLocker lock(&m_mutex);
    ++m_watched[id];
}

void VarSampler::unwatch(uint16_t id)
{
    QMutexLocker lock(&m_mutex);
    auto it = m_watched.find(id);
    if (it != m_watched.end() && --it.value() < 1)
        m_watched.erase(it);
}

bool VarSampler::isWatched(uint16_t id) const
{
    QMutexLocker lock(&m_mutex);
    return m_watched.contains(id);
}

void VarSampler::noteValue(const VarRecord& record)
{
    append(record.id, numberOf(record));
}

void VarSampler::noteMissed(uint16_t id)
{
    append(id, Gap);
}

void VarSampler::noteLinkLost()
{
    QMutexLocker lock(&m_mutex);
    const qint64 now = m_clock.elapsed();
    for (auto it = m_watched.cbegin(); it != m_watched.cend(); ++it)
        m_pending.append({it.key(), now, Gap});
}

void VarSampler::append(uint16_t id, double value)
{
    QMutexLocker lock(&m_mutex);
    if (!m_watched.contains(id) || m_pending.size() >= MaxPending)
        return;
    m_pending.append({id, m_clock.elapsed(), value});
}

QList<VarSampler::Sample> VarSampler::take()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_pending, {});
}

double VarSampler::numberOf(const VarRecord& record)
{
    switch (record.type) {
    case 'U':
    case 'B':
        return qFromLittleEndian<uint32_t>(record.num);
    case 'I':
        return qFromLittleEndian<int32_t>(record.num);
    case 'F': {
        const uint32_t bits = qFromLittleEndian<uint32_t>(record.num);
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    default:
        return Gap;
    }
}
