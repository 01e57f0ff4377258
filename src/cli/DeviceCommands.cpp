#include "DeviceCommands.h"

#include <QDateTime>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "vars/VARS.h"
#include "worker/Device40000.h"
#include "worker/DeviceStack.h"

bool DeviceCommands::handles(const QString& command)
{
    return command == QLatin1String("clock") || command == QLatin1String("command");
}

int DeviceCommands::run(const QString& command, const QStringList& args)
{
    if (command == QLatin1String("command"))
        return serviceCommand(args.first());
    if (!args.isEmpty() && args != QStringList{QStringLiteral("--sync")}) {
        m_session.out().error(tr("clock takes only --sync"));
        return CliExit::Usage;
    }
    return clock(!args.isEmpty());
}

int DeviceCommands::clock(bool sync)
{
    DeviceProtocol& protocol = m_session.stack().protocol();
    if (sync) {
        const QDateTime now = QDateTime::currentDateTime();
        const std::optional<int> set = m_session.run([&protocol, now] { return protocol.setDateTime(now); });
        if (set && *set > 0) {
            m_session.out().error(tr("The device refused to set its clock (%1)").arg(VARS::errorTextTr(*set)));
            return CliExit::Refused;
        }
        if (!set || *set != 0)
            return m_session.lostLink();
    }
    QDateTime time;
    const std::optional<int> got = m_session.run([&protocol, &time] { return protocol.getDateTime(time); });
    if (got && *got > 0) {
        m_session.out().error(tr("The device refused to report its clock (%1)").arg(VARS::errorTextTr(*got)));
        return CliExit::Refused;
    }
    if (!got || *got != 0)
        return m_session.lostLink();
    CliOutput& out = m_session.out();
    out.set(QStringLiteral("clock"), time.isValid() ? QJsonValue(time.toString(Qt::ISODate)) : QJsonValue());
    out.line(tr("Device clock: %1").arg(time.isValid() ? time.toString(Qt::ISODate) : tr("not set")));
    if (sync)
        out.set(QStringLiteral("synced"), true);
    return CliExit::Ok;
}

int DeviceCommands::serviceCommand(const QString& text)
{
    const Device40000::Spec spec = Device40000::stateSpec();
    // The runner writes through the store, which has to know both variables first.
    if (const int status = m_session.read({uint16_t(spec.commandVar), uint16_t(spec.stateVar)}); status != CliExit::Ok)
        return status;
    Device40000 runner(m_session.registry(), spec);
    std::optional<Device40000::State> state;
    QString answer;
    QObject::connect(&runner, &Device40000::finished, &runner,
                     [this, &state, &answer](Device40000::State s, const QString& status) {
                         state = s;
                         answer = status;
                         m_session.wake();
                     });
    m_session.out().progress(tr("Running %1…").arg(text));
    runner.start(text);
    if (!m_session.waitFor([&state] { return state.has_value(); }))
        return m_session.lostLink();
    CliOutput& out = m_session.out();
    out.set(QStringLiteral("command"), text);
    out.field(QStringLiteral("result"), tr("Result"), answer);
    if (*state == Device40000::Ok)
        return CliExit::Ok;
    out.error(*state == Device40000::Timeout ? tr("The device did not finish the command in time")
                                             : tr("The device reports the command failed"));
    return CliExit::Refused;
}
