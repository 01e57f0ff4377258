#include "SnapshotWriter.h"

#include <algorithm>
#include <functional>

#include "SettingsSnapshot.h"
#include "VARS.h"
#include "VarRecord.h"
#include "VarsRegistry.h"

SnapshotWriter::SnapshotWriter(VarsRegistry& registry, QObject* parent) : QObject(parent), m_registry(registry)
{
    // Queued even when the registry completes a dropped job at once, so the start loop is never re-entered.
    connect(&registry, &VarsRegistry::writeDone, this, &SnapshotWriter::onWriteDone, Qt::QueuedConnection);
}

void SnapshotWriter::start(const QList<SettingsFile::Entry>& writes)
{
    if (isRunning())
        return;
    m_writes = writes;
    m_results.clear();
    m_codes.clear();
    m_written.clear();
    m_done = 0;
    QList<std::function<void()>> jobs;
    for (const SettingsFile::Entry& entry : writes) {
        const VarRecord record = m_registry.vars().snapshot(entry.id);
        // The redirect first, so that the value lands on the variable as the file has it.
        if (record.redir != entry.redir) {
            ++m_pending[entry.id];
            jobs.append([this, entry] { m_registry.setRedir(entry.id, entry.redir); });
        }
        // Before the value, whose write carries the flags as the store has them.
        if (!SettingsSnapshot::inversionEquals(record, entry)) {
            ++m_pending[entry.id];
            jobs.append([this, entry] { m_registry.setInv(entry.id, entry.flags & VarFlag::Inverted); });
        }
        if (!SettingsSnapshot::valueEquals(record, entry)) {
            ++m_pending[entry.id];
            jobs.append([this, entry] { m_registry.setValue(entry.id, SettingsSnapshot::valueText(entry)); });
        }
    }
    // Entries the device already holds complete without a job.
    m_done = int(writes.size()) - int(m_pending.size());
    Q_EMIT progress(m_done, int(writes.size()));
    for (const auto& job : jobs)
        job();
    if (m_pending.isEmpty())
        finish();
}

void SnapshotWriter::onWriteDone(int id, int code)
{
    const auto key = uint16_t(id);
    if (!m_pending.contains(key))
        return; // a write of the user's own
    if (code != 0 && !m_codes.value(key))
        m_codes.insert(key, code);
    if (--m_pending[key] > 0)
        return;
    m_pending.remove(key);
    ++m_done;
    const int failed = m_codes.value(key);
    // Judged now: a lost device may empty the store before the last job ends.
    const auto entry = std::find_if(m_writes.cbegin(), m_writes.cend(), [key](const auto& e) { return e.id == key; });
    m_written.insert(key, failed == 0 && SettingsSnapshot::holds(m_registry.vars(), *entry));
    if (failed)
        m_registry.refresh(id); // the store may still hold the unsent edit; read what the device has
    Q_EMIT progress(m_done, int(m_writes.size()));
    if (m_pending.isEmpty())
        finish();
}

void SnapshotWriter::finish()
{
    for (const SettingsFile::Entry& entry : m_writes) {
        const bool written = m_written.contains(entry.id) ? m_written.value(entry.id)
                                                          : SettingsSnapshot::holds(m_registry.vars(), entry);
        m_results.append({entry.id, written, m_codes.value(entry.id)});
    }
    Q_EMIT finished();
}
