#include "UnsavedChanges.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "VARS.h"
#include "VarsRegistry.h"
#include "link/DeviceProtocol.h"

namespace {

// A change made before the device's value was ever read: there is nothing to go back to.
constexpr int NeverRead = INT_MIN;

bool isFlash(const VarRecord& record)
{
    return record.flags & VarFlag::Flash;
}

} // namespace

UnsavedChanges::UnsavedChanges(DeviceProtocol& protocol, VarsRegistry& registry)
    : QObject(&registry), m_protocol(protocol), m_registry(registry)
{
    connect(&protocol, &DeviceProtocol::uiVarsLoadEnd, this, &UnsavedChanges::reset, Qt::QueuedConnection);
    connect(&protocol, &DeviceProtocol::uiOnVarsChangedPC, this, &UnsavedChanges::noteWritten, Qt::QueuedConnection);
    connect(&registry, &VarsRegistry::writeDone, this, &UnsavedChanges::onWriteDone, Qt::QueuedConnection);
}

bool UnsavedChanges::differs(const VarRecord& saved, const VarRecord& now) const
{
    return saved.redir != now.redir || (saved.flags ^ now.flags) & VarFlag::Inverted || saved.len != now.len ||
           std::memcmp(saved.data, now.data, saved.len) != 0;
}

bool UnsavedChanges::isUnsaved(int id) const
{
    if (!m_written.contains(id))
        return false;
    bool found = false;
    const VarRecord now = m_protocol.vars().snapshot(uint16_t(id), &found);
    const auto saved = m_saved.constFind(id);
    return found && (saved == m_saved.cend() || differs(*saved, now));
}

QList<int> UnsavedChanges::unsavedIds() const
{
    QList<int> ids;
    for (int id : m_written) {
        if (isUnsaved(id))
            ids.append(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void UnsavedChanges::reset()
{
    const QList<int> shown = unsavedIds();
    VARS& vars = m_protocol.vars();
    QHash<int, VarRecord> saved;
    QSet<int> written;
    for (int i = 0, n = vars.count(); i < n; ++i) {
        bool found = false;
        const VarRecord record = vars.snapshotAt(i, &found);
        if (!found || !isFlash(record))
            continue;
        if (!record.localEdit) {
            saved.insert(record.id, record);
            continue;
        }
        // A write still on its way: what the device holds is the earlier value, or not yet known.
        if (m_saved.contains(record.id))
            saved.insert(record.id, m_saved.value(record.id));
        if (m_written.contains(record.id))
            written.insert(record.id);
    }
    m_saved = std::move(saved);
    m_written = std::move(written);
    // Rows drop their marks through the store's usual change notice.
    for (int id : shown)
        vars.markDirty(uint16_t(id));
    Q_EMIT changed();
}

void UnsavedChanges::noteRead(const QList<int>& ids)
{
    const VARS& vars = m_protocol.vars();
    for (int id : ids) {
        if (m_saved.contains(id) || m_written.contains(id))
            continue;
        bool found = false;
        const VarRecord record = vars.snapshot(uint16_t(id), &found);
        if (found && isFlash(record) && !record.localEdit)
            m_saved.insert(id, record);
    }
}

void UnsavedChanges::noteWritten(uint16_t id)
{
    bool found = false;
    const VarRecord record = m_protocol.vars().snapshot(id, &found);
    if (!found || !isFlash(record) || m_written.contains(id))
        return;
    m_written.insert(id);
    // The row may already show the written value, drawn before this notice arrived.
    m_protocol.vars().markDirty(id);
    Q_EMIT changed();
}

void UnsavedChanges::revert()
{
    if (isReverting())
        return;
    m_reverted.clear();
    m_refused.clear();
    const QList<int> ids = unsavedIds();
    if (ids.isEmpty()) {
        Q_EMIT reverted(tr("There are no unsaved changes to revert."));
        return;
    }
    for (int id : ids) {
        if (m_saved.contains(id))
            m_waiting.insert(id);
        else
            m_refused.append({id, NeverRead});
    }
    if (m_waiting.isEmpty()) {
        report();
        return;
    }
    for (int id : ids) {
        if (m_waiting.contains(id))
            m_registry.restore(id, m_saved.value(id));
    }
}

void UnsavedChanges::onWriteDone(int id, int code)
{
    if (!m_waiting.remove(id))
        return;
    if (code == 0)
        m_reverted.append(id);
    else
        m_refused.append({id, code});
    if (m_waiting.isEmpty())
        report();
}

QString UnsavedChanges::nameOf(int id) const
{
    const VarUiInfoPtr info = m_registry.info(id);
    const QString name = info ? info->name.simplified() : QString();
    return name.isEmpty() ? tr("Variable %1").arg(id) : tr("%1 (id %2)").arg(name).arg(id);
}

void UnsavedChanges::report()
{
    QStringList lines;
    if (!m_reverted.isEmpty()) {
        lines << tr("Reverted to the saved value:");
        for (int id : m_reverted)
            lines << QStringLiteral("  ") + nameOf(id);
    }
    if (!m_refused.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << tr("Not reverted:");
        for (const auto& [id, code] : m_refused) {
            QString why;
            if (code == NeverRead)
                why = tr("its value before the change was never read from the device");
            else if (code == VarsRegistry::ReadOnly)
                why = tr("the device has made it read-only");
            else if (code == VarsRegistry::Dropped)
                why = tr("not sent, no device is connected");
            else if (code > 0)
                why = tr("the device refused it (%1)").arg(VARS::errorTextTr(code));
            else
                why = tr("not sent (error %1)").arg(code);
            lines << QStringLiteral("  %1: %2").arg(nameOf(id), why);
        }
    }
    Q_EMIT changed();
    Q_EMIT reverted(lines.join(QLatin1Char('\n')));
}
