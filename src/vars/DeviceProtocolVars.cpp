// The variable procedures of DeviceProtocol: VAR_GET, VAR_GET_LIST and VAR_SET.
#include "link/DeviceProtocol.h"

#include <utility>

#include <QVarLengthArray>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "vars/VARS.h"
#include "vars/VarSampler.h"

namespace {

constexpr int ListStep = 24;       // ids per VAR_GET_LIST request
constexpr int LoadPasses = 3;      // failing full passes before the load gives up
constexpr int VarGetHeader = 8;    // id, redir, type, flags, maxLen
constexpr uint16_t NumberSize = 4; // every non-text value in a list entry

uint16_t u16At(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

} // namespace

void DeviceProtocol::noteRead(uint16_t id)
{
    // Only what a plot watches is looked up again; every other read costs one check.
    if (!m_sampler->isWatched(id))
        return;
    bool found = false;
    const VarRecord record = m_vars->snapshot(id, &found);
    if (found)
        m_sampler->noteValue(record);
}

int DeviceProtocol::readVar(uint16_t id)
{
    CommandRecord rec;
    rec.addU16(id);
    const int ret = send(Cmd::VAR_GET, rec);
    // A refusal (1: no such variable) leaves the store as it is; so does a reply too short to carry
    // the header, which would otherwise be read as a record of id 0.
    if (ret != 0 || rec.status != 0 || rec.rxLen < VarGetHeader) {
        m_sampler->noteMissed(id);
        return ret;
    }
    const uint16_t replyId = rec.takeU16();
    const uint16_t redir = rec.takeU16();
    const uint8_t type = rec.takeU8();
    const uint16_t flags = rec.takeU16();
    const uint8_t maxLen = rec.takeU8();
    if (replyId != 0) {
        m_vars->update(replyId, redir, type, flags, maxLen, rec.rxData + VarGetHeader, rec.rxLen - VarGetHeader);
        noteRead(replyId);
    }
    return 0;
}

int DeviceProtocol::readVarBatch(const QList<uint16_t>& ids, QList<uint16_t>* unanswered)
{
    CommandRecord rec;
    for (const uint16_t id : ids)
        rec.addU16(id);
    rec.addU16(0);
    const int ret = send(Cmd::VAR_GET_LIST, rec);
    if (ret != 0 || rec.status != 0) {
        for (const uint16_t id : ids)
            m_sampler->noteMissed(id);
        return ret;
    }

    const uint8_t* p = rec.rxData;
    const int len = rec.rxLen;
    QVarLengthArray<uint16_t, ListStep> covered;
    bool ended = false;
    int pos = 0;
    // Entries up to the first fault are kept; the fault itself ends the list silently.
    while (len - pos >= 2) {
        const uint16_t id = u16At(p + pos);
        if (id == 0) {
            ended = true;
            break;
        }
        int q = pos + 2;
        if (q + 2 > len)
            break;
        const uint16_t flags = u16At(p + q);
        q += 2;
        uint16_t redir = 0;
        if (flags & VarFlag::FromList) {
            if (q + 2 > len)
                break;
            redir = u16At(p + q);
            q += 2;
        }
        if (q + 1 > len)
            break;
        const uint8_t type = p[q++];
        uint16_t maxLen = NumberSize;
        int n = NumberSize;
        if (type == 'T') {
            if (q + 2 > len)
                break;
            maxLen = p[q];
            n = p[q + 1];
            q += 2;
        }
        if (q + n > len)
            break;
        m_vars->update(id, redir, type, flags | VarFlag::FromList, maxLen, p + q, n);
        noteRead(id);
        covered.append(id);
        pos = q + n;
    }
    if (unanswered && !ended) {
        for (const uint16_t id : ids) {
            if (!covered.contains(id))
                unanswered->append(id);
        }
    }
    return 0;
}

int DeviceProtocol::loadVars(const QList<uint16_t>& ids, bool batched)
{
    // The passes of one load together decide which ids the device never answered.
    if (m_loadRetries == 0)
        m_loadAnswered.clear();
    int ret = 0;
    qsizetype next = 0;
    QList<uint16_t> carried; // left out of a list reply that was cut short: asked for again in the next request
    QList<uint16_t> single;  // left out of a reply that held none of its ids: read one by one
    m_loadAnsweredCount = 0;
    while (ret == 0) {
        if (stopRequested())
            return ret;
        // A refusal answers an id as much as a value does; so does a list that ends without it.
        qsizetype answered = 1;
        if (!single.isEmpty()) {
            const uint16_t id = single.takeFirst();
            if ((ret = readVar(id)) == 0)
                m_loadAnswered.insert(id);
        } else if (next >= ids.size() && carried.isEmpty()) {
            break;
        } else if (!batched) {
            const uint16_t id = ids.at(next++);
            if ((ret = readVar(id)) == 0)
                m_loadAnswered.insert(id);
        } else {
            QList<uint16_t> batch = std::exchange(carried, {});
            while (batch.size() < ListStep && next < ids.size())
                batch.append(ids.at(next++));
            QList<uint16_t> unanswered;
            ret = readVarBatch(batch, &unanswered);
            if (ret == 0) {
                for (const uint16_t id : batch) {
                    if (!unanswered.contains(id))
                        m_loadAnswered.insert(id);
                }
            }
            // Carrying ids on only while each reply makes progress keeps a device that never lists
            // some id from holding the load forever.
            (unanswered.size() < batch.size() ? carried : single) = unanswered;
            answered = batch.size() - unanswered.size();
        }
        if (ret == 0)
            m_loadAnsweredCount += int(answered);
        pace();
    }

    if (ret == 0) {
        if (!stopRequested()) {
            m_loadRetries = 0;
            setUnreadIds({});
            Q_EMIT uiVarsLoadEnd();
        }
        return ret;
    }
    if (stopRequested() || !m_link || !m_link->isOpen())
        return ret;
    if (++m_loadRetries < LoadPasses) {
        qWarning("var list incomplete (ret=%d), retry %d", ret, m_loadRetries);
        m_reloadRequest = true;
        return ret;
    }
    qWarning("var list load failed, %d vars loaded", m_vars->count());
    m_loadRetries = 0;
    QList<uint16_t> unread;
    for (const uint16_t id : ids) {
        if (!m_loadAnswered.contains(id))
            unread.append(id);
    }
    setUnreadIds(unread);
    Q_EMIT uiVarsLoadEnd();
    return ret;
}

QList<uint16_t> DeviceProtocol::unreadIds() const
{
    QMutexLocker lock(&m_unreadMutex);
    return m_unreadIds;
}

void DeviceProtocol::setUnreadIds(const QList<uint16_t>& ids)
{
    QMutexLocker lock(&m_unreadMutex);
    m_unreadIds = ids;
}

int DeviceProtocol::varsSet(uint16_t id, bool withValue)
{
    bool found = false;
    const VarRecord record = m_vars->snapshot(id, &found);
    if (!found) {
        qWarning("varsSet: var %u not found", unsigned(id));
        return -1;
    }
    if (record.type == 'R') {
        qWarning("%s", "");
        return 1;
    }
    CommandRecord rec;
    rec.addU16(id);
    rec.addU16(record.redir);
    rec.addU16(record.flags);
    if (withValue && !(record.flags & VarFlag::ReadOnly)) {
        int n = record.len;
        if (record.type == 'T') {
            // The whole zero-padded buffer, as much as the link carries.
            n = record.maxLen;
            if (m_link && n > m_link->maxTextLength())
                n = m_link->maxTextLength();
        }
        rec.add(record.data, std::size_t(n));
    }
    const int ret = send(Cmd::VAR_SET, rec);
    if (ret != 0)
        return ret;
    if (rec.status == 0) {
        Q_EMIT uiOnVarsChangedPC(id);
        return 0;
    }
    qWarning("varsSet id=%u rejected by device ret=%d, reload value", unsigned(id), int(rec.status));
    readVar(id);
    return rec.status;
}

int DeviceProtocol::varsSetRedir(uint16_t id, uint16_t target)
{
    const VarRecord before = m_vars->snapshot(id);
    if (!m_vars->setRedir(id, target))
        return -1;
    const int ret = varsSet(id, false);
    // Lost on the link: the store keeps the redirect the device last confirmed.
    if (ret < 0)
        m_vars->restore(before);
    if (ret == 0)
        Q_EMIT uiRedirChangedPC(id);
    return ret;
}
