#pragma once

#include <cstdint>
#include <random>

#include <QList>

#include "SimVariables.h"

// The demo device's live diagnostic values: the supply voltage with a little noise that dips while the
// engine cranks and sits at the charging voltage while it runs, the backup battery slowly charging and
// the GSM level wandering. Off unless switched on, so that tests read the profile's values; seeded, so
// that a run is the same for the same reads. Not locked: SimDevice holds its own lock around every call.
class SimDiagnostics
{
public:
    static constexpr uint16_t VarSupply = 40010;
    static constexpr uint16_t VarBackup = 40012;
    static constexpr uint16_t VarGsm = 40013;

    explicit SimDiagnostics(SimVariables& variables) : m_variables(variables) {}

    void setLive(bool on, uint32_t seed);
    // Before the device answers a read of these variables.
    void beforeRead(const QList<uint16_t>& ids, qint64 now);

private:
    double supply(qint64 now);
    double noise(double amplitude);
    void setFloat(uint16_t id, double value);
    double floatOf(uint16_t id) const;

    SimVariables& m_variables;
    bool m_live = false;
    std::minstd_rand m_random;
    bool m_engineRunning = false;
    qint64 m_crankAt = -1;
    qint64 m_startedAt = -1;
    double m_backupAtStart = 0;
    uint32_t m_gsm = 0;
    qint64 m_gsmStepAt = 0;
};
