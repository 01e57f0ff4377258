#include "SimDiagnostics.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QtEndian>

#include "SimServiceCommands.h"

namespace {

constexpr double RestingVolts = 12.6;
constexpr double ChargingVolts = 14.1;
constexpr double CrankDropVolts = 3.1;
constexpr qint64 CrankHoldMs = 400;    // the starter's full load
constexpr double CrankRecoverMs = 300; // time constant of the recovery after it
constexpr qint64 CrankEndMs = 2000;
constexpr double BackupFullVolts = 4.2;
constexpr double BackupChargeMs = 300000; // time constant of the charge
constexpr qint64 GsmStepMs = 1000;
constexpr uint32_t GsmLow = 8;
constexpr uint32_t GsmHigh = 31;

} // namespace

void SimDiagnostics::setLive(bool on, uint32_t seed)
{
    m_live = on;
    m_random.seed(seed);
    m_startedAt = -1;
}

void SimDiagnostics::beforeRead(const QList<uint16_t>& ids, qint64 now)
{
    if (!m_live)
        return;
    if (m_startedAt < 0) {
        m_startedAt = now;
        m_backupAtStart = floatOf(VarBackup);
        const SimVariables::Variable* gsm = m_variables.find(VarGsm);
        m_gsm = gsm && gsm->value.size() >= 4 ? qFromLittleEndian<uint32_t>(gsm->value.constData()) : GsmLow;
        m_gsmStepAt = now;
    }
    // The guard state tells the engine's: the moment it starts running is the moment it cranked.
    const SimVariables::Variable* status = m_variables.find(SimServiceCommands::VarStatus);
    const bool running = status && status->value.size() >= 4 &&
                         qFromLittleEndian<uint32_t>(status->value.constData()) == SimServiceCommands::EngineRunning;
    if (running && !m_engineRunning)
        m_crankAt = now;
    m_engineRunning = running;

    if (ids.contains(VarSupply))
        setFloat(VarSupply, supply(now));
    if (ids.contains(VarBackup)) {
        const double charged = BackupFullVolts - (BackupFullVolts - m_backupAtStart) *
                                                     std::exp(-double(now - m_startedAt) / BackupChargeMs);
        setFloat(VarBackup, charged + noise(0.002));
    }
    if (ids.contains(VarGsm)) {
        for (; now - m_gsmStepAt >= GsmStepMs; m_gsmStepAt += GsmStepMs)
            m_gsm = std::clamp<uint32_t>(m_gsm + uint32_t(int(m_random() % 3) - 1), GsmLow, GsmHigh);
        QByteArray bytes(4, '\0');
        qToLittleEndian(m_gsm, bytes.data());
        m_variables.setValue(VarGsm, bytes);
    }
}

double SimDiagnostics::supply(qint64 now)
{
    double volts = (m_engineRunning ? ChargingVolts : RestingVolts) + noise(0.04);
    const qint64 sinceCrank = m_crankAt < 0 ? -1 : now - m_crankAt;
    if (sinceCrank >= 0 && sinceCrank < CrankEndMs) {
        volts -= sinceCrank < CrankHoldMs
                     ? CrankDropVolts
                     : CrankDropVolts * std::exp(-double(sinceCrank - CrankHoldMs) / CrankRecoverMs);
    }
    return volts;
}

double SimDiagnostics::noise(double amplitude)
{
    return amplitude * (2.0 * double(m_random() - m_random.min()) / double(m_random.max() - m_random.min()) - 1.0);
}

void SimDiagnostics::setFloat(uint16_t id, double value)
{
    const float f = float(value);
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &f, sizeof f);
    m_variables.setValue(id, bytes);
}

double SimDiagnostics::floatOf(uint16_t id) const
{
    const SimVariables::Variable* v = m_variables.find(id);
    float f = 0;
    if (v && v->value.size() >= 4)
        std::memcpy(&f, v->value.constData(), sizeof f);
    return f;
}
