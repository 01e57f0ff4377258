#include "SimServiceCommands.h"

#include <QtEndian>

#include "SimFileSystem.h"
#include "SimVariables.h"

namespace {

const QByteArray Wait = QByteArrayLiteral("WAIT");
const QByteArray Ok = QByteArrayLiteral("OK");
const QByteArray UnknownCommand = QByteArrayLiteral("ERR_CMD");

} // namespace

const QByteArray SimServiceCommands::ExportFileName = QByteArrayLiteral("events_export.log");

SimServiceCommands::SimServiceCommands(SimVariables& variables, SimFileSystem& files)
    : m_variables(variables), m_files(files)
{}

void SimServiceCommands::written(uint16_t id, qint64 now)
{
    const SimVariables::Variable* v = m_variables.find(id);
    if (!v)
        return;
    if (id == VarCommand) {
        m_running = v->value.trimmed();
        if (m_running.isEmpty())
            return;
        m_doneAt = now + m_durationMs;
        m_variables.setValue(VarCommandState, Wait);
    } else if (id == VarLogExport) {
        m_exportReads = number(VarLogExport) == ExportStart ? 0 : -1;
    }
}

void SimServiceCommands::beforeRead(const QList<uint16_t>& ids, qint64 now, uint32_t seconds)
{
    settle(now, seconds);
    if (!m_hangs && m_exportReads >= 0 && ids.contains(VarLogExport) && ++m_exportReads > ExportBusyReads)
        finishExport(now, seconds);
}

void SimServiceCommands::settle(qint64 now, uint32_t seconds)
{
    if (m_running.isEmpty() || m_hangs || now < m_doneAt)
        return;
    const QByteArray outcome = m_answer.isEmpty() ? run(m_running) : m_answer;
    m_journal.append(QByteArray::number(seconds) + ' ' + m_running + ' ' + outcome);
    m_variables.setValue(VarCommandState, outcome);
    m_running.clear();
}

QByteArray SimServiceCommands::run(const QByteArray& command)
{
    const uint32_t state = number(VarStatus);
    if (command == "STAT0")
        setNumber(VarStatus, Disarmed);
    else if (command == "STAT1")
        setNumber(VarStatus, Armed);
    else if (command == "STAT3")
        setNumber(VarStatus, Service);
    else if (command == "ZAPUSK") {
        if (state != EngineRunning)
            m_guardBeforeEngine = state;
        setNumber(VarStatus, EngineRunning);
    } else if (command == "STOPZAPUSK") {
        if (state == EngineRunning)
            setNumber(VarStatus, m_guardBeforeEngine);
    } else if (command != "HORN") // a short horn leaves the guard state as it is
        return UnknownCommand;
    return Ok;
}

void SimServiceCommands::finishExport(qint64 now, uint32_t seconds)
{
    m_exportReads = -1;
    QByteArrayList lines{QByteArrayLiteral("seconds command outcome")};
    lines += m_journal;
    const QByteArray log = lines.join("\r\n") + "\r\n";
    setNumber(VarLogExport, m_files.storeOwnFile(ExportFileName, log, now, seconds) ? ExportDone : ExportFailed);
}

uint32_t SimServiceCommands::number(uint16_t id) const
{
    const SimVariables::Variable* v = m_variables.find(id);
    return v && v->value.size() >= 4 ? qFromLittleEndian<uint32_t>(v->value.constData()) : 0;
}

void SimServiceCommands::setNumber(uint16_t id, uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    m_variables.setValue(id, bytes);
}
