#include "VarCommands.h"

#include <QJsonObject>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "vars/DeviceVars.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"
#include "worker/DeviceStack.h"
#include "worker/FlashSave.h"

namespace {

QString fileValue(const VarRecord& record)
{
    return QString::fromUtf8(SettingsFile::valueText(SettingsSnapshot::entryOf(record)));
}

} // namespace

bool VarCommands::handles(const QString& command)
{
    return QStringList{QStringLiteral("info"), QStringLiteral("get"), QStringLiteral("set"),
                       QStringLiteral("save-flash"), QStringLiteral("dump")}
        .contains(command);
}

int VarCommands::prepare()
{
    CliOutput& out = m_session.out();
    if (m_options.command == QLatin1String("get")) {
        QString bad;
        const std::optional<QList<uint16_t>> ids = parseIds(m_options.args, &bad);
        if (!ids) {
            out.error(tr("\"%1\" is not a variable id (1 to 65535)").arg(bad));
            return CliExit::Usage;
        }
        m_ids = *ids;
    } else if (m_options.command == QLatin1String("set")) {
        for (const QString& arg : m_options.args) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            QString bad;
            const std::optional<QList<uint16_t>> id = parseIds({arg.left(eq)}, &bad);
            if (eq < 0 || !id) {
                out.error(tr("\"%1\" is not ID=VALUE").arg(arg));
                return CliExit::Usage;
            }
            if (m_ids.contains(id->first())) {
                out.error(tr("Variable %1 is given twice").arg(id->first()));
                return CliExit::Usage;
            }
            m_ids << id->first();
            m_values << arg.mid(eq + 1);
        }
    }
    return CliExit::Ok;
}

int VarCommands::run()
{
    const QString& command = m_options.command;
    if (command == QLatin1String("info"))
        return info();
    if (command == QLatin1String("get"))
        return get();
    if (command == QLatin1String("set"))
        return set();
    if (command == QLatin1String("save-flash"))
        return saveFlash(m_session);
    return dump();
}

std::optional<QList<uint16_t>> VarCommands::parseIds(const QStringList& words, QString* bad)
{
    QList<uint16_t> ids;
    for (const QString& word : words) {
        bool ok = false;
        const uint id = word.toUInt(&ok);
        if (!ok || id == 0 || id > 0xFFFF) {
            *bad = word;
            return std::nullopt;
        }
        ids << uint16_t(id);
    }
    return ids;
}

int VarCommands::info()
{
    using namespace DeviceVar;
    if (const int status = m_session.read({Model, Serial, Firmware, Bootloader, Algorithm}); status != CliExit::Ok)
        return status;
    CliOutput& out = m_session.out();
    const auto value = [this](uint16_t id, const QString& otherwise = QString()) {
        bool found = false;
        const VarRecord record = m_session.vars().snapshot(id, &found);
        return found ? m_session.vars().valueText(record) : otherwise;
    };
    out.field(QStringLiteral("model"), tr("Model"), value(Model, m_session.infoModel()));
    out.field(QStringLiteral("serial"), tr("Serial number"), value(Serial, m_session.infoSerial()));
    out.field(QStringLiteral("firmware"), tr("Firmware"), value(Firmware));
    out.field(QStringLiteral("bootloader"), tr("Bootloader"), value(Bootloader));
    out.field(QStringLiteral("algorithm"), tr("Algorithm"), value(Algorithm));
    const bool before = m_session.pinCode() == 2;
    out.set(QStringLiteral("pin"), before ? QStringLiteral("accepted before") : QStringLiteral("accepted"));
    out.line(before ? tr("PIN: accepted before") : tr("PIN: accepted"));
    return CliExit::Ok;
}

int VarCommands::get()
{
    if (const int status = m_session.read(m_ids); status != CliExit::Ok)
        return status;
    int status = CliExit::Ok;
    const VarsUI& pages = m_session.pages();
    m_session.out().list(QStringLiteral("variables"));
    for (const uint16_t id : std::as_const(m_ids)) {
        bool found = false;
        const VarRecord record = m_session.vars().snapshot(id, &found);
        if (!found) {
            m_session.out().error(tr("Variable %1: the device has no such variable").arg(id));
            status = CliExit::Refused;
            continue;
        }
        const VarUiInfoPtr info = pages.rowInfo(id);
        const QString page = info ? info->pageTitle : QString();
        const QString name = info ? info->name : QString();
        const QString type = QString(QLatin1Char(char(record.type)));
        const QString value = fileValue(record);
        m_session.out().row(QStringLiteral("variables"), {QString::number(id), type, value, page, name},
                            {{QStringLiteral("id"), id},
                             {QStringLiteral("type"), type},
                             {QStringLiteral("value"), value},
                             {QStringLiteral("page"), page},
                             {QStringLiteral("name"), name}});
    }
    return status;
}

