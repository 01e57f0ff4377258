#include "VarsRegistry.h"

#include "link/DeviceProtocol.h"
#include "vars/UnsavedChanges.h"
#include "vars/VARS.h"
#include "vars/VarRow.h"
#include "vars/VarSampler.h"
#include "vars/VarsUIAttr.h"
#include "worker/DeviceThread.h"

VarsRegistry::VarsRegistry(DeviceProtocol& protocol, DeviceThread& worker, QObject* parent)
    : QObject(parent), m_protocol(protocol), m_worker(worker), m_unsaved(new UnsavedChanges(protocol, *this))
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(CoalesceMs);
    connect(&m_coalesce, &QTimer::timeout, this, &VarsRegistry::flush);
    connect(&protocol.vars(), &VARS::varsDirty, this, &VarsRegistry::onDirty);
}

VarsRegistry::~VarsRegistry()
{
    QMutexLocker lock(&m_lifetime->mutex);
    m_lifetime->alive = false;
}

void VarsRegistry::submit(int key, Job job)
{
    if (key != 0) {
        QMutexLocker lock(&m_pendingMutex);
        ++m_pending[key];
    }
    const auto whileAlive = [life = m_lifetime](const std::function<void()>& step) {
        QMutexLocker lock(&life->mutex);
        if (life->alive)
            step();
    };
    m_worker.post([whileAlive, this, key, job] { whileAlive([&] { complete(key, job()); }); },
                  [whileAlive, this, key] { whileAlive([&] { complete(key, Dropped); }); });
}

void VarsRegistry::complete(int key, int code)
{
    if (key != 0) {
        QMutexLocker lock(&m_pendingMutex);
        if (--m_pending[key] < 1)
            m_pending.remove(key);
    }
    if (code != 0)
        Q_EMIT writeFailed(key, code);
    if (key != 0) {
        Q_EMIT writeDone(key, code);
        m_protocol.vars().markDirty(uint16_t(key));
    }
}

int VarsRegistry::editAndSend(int id, bool withValue, const std::function<void(VARS&, VarRecord&)>& edit,
                              const VarRecord* confirmed)
{
    VARS& vars = m_protocol.vars();
    VarRecord before;
    {
        QMutexLocker lock(&vars.mutex());
        VarRecord* record = vars.find(uint16_t(id));
        if (!record)
            return -1;
        before = confirmed ? *confirmed : *record;
        edit(vars, *record);
    }
    vars.markDirty(uint16_t(id));
    const int ret = m_protocol.varsSet(uint16_t(id), withValue);
    // Lost on the link: the store keeps what the device last confirmed, not the edit it never took.
    if (ret < 0)
        vars.restore(before);
    return ret;
}

void VarsRegistry::setValue(int id, const QString& text)
{
    submit(id, [this, id, text] {
        return editAndSend(id, true, [&text](VARS& vars, VarRecord& record) { vars.setValueText(record, text); });
    });
}

void VarsRegistry::setInv(int id, bool on)
{
    submit(id, [this, id, on] {
        return editAndSend(id, false, [on](VARS& vars, VarRecord& record) { vars.setInv(record, on); });
    });
}

void VarsRegistry::setRedir(int id, int target)
{
    submit(id, [this, id, target] { return m_protocol.varsSetRedir(uint16_t(id), uint16_t(target)); });
}

void VarsRegistry::setRedirReverse(int id, int target, const QList<int>& candidates)
{
    submit(0, [this, id, target, candidates] {
        int result = 0;
        if (target > 0)
            result = m_protocol.varsSetRedir(uint16_t(target), uint16_t(id));
        for (int c : candidates) {
            bool found = false;
            const VarRecord record = m_protocol.vars().snapshot(uint16_t(c), &found);
            if (!found || c == target || record.redir != id)
                continue;
            const int r = m_protocol.varsSetRedir(uint16_t(c), 0);
            if (result == 0)
                result = r;
        }
        return result;
    });
}

void VarsRegistry::setOnOffRedir(int id, int target, const QMap<int, int>& pairs, bool on)
{
    submit(0, [this, id, target, pairs, on] {
        int result = m_protocol.varsSetRedir(uint16_t(id), uint16_t(on ? target : 0));
        for (auto it = pairs.cbegin(); it != pairs.cend(); ++it) {
            const int r = m_protocol.varsSetRedir(uint16_t(it.key()), uint16_t(on ? it.value() : 0));
            if (result == 0)
                result = r;
        }
        return result;
    });
}

void VarsRegistry::restore(int id, const VarRecord& saved)
{
    submit(id, [this, id, saved] {
        VARS& vars = m_protocol.vars();
        const VarRecord confirmed = vars.snapshot(uint16_t(id));
        // Only the header would go: the device would take it and keep the value.
        if (confirmed.flags & VarFlag::ReadOnly)
            return ReadOnly;
        vars.setRedir(uint16_t(id), saved.redir);
        return editAndSend(
            id, true, [&saved](VARS& vars, VarRecord& record) { vars.restoreValue(record, saved); }, &confirmed);
    });
}

