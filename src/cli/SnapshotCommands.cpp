#include "SnapshotCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "LocalTarget.h"
#include "VarCommands.h"
#include "platform/Platform.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"

bool SnapshotCommands::handles(const QString& command)
{
    return QStringList{QStringLiteral("save-settings"), QStringLiteral("compare"), QStringLiteral("apply")}.contains(
        command);
}

int SnapshotCommands::prepare()
{
    CliOutput& out = m_session.out();
    const QString& path = m_options.args.first();
    if (m_options.command == QLatin1String("save-settings")) {
        // A folder that is not there fails now, not after the device's whole load.
        if (QString error; !LocalTarget(path, QString()).reachable(&error)) {
            out.error(error);
            return CliExit::LocalFile;
        }
        return CliExit::Ok;
    }
    QString error;
    m_file = SettingsFile::read(path, &error);
    if (!m_file) {
        out.error(error);
        return CliExit::LocalFile;
    }
    if (m_options.command == QLatin1String("apply") && !m_options.yes && !Platform::isTerminal(0)) {
        out.error(tr("apply asks before writing; without a terminal give --yes"));
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

int SnapshotCommands::run()
{
    if (m_options.command == QLatin1String("save-settings"))
        return saveSettings(m_options.args.first());
    if (m_options.command == QLatin1String("compare"))
        return compare();
    return apply();
}

int SnapshotCommands::saveSettings(const QString& path)
{
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    const LocalTarget target(path, SettingsSnapshot::defaultFileName(m_session.vars()));
    QString error;
    if (!target.write(SettingsSnapshot::capture(m_session.vars()).toText(), &error)) {
        m_session.out().error(error);
        return CliExit::LocalFile;
    }
    m_session.out().set(QStringLiteral("file"), target.path());
    m_session.out().set(QStringLiteral("variables"), m_session.vars().count());
    m_session.out().note(
        tr("Settings of %n variable(s) saved to %1", nullptr, m_session.vars().count()).arg(target.path()));
    return CliExit::Ok;
}

int SnapshotCommands::compare()
{
    const std::optional<SettingsFile>& file = m_file;
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    const QList<SettingsSnapshot::Difference> differences =
        SettingsSnapshot::compare(*file, m_session.vars(), &m_session.pages());
    CliOutput& out = m_session.out();
    const QString none = tr("(none)");
    const QString measured = tr("read-only");
    out.list(QStringLiteral("differences"));
    int settings = 0;
    for (const SettingsSnapshot::Difference& d : differences) {
        const QString inFile = d.inFile ? d.fileText : none;
        const QString onDevice = d.onDevice ? d.deviceText : none;
        if (!d.readOnly)
            ++settings;
        QStringList columns = {d.page, d.name, QString::number(d.id), inFile, onDevice};
        if (d.readOnly)
            columns << measured;
        out.row(QStringLiteral("differences"), columns,
                {{QStringLiteral("page"), d.page},
                 {QStringLiteral("readOnly"), d.readOnly},
                 {QStringLiteral("name"), d.name},
                 {QStringLiteral("id"), d.id},
                 {QStringLiteral("file"), d.inFile ? QJsonValue(d.fileText) : QJsonValue()},
                 {QStringLiteral("device"), d.onDevice ? QJsonValue(d.deviceText) : QJsonValue()},
                 {QStringLiteral("fileValue"), d.inFile ? QJsonValue(d.fileRaw) : QJsonValue()},
                 {QStringLiteral("deviceValue"), d.onDevice ? QJsonValue(d.deviceRaw) : QJsonValue()}});
    }
    // Values the device measures move between any two reads (the supply voltage); only settings decide
    // whether the file and the device differ.
    out.set(QStringLiteral("identical"), settings == 0);
    if (settings == 0) {
        out.note(differences.isEmpty() ? tr("The settings are identical")
                                       : tr("The settings are identical; %n read-only value(s) differ", nullptr,
                                            int(differences.size())));
        return CliExit::Ok;
    }
    out.note(tr("%n difference(s)", nullptr, settings));
    return CliExit::Differences;
}

int SnapshotCommands::apply()
{
    CliOutput& out = m_session.out();
    const SettingsFile& file = *m_file;
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    QList<uint16_t> ids;
    QList<uint16_t> readOnly;
    for (const SettingsSnapshot::Difference& d : SettingsSnapshot::compare(file, m_session.vars())) {
        if (d.inFile)
            (d.readOnly ? readOnly : ids) << d.id;
    }
    const SettingsSnapshot::WritePlan plan =
        SettingsSnapshot::plan(file, m_session.vars(), ids, ValueLimits(&m_session.pages(), m_options.force));
    if (!plan.refusal.isEmpty()) {
        out.error(plan.refusal);
        return CliExit::Refused;
    }
    if (!plan.warning.isEmpty())
        out.error(plan.warning);
    // Values the device measures or reports are listed apart, as compare does; no file sets them.
    out.list(QStringLiteral("readOnly"));
    for (const uint16_t id : std::as_const(readOnly)) {
        out.row(QStringLiteral("readOnly"), {QString::number(id), tr("read-only: not written")},
                {{QStringLiteral("id"), id}});
    }
    out.list(QStringLiteral("skipped"));
    for (const SettingsSnapshot::Skipped& s : plan.skipped) {
        const QString reason = tr("skipped: %1").arg(s.reason);
        out.row(QStringLiteral("skipped"), {QString::number(s.id), reason},
                {{QStringLiteral("id"), s.id}, {QStringLiteral("reason"), s.reason}});
    }
    if (plan.writes.isEmpty()) {
        out.note(tr("Nothing to write"));
    } else {
        const QString question = tr("Write %n value(s) to the device?", nullptr, int(plan.writes.size()));
        if (!m_options.yes && !CliSession::confirm(question)) {
            out.error(tr("Nothing written"));
            return CliExit::Ok;
        }
        if (const int status = VarCommands::report(m_session, m_session.write(plan.writes)); status != CliExit::Ok)
            return status;
    }
    if (m_options.save) {
        if (const int status = VarCommands::saveFlash(m_session); status != CliExit::Ok)
            return status;
    }
    if (plan.skipped.isEmpty())
        return CliExit::Ok;
    out.error(tr("%n setting(s) of the file were skipped", nullptr, int(plan.skipped.size())));
    return CliExit::Partial;
}