int VarCommands::set()
{
    CliOutput& out = m_session.out();
    if (const int status = m_session.read(m_ids); status != CliExit::Ok)
        return status;
    // The plan checks a redirect against its target, so the targets are read too.
    QList<uint16_t> targets;
    for (const uint16_t id : std::as_const(m_ids)) {
        bool found = false;
        const VarRecord record = m_session.vars().snapshot(id, &found);
        if (found && record.redir != 0 && !m_ids.contains(record.redir) && !targets.contains(record.redir))
            targets << record.redir;
    }
    if (const int status = m_session.read(targets); status != CliExit::Ok)
        return status;
    // The values become a settings file of this device, so the window's write plan judges them.
    SettingsFile file = SettingsSnapshot::capture(m_session.vars());
    file.entries.clear();
    int status = CliExit::Ok;
    QList<uint16_t> given;
    for (qsizetype i = 0; i < m_ids.size(); ++i) {
        const uint16_t id = m_ids.at(i);
        bool found = false;
        const VarRecord record = m_session.vars().snapshot(id, &found);
        if (!found) {
            out.error(tr("Variable %1: the device has no such variable").arg(id));
            status = CliExit::Refused;
            continue;
        }
        SettingsFile::Entry entry = SettingsSnapshot::entryOf(record);
        std::optional<QByteArray> value = SettingsFile::parseValue(entry.type, m_values.at(i));
        // A text may also be given bare, without the file's quotes and escapes.
        if (!value && entry.type == 'T' && !m_values.at(i).startsWith(QLatin1Char('"')))
            value = m_values.at(i).toUtf8();
        if (!value) {
            out.error(tr("Variable %1: \"%2\" is not a value of type %3")
                          .arg(id)
                          .arg(m_values.at(i), QString(QLatin1Char(entry.type))));
            return CliExit::Usage;
        }
        entry.value = *value;
        file.entries.append(entry);
        given << id;
    }
    const SettingsSnapshot::WritePlan plan =
        SettingsSnapshot::plan(file, m_session.vars(), given, ValueLimits(&m_session.pages(), m_options.force));
    for (const SettingsSnapshot::Skipped& skipped : plan.skipped) {
        out.error(tr("Variable %1: not written: %2").arg(skipped.id).arg(skipped.reason));
        // A value the command line got wrong is a usage error, whatever else the device refused.
        if (skipped.badValue || status != CliExit::Usage)
            status = skipped.badValue ? CliExit::Usage : CliExit::Refused;
    }
    if (status == CliExit::Usage)
        return status;
    // Values the device holds already need no write and are reported as written.
    QList<SnapshotWriter::Result> results = m_session.write(plan.writes);
    for (const SettingsFile::Entry& entry : std::as_const(file.entries)) {
        const bool planned = std::any_of(plan.writes.cbegin(), plan.writes.cend(),
                                         [&entry](const SettingsFile::Entry& w) { return w.id == entry.id; });
        const bool skipped = std::any_of(plan.skipped.cbegin(), plan.skipped.cend(),
                                         [&entry](const SettingsSnapshot::Skipped& s) { return s.id == entry.id; });
        if (!planned && !skipped)
            results.append({entry.id, true, 0});
    }
    const int written = report(m_session, results);
    return written != CliExit::Ok ? written : status;
}

int VarCommands::report(CliSession& session, const QList<SnapshotWriter::Result>& results)
{
    CliOutput& out = session.out();
    out.list(QStringLiteral("writes"));
    int status = CliExit::Ok;
    // A write without the device's answer means the link failed, whether or not the worker has told yet.
    bool linkFailed = session.lost();
    for (const SnapshotWriter::Result& r : results) {
        linkFailed = linkFailed || r.code < 0;
        bool found = false;
        const VarRecord record = session.vars().snapshot(r.id, &found);
        const QString value = found ? fileValue(record) : QString();
        QString outcome = tr("written");
        if (!r.written) {
            if (r.code < 0)
                outcome = tr("not written: no answer from the device (error %1)").arg(r.code);
            else if (r.code > 0)
                outcome = tr("not written: %1").arg(VARS::errorTextTr(r.code));
            else
                outcome = tr("not written: the device does not hold the value");
            status = CliExit::Refused;
        }
        out.row(QStringLiteral("writes"), {QString::number(r.id), outcome, r.written ? value : QString()},
                {{QStringLiteral("id"), r.id},
                 {QStringLiteral("written"), r.written},
                 {QStringLiteral("value"), r.written ? value : QString()},
                 {QStringLiteral("code"), r.code}});
    }
    return linkFailed ? session.lostLink() : status;
}

int VarCommands::saveFlash(CliSession& session)
{
    CliOutput& out = session.out();
    FlashSave save(session.stack().worker(), session.stack().protocol());
    std::optional<std::pair<FlashSave::Outcome, QString>> end;
    QObject::connect(&save, &FlashSave::finished, &save,
                     [&session, &end](FlashSave::Outcome outcome, const QString& text) {
                         end = {outcome, text};
                         session.wake();
                     });
    out.progress(tr("Saving the settings in flash…"));
    save.start();
    session.waitFor([&end] { return end.has_value(); }, -1, false);
    if (end->first == FlashSave::Outcome::Lost)
        return session.lostLink();
    if (end->first == FlashSave::Outcome::Refused) {
        out.error(end->second);
        return CliExit::Refused;
    }
    out.set(QStringLiteral("saved"), true);
    out.note(tr("Settings saved in flash"));
    return CliExit::Ok;
}

int VarCommands::dump()
{
    if (const int status = m_session.loadAll(); status != CliExit::Ok)
        return status;
    const VarsUI& pages = m_session.pages();
    const VARS& vars = m_session.vars();
    m_session.out().list(QStringLiteral("rows"));
    for (const VarsUI::Page& page : pages.pages()) {
        for (const VarsUI::Item& item : page.items) {
            if (item.kind != VarsUI::ItemKind::Variable || item.info->noUitype)
                continue;
            const int id = item.info->deviceId();
            bool found = false;
            const VarRecord record = id <= 0xFFFF ? vars.snapshot(uint16_t(id), &found) : VarRecord{};
            const QString value = found ? SettingsSnapshot::displayText(vars, record, item.info.get()) : QString();
            m_session.out().row(QStringLiteral("rows"), {page.title, item.info->name, QString::number(id), value},
                                {{QStringLiteral("page"), page.title},
                                 {QStringLiteral("name"), item.info->name},
                                 {QStringLiteral("id"), id},
                                 {QStringLiteral("value"), value},
                                 {QStringLiteral("available"), found}});
        }
    }
    return CliExit::Ok;
}
