#include "SnapshotCommands.h"

#include <QJsonObject>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "VarCommands.h"
#include "platform/Platform.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"

bool SnapshotCommands::handles(const QString& command)
{
    return QStringList{QStringLiteral("save-settings"), QStringLiteral("compare"), QStringLiteral("apply")}.contains(
        command);
}

int SnapshotCommands::run(const QString& command, QStringList args)
{
    if (command == QLatin1String("save-settings"))
        return saveSettings(args.first());
    if (command == QLatin1String("compare"))
        return compare(args.first());
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const bool save = args.removeAll(QStringLiteral("--save")) > 0;
    if (args.size() != 1) {
        m_session.out().error(tr("apply takes one FILE and the flags --yes and --save"));
        return CliExit::Usage;
    }
    return apply(args.first(), yes, save);
}

int SnapshotCommands::saveSettings(const QString& path)
{
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    QString error;
    if (!SettingsSnapshot::save(m_session.vars(), path, &error)) {
        m_session.out().error(error);
        return CliExit::LocalFile;
    }
    m_session.out().set(QStringLiteral("file"), path);
    m_session.out().set(QStringLiteral("variables"), m_session.vars().count());
    m_session.out().line(tr("Settings of %n variable(s) saved to %1", nullptr, m_session.vars().count()).arg(path));
    return CliExit::Ok;
}

int SnapshotCommands::compare(const QString& path)
{
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::read(path, &error);
    if (!file) {
        m_session.out().error(error);
        return CliExit::LocalFile;
    }
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    const QList<SettingsSnapshot::Difference> differences =
        SettingsSnapshot::compare(*file, m_session.vars(), &m_session.pages());
    CliOutput& out = m_session.out();
    const QString none = tr("(none)");
    const QString measured = tr("read-only");
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
        out.line(differences.isEmpty() ? tr("The settings are identical")
                                       : tr("The settings are identical; %n read-only value(s) differ", nullptr,
                                            int(differences.size())));
        return CliExit::Ok;
    }
    out.line(tr("%n difference(s)", nullptr, settings));
    return CliExit::Differences;
}

int SnapshotCommands::apply(const QString& path, bool yes, bool save)
{
    CliOutput& out = m_session.out();
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::read(path, &error);
    if (!file) {
        out.error(error);
        return CliExit::LocalFile;
    }
    if (!yes && !Platform::isTerminal(0)) {
        out.error(tr("apply asks before writing; without a terminal give --yes"));
        return CliExit::Usage;
    }
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    QList<uint16_t> ids;
    for (const SettingsSnapshot::Difference& d : SettingsSnapshot::compare(*file, m_session.vars())) {
        if (d.inFile)
            ids << d.id;
    }
    const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(*file, m_session.vars(), ids);
    if (!plan.refusal.isEmpty()) {
        out.error(plan.refusal);
        return CliExit::Refused;
    }
    if (!plan.warning.isEmpty())
        out.error(plan.warning);
    // What cannot be written is listed; it does not fail the run, as the window's write does not.
    for (const SettingsSnapshot::Skipped& s : plan.skipped) {
        const QString reason = tr("skipped: %1").arg(s.reason);
        out.row(QStringLiteral("skipped"), {QString::number(s.id), reason},
                {{QStringLiteral("id"), s.id}, {QStringLiteral("reason"), s.reason}});
    }
    if (plan.writes.isEmpty()) {
        out.line(tr("Nothing to write"));
    } else {
        const QString question = tr("Write %n value(s) to the device?", nullptr, int(plan.writes.size()));
        if (!yes && !CliSession::confirm(question)) {
            out.error(tr("Nothing written"));
            return CliExit::Ok;
        }
        if (const int status = VarCommands::report(m_session, m_session.write(plan.writes)); status != CliExit::Ok)
            return status;
    }
    return save ? VarCommands::saveFlash(m_session) : CliExit::Ok;
}
