#pragma once

#include <cstdint>

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

#include "SimVariables.h"

class SimFileSystem;

// The stand-in device's service commands: a text written to the command variable runs for a while on
// the device's clock, its progress shows in the state variable, and the guard state it leads to in the
// status variable. A log export requested through its own variable steps on every read of it.
// Not locked: SimDevice holds its own lock around every call.
class SimServiceCommands
{
public:
    static constexpr uint16_t VarStatus = 1;
    static constexpr uint16_t VarCommand = 40000;
    static constexpr uint16_t VarCommandState = 40002;
    static constexpr uint16_t VarLogExport = 65532;
    static constexpr uint32_t ExportStart = 4;
    static constexpr uint32_t ExportDone = 0;
    static constexpr uint32_t ExportFailed = 8;
    // Reads of the export variable that still show the export running; the next one shows its end.
    static constexpr int ExportBusyReads = 2;
    static const QByteArray ExportFileName;

    // The guard states, as the status variable's options number them.
    enum GuardState : uint32_t
    {
        Disarmed = 0,
        Armed = 1,
        Service = 2,
        EngineRunning = 3,
    };

    SimServiceCommands(SimVariables& variables, SimFileSystem& files);

    // A successful write of a variable by the host.
    void written(uint16_t id, qint64 now);
    // Before the device answers a read of these variables.
    void beforeRead(const QList<uint16_t>& ids, qint64 now, uint32_t seconds);

    // Knobs.
    void setDurationMs(qint64 ms) { m_durationMs = ms; }
    // The word every command ends with instead of its own outcome; empty: the outcome.
    void setAnswer(const QByteArray& word) { m_answer = word; }
    // Commands and log exports never end.
    void setHangs(bool on) { m_hangs = on; }

private:
    void settle(qint64 now, uint32_t seconds);
    QByteArray run(const QByteArray& command);
    void finishExport(qint64 now, uint32_t seconds);
    uint32_t number(uint16_t id) const;
    void setNumber(uint16_t id, uint32_t value);

    SimVariables& m_variables;
    SimFileSystem& m_files;
    qint64 m_durationMs = 1000;
    QByteArray m_answer;
    bool m_hangs = false;

    QByteArray m_running; // the command in progress, empty for none
    qint64 m_doneAt = 0;
    uint32_t m_guardBeforeEngine = Disarmed;
    int m_exportReads = -1; // reads of the export variable since it started; -1 while none runs
    QByteArrayList m_journal;
};
