#pragma once

#include <cstdint>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>

#include "VarRecord.h"

class DeviceProtocol;
class VarsRegistry;

// The flash settings the program changed on the device since the device's settings were last loaded
// or saved to flash, with the values the device reported then, so that the changes can be shown and
// written back. Other variables need no save and are left out.
class UnsavedChanges : public QObject
{
    Q_OBJECT
public:
    UnsavedChanges(DeviceProtocol& protocol, VarsRegistry& registry);

    // Changed by the program and not back at the saved value.
    bool isUnsaved(int id) const;
    QList<int> unsavedIds() const;
    bool isReverting() const { return !m_waiting.isEmpty(); }

    // The device's current values become the saved state (after a load or a save to flash).
    void reset();
    // Ids the store took from the device: those not yet known keep the value as their saved one.
    void noteRead(const QList<int>& ids);
    // Writes the saved values back through the registry; reverted() reports the outcome.
    void revert();

Q_SIGNALS:
    // The set of unsaved ids may have changed.
    void changed();
    void reverted(const QString& report);

private:
    void noteWritten(uint16_t id);
    void onWriteDone(int id, int code);
    void report();
    QString nameOf(int id) const;
    bool differs(const VarRecord& saved, const VarRecord& now) const;

    DeviceProtocol& m_protocol;
    VarsRegistry& m_registry;
    QHash<int, VarRecord> m_saved;
    QSet<int> m_written;
    QSet<int> m_waiting;
    QList<int> m_reverted;
    QList<QPair<int, int>> m_refused; // id, code
};
