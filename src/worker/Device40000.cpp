#include "Device40000.h"

#include "vars/VARS.h"
#include "vars/VarsRegistry.h"

Device40000::Spec Device40000::stateSpec()
{
    return {40000, 40002, true, 10000, [](const QString& text) {
                if (text.isEmpty() || text.compare(QLatin1String("WAIT"), Qt::CaseInsensitive) == 0)
                    return Waiting;
                return text.compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0 ? Ok : Error;
            }};
}

Device40000::Spec Device40000::logExportSpec()
{
    return {65532, 65532, false, 0, [](const QString& text) {
                bool number = false;
                const uint value = text.toUInt(&number);
                if (!number)
                    return Waiting;
                if (value == 0)
                    return Ok;
                return value == 8 ? Error : Waiting;
            }};
}

Device40000::Device40000(VarsRegistry& registry, Spec spec, QObject* parent)
    : QObject(parent), m_registry(registry), m_spec(std::move(spec))
{
    m_poll.setInterval(PollMs);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(m_spec.timeoutMs);
    connect(&m_poll, &QTimer::timeout, this, &Device40000::onTick);
    connect(&m_timeout, &QTimer::timeout, this, &Device40000::onTimeout);
    connect(&registry, &VarsRegistry::writeDone, this, &Device40000::onWriteDone);
    connect(&registry, &VarsRegistry::varsUpdated, this, &Device40000::onVarsUpdated);
}

bool Device40000::start(const QString& command)
{
    if (m_state == Waiting)
        return false;
    m_command = command;
    m_commandWritten = false;
    m_state = Waiting;
    if (m_spec.timeoutMs > 0)
        m_timeout.start();
    // Announced before the writes: without a device they fail at once, and the end of the command
    // must reach the listeners after its start.
    Q_EMIT started(command);
    if (m_spec.clearStateFirst && m_spec.stateVar != m_spec.commandVar)
        m_registry.setValue(m_spec.stateVar, QString());
    m_registry.setValue(m_spec.commandVar, command);
    return true;
}

void Device40000::cancel()
{
    if (m_state == Waiting)
        finish(Idle, QString());
}

void Device40000::onWriteDone(int id, int code)
{
    if (m_state != Waiting || (id != m_spec.commandVar && id != m_spec.stateVar))
        return;
    if (code != 0) {
        finish(Error, QStringLiteral("write var %1 failed (%2)").arg(id).arg(code));
        return;
    }
    if (id == m_spec.commandVar) {
        m_commandWritten = true;
        m_poll.start();
        m_registry.refresh(m_spec.stateVar);
    }
}

void Device40000::onVarsUpdated(QList<int> ids)
{
    if (m_state != Waiting || !m_commandWritten || !ids.contains(m_spec.stateVar))
        return;
    bool found = false;
    const VarRecord record = m_registry.vars().snapshot(uint16_t(m_spec.stateVar), &found);
    if (!found)
        return;
    const QString text = m_registry.vars().valueText(record).trimmed();
    const State parsed = m_spec.parse(text);
    if (parsed != Waiting)
        finish(parsed, text);
}

void Device40000::onTick()
{
    m_registry.refresh(m_spec.stateVar);
}

void Device40000::onTimeout()
{
    if (m_state == Waiting)
        finish(Timeout, tr("TIMEOUT"));
}

void Device40000::finish(State state, const QString& text)
{
    m_poll.stop();
    m_timeout.stop();
    m_state = state;
    Q_EMIT finished(state, text);
}