bool VarsRegistry::refresh(int id)
{
    return m_worker.post([&protocol = m_protocol, id] { protocol.readVar(uint16_t(id)); }, {});
}

void VarsRegistry::build(const QList<VarUiInfoPtr>& infos, const QMap<int, VarsUIAttr*>& attrs)
{
    for (const VarUiInfoPtr& info : infos) {
        if (!m_infos.contains(info->id))
            m_infos.insert(info->id, info);
    }
    for (const VarsUIAttr* attr : attrs) {
        for (const QString& group : attr->groups) {
            const QString name = group.trimmed();
            if (!name.isEmpty())
                m_groupMembers[name].append(attr);
        }
    }
}

VarUiInfoPtr VarsRegistry::info(int id) const
{
    return m_infos.value(id);
}

void VarsRegistry::registerRow(PageView view, VarRow* row)
{
    m_viewOfRow.insert(row, view);
    QSet<int>& viewIds = m_viewIds[view];
    for (int id : row->ids()) {
        QList<VarRow*>& rows = m_rowsById[id];
        if (!rows.contains(row))
            rows.append(row);
        viewIds.insert(id);
    }
    QSet<int>& further = m_viewFurtherIds[view];
    for (int id : row->watchedIds())
        further.insert(id);
}

QList<VarsRegistry::Candidate> VarsRegistry::candidates(const QStringList& groupNames) const
{
    QList<Candidate> result;
    QSet<int> taken;
    QHash<QString, int> nameCount;
    for (const QString& group : groupNames) {
        for (const VarsUIAttr* attr : m_groupMembers.value(group.trimmed())) {
            const int id = attr->rid != 0 ? attr->rid : attr->id;
            if (id < 1 || attr->name.isEmpty() || taken.contains(id))
                continue;
            taken.insert(id);
            result.append({id, attr->name});
            ++nameCount[attr->name];
        }
    }
    for (Candidate& candidate : result) {
        if (nameCount.value(candidate.second) < 2)
            continue;
        QStringList where;
        if (const VarUiInfoPtr info = m_infos.value(candidate.first)) {
            if (!info->pageTitle.isEmpty())
                where << info->pageTitle;
            if (!info->groupTitle.isEmpty())
                where << info->groupTitle;
        }
        candidate.second = QStringLiteral("%1 (%2)").arg(candidate.second, where.join(QStringLiteral(", ")));
    }
    return result;
}

QSet<int> VarsRegistry::tabIds(PageView view) const
{
    return m_viewIds.value(view);
}

QSet<int> VarsRegistry::tabFurtherIds(PageView view) const
{
    return m_viewFurtherIds.value(view);
}

VARS& VarsRegistry::vars() const
{
    return m_protocol.vars();
}

int VarsRegistry::pendingWrites(int id) const
{
    QMutexLocker lock(&m_pendingMutex);
    return m_pending.value(id);
}

void VarsRegistry::startPlotting(int id)
{
    if (id < 1 || id > 0xFFFF)
        return;
    ++m_plotted[id];
    m_protocol.sampler().watch(uint16_t(id));
    m_worker.addFastPoll(uint16_t(id));
}

void VarsRegistry::stopPlotting(int id)
{
    auto it = m_plotted.find(id);
    if (it == m_plotted.end())
        return;
    m_protocol.sampler().unwatch(uint16_t(id));
    if (--it.value() > 0)
        return;
    m_plotted.erase(it);
    // The page shown polls it anyway.
    if (!m_current || !m_viewIds.value(m_current).contains(id))
        m_worker.removeFastPoll(uint16_t(id));
}

void VarsRegistry::pollPlotted()
{
    for (auto it = m_plotted.cbegin(); it != m_plotted.cend(); ++it)
        m_worker.addFastPoll(uint16_t(it.key()));
}

VarSampler& VarsRegistry::sampler() const
{
    return m_protocol.sampler();
}

void VarsRegistry::onDirty()
{
    if (!m_coalesce.isActive())
        m_coalesce.start();
}

void VarsRegistry::flush()
{
    const QSet<uint16_t> dirty = m_protocol.vars().takeDirty();
    if (dirty.isEmpty())
        return;
    QList<int> updated;
    QList<VarRow*> rows;
    {
        QMutexLocker lock(&m_pendingMutex);
        for (uint16_t id : dirty) {
            if (m_pending.contains(id))
                continue; // its completion marks it dirty again
            updated.append(id);
            if (!m_current)
                continue;
            for (VarRow* row : m_rowsById.value(id)) {
                if (m_viewOfRow.value(row) == m_current && !rows.contains(row))
                    rows.append(row);
            }
        }
    }
    m_unsaved->noteRead(updated);
    for (VarRow* row : rows)
        row->refresh();
    if (!updated.isEmpty()) {
        std::sort(updated.begin(), updated.end());
        Q_EMIT varsUpdated(updated);
    }
}
