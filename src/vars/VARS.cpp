#include "VARS.h"

VARS::VARS(QObject* parent) : QObject(parent)
{}

VARS::~VARS() = default;

int VARS::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_ids.size());
}

void VARS::clear()
{
    qWarning("VARS CLEAR");
    QMutexLocker lock(&m_mutex);
    for (auto it = m_live.cbegin(); it != m_live.cend(); ++it)
        m_retired.insert(it.key(), it.value());
    m_live.clear();
    m_ids.clear();
    m_sources.clear();
}

int VARS::textLimit() const
{
    QMutexLocker lock(&m_mutex);
    return m_textLimit;
}

void VARS::setTextLimit(int limit)
{
    QMutexLocker lock(&m_mutex);
    m_textLimit = limit;
}
