#include "DeviceCommands.h"

#include <QDateTime>

#include "CliOutput.h"
#include "CliSession.h"
#include "platform/Platform.h"
#include "vars/LocalTime.h"
#include "vars/VARS.h"
#include "worker/Device40000.h"
#include "worker/DeviceStack.h"

namespace {

// The service commands that start the engine or sound the horn: asked first, as the window's buttons do.
struct Guarded
{
    const char* word;
    const char* question;
};

constexpr Guarded GuardedCommands[] = {
    {"ZAPUSK", QT_TRANSLATE_NOOP("DeviceCommands", "Start the engine of the car now?")},
    {"HORN", QT_TRANSLATE_NOOP("DeviceCommands", "Sound the horn of the car now?")},
};

const Guarded* guarded(const QString& text)
{
    for (const Guarded& g : GuardedCommands) {
        if (text.trimmed().compare(QLatin1String(g.word), Qt::CaseInsensitive) == 0)
            return &g;
    }
    return nullptr;
}

} // namespace

bool DeviceCommands::handles(const QString& command)
{
    return command == QLatin1String("clock") || command == QLatin1String("command");
}

QStringList DeviceCommands::guardedNames()
{
    QStringList names;
    for (const Guarded& g : GuardedCommands)
        names << QLatin1String(g.word);
    return names;
}

int DeviceCommands::prepare()
{
    if (m_options.command != QLatin1String("command") || m_options.yes)
        return CliExit::Ok;
    const Guarded* g = guarded(m_options.args.first());
    if (!g)
        return CliExit::Ok;
    if (!Platform::isTerminal(0)) {
        m_session.out().error(tr("%1 makes the car move or sound; without a terminal give --yes").arg(g->word));
        return CliExit::Usage;
    }
    if (!CliSession::confirm(tr(g->question))) {
        m_session.out().error(tr("Nothing sent"));
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

int DeviceCommands::run()
{
    if (m_options.command == QLatin1String("command"))
        return serviceCommand(m_options.args.first());
    return clock(m_options.sync);
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
    const QString text = LocalTime::iso(time);
    out.set(QStringLiteral("clock"), time.isValid() ? QJsonValue(text) : QJsonValue());
    out.line(tr("Device clock: %1").arg(time.isValid() ? text : tr("not set")));
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
