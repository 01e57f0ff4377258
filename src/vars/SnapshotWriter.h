#pragma once

#include <cstdint>

#include <QHash>
#include <QList>
#include <QObject>

#include "SettingsFile.h"

class VarsRegistry;

// Writes saved values back through the registry's write jobs and tells, per variable, whether the
// device took it. A write counts as done only when the device confirmed it and the store then holds the
// file's value, redirect and inversion.
class SnapshotWriter : public QObject
{
    Q_OBJECT
public:
    struct Result
    {
        uint16_t id = 0;
        bool written = false;
        int code = 0; // the first failing job's code; 0 with written false: the device holds another value
    };

    explicit SnapshotWriter(VarsRegistry& registry, QObject* parent = nullptr);

    // Starts writing; entries come from a write plan. A second start while running is ignored.
    void start(const QList<SettingsFile::Entry>& writes);
    bool isRunning() const { return !m_pending.isEmpty(); }
    // Every entry of the last start, in its order, once finished() was sent.
    const QList<Result>& results() const { return m_results; }

Q_SIGNALS:
    void progress(int done, int total);
    void finished();

private:
    void onWriteDone(int id, int code);
    void finish();

    VarsRegistry& m_registry;
    QList<SettingsFile::Entry> m_writes;
    QHash<uint16_t, int> m_pending; // jobs still running per id
    QHash<uint16_t, int> m_codes;
    QHash<uint16_t, bool> m_written;
    QList<Result> m_results;
    int m_done = 0;
};
