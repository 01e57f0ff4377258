#include "LineJob.h"

#include <algorithm>

#include <QSet>

#include "DeviceVars.h"
#include "SnapshotWriter.h"
#include "VARS.h"
#include "ValueLimits.h"
#include "VarsRegistry.h"
#include "VarsUI.h"
#include "link/DeviceLink.h"
#include "worker/DeviceStack.h"
#include "worker/FlashSave.h"
#include "worker/FullLoad.h"
#include "worker/WorkerCall.h"

LineJob::LineJob(DeviceStack& stack, VarsRegistry& registry, const VarsUI& pages, QObject* parent)
    : QObject(parent), m_stack(stack), m_registry(registry), m_pages(pages), m_load(new FullLoad(stack, this)),
      m_flash(new FlashSave(stack.worker(), stack.protocol(), this))
{
    connect(m_load, &FullLoad::progress, this, &LineJob::progress);
    connect(m_load, &FullLoad::finished, this, [this](bool loaded) {
        if (!m_running)
            return;
        if (!loaded)
            return failLost();
        if (m_verifying)
            onVerifyLoaded();
        else
            write();
    });
    connect(m_flash, &FlashSave::finished, this, [this](FlashSave::Outcome outcome, const QString& text) {
        if (!m_running)
            return;
        if (outcome == FlashSave::Outcome::Lost)
            return failLost();
        if (outcome == FlashSave::Outcome::Refused)
            return fail(text);
        verify();
    });
    // A pulled cable ends the step at once, whatever it waits for.
    connect(
        &stack.worker(), &DeviceThread::uiDeviceHotplug, this,
        [this] {
            if (m_running && !linkOpen())
                failLost();
        },
        Qt::QueuedConnection);
}

bool LineJob::linkOpen() const
{
    const DeviceLink* link = m_stack.transports().activeLink();
    return link && link->isOpen();
}

QString LineJob::lostReason()
{
    return tr("The link was lost: the cable was pulled or the controller restarted");
}

QString LineJob::idList(const QList<uint16_t>& ids)
{
    QStringList named;
    for (const uint16_t id : ids)
        named << QString::number(id);
    return named.join(QStringLiteral(", "));
}

QList<uint16_t> LineJob::loadList() const
{
    // The file's variables that no page shows are read too, so that the plan judges them by the controller.
    QList<uint16_t> ids = m_pages.loadList();
    const QSet<uint16_t> shown(ids.cbegin(), ids.cend());
    for (const SettingsFile::Entry& e : m_file.entries) {
        if (!shown.contains(e.id))
            ids << e.id;
    }
    return ids;
}

void LineJob::start(const SettingsFile& file, const Options& options)
{
    if (m_running)
        return;
    m_running = true;
    m_verifying = false;
    ++m_run;
    m_file = file;
    m_options = options;
    m_plan = {};
    m_record = {};
    identify();
}

void LineJob::enter(QLatin1StringView step, const QString& text)
{
    m_step = step;
    Q_EMIT stepStarted(m_step, text);
}

void LineJob::identify()
{
    enter(LineRecord::Identify, tr("Reading the controller's identity…"));
    DeviceProtocol& protocol = m_stack.protocol();
    WorkerCall::post(
        m_stack.worker(), this,
        [&protocol] {
            for (const uint16_t id : {DeviceVar::Model, DeviceVar::Serial, DeviceVar::Firmware}) {
                // A controller without one of them is told apart by it, not refused.
                if (const int ret = protocol.readVar(id); ret < 0)
                    return ret;
            }
            return 0;
        },
        [this, run = m_run](std::optional<int> result) {
            if (!m_running || run != m_run)
                return;
            if (!result || *result < 0 || !linkOpen())
                return failLost();
            const VARS& vars = m_registry.vars();
            m_record.model = SettingsSnapshot::identityText(vars, DeviceVar::Model);
            m_record.serial = SettingsSnapshot::identityText(vars, DeviceVar::Serial);
            m_record.firmware = SettingsSnapshot::identityText(vars, DeviceVar::Firmware);
            if (m_record.model != m_file.model) {
                m_step = LineRecord::Model;
                return fail(tr("The file holds settings for %1; this controller is %2")
                                .arg(m_file.model, m_record.model));
            }
            load();
        });
}

void LineJob::load()
{
    if (m_options.loaded)
        return write();
    enter(LineRecord::Load, tr("Loading the controller's settings…"));
    m_load->start(loadList());
}

void LineJob::write()
{
    const VARS& vars = m_registry.vars();
    QList<uint16_t> ids;
    // Values the controller measures or reports are no settings: no file sets them, and they are not counted.
    for (const SettingsSnapshot::Difference& d : SettingsSnapshot::compare(m_file, vars)) {
        if (d.inFile && !d.readOnly)
            ids << d.id;
    }
    m_plan = SettingsSnapshot::plan(m_file, vars, ids, ValueLimits(&m_pages, m_options.force));
    if (!m_plan.refusal.isEmpty()) {
        m_step = LineRecord::Write;
        return fail(m_plan.refusal);
    }
    m_record.skipped = int(m_plan.skipped.size());
    if (m_plan.writes.isEmpty())
        return save();
    enter(LineRecord::Write, tr("Writing %n value(s)…", nullptr, int(m_plan.writes.size())));
    if (m_writer)
        m_writer->deleteLater();
    m_writer = new SnapshotWriter(m_registry, this);
    connect(m_writer, &SnapshotWriter::progress, this, &LineJob::progress);
    connect(m_writer, &SnapshotWriter::finished, this, [this, run = m_run] {
        if (m_running && run == m_run)
            onWritten();
    });
    m_writer->start(m_plan.writes);
}

void LineJob::onWritten()
{
    QList<uint16_t> refused;
    QStringList reasons;
    bool lost = !linkOpen();
    for (const SnapshotWriter::Result& r : m_writer->results()) {
        if (r.written) {
            ++m_record.written;
            continue;
        }
        lost = lost || r.code < 0;
        refused << r.id;
        if (r.code > 0)
            reasons << tr("%1: %2").arg(r.id).arg(VARS::errorTextTr(r.code));
        else
            reasons << tr("%1: the controller does not hold the value").arg(r.id);
    }
    if (lost)
        return failLost();
    if (!refused.isEmpty())
        return fail(tr("The controller did not take %n value(s): %1", nullptr, int(refused.size()))
                        .arg(reasons.join(QStringLiteral("; "))));
    save();
}

void LineJob::save()
{
    if (!m_options.save)
        return verify();
    enter(LineRecord::Save, tr("Saving the settings in flash…"));
    m_flash->start();
}

void LineJob::verify()
{
    // A fresh read of the whole controller, not the store as the writes left it: emptied first, so that a
    // variable the controller no longer gives is missing rather than still holding the written value.
    enter(LineRecord::Verify, tr("Reading the settings back…"));
    m_verifying = true;
    VARS& vars = m_registry.vars();
    WorkerCall::post(
        m_stack.worker(), this,
        [&vars] {
            vars.clear();
            return 0;
        },
        [this, run = m_run](std::optional<int> cleared) {
            if (!m_running || run != m_run)
                return;
            if (!cleared)
                return failLost();
            m_load->start(loadList());
        });
}

void LineJob::onVerifyLoaded()
{
    const VARS& vars = m_registry.vars();
    QList<uint16_t> wrong;
    for (const SettingsFile::Entry& entry : std::as_const(m_plan.writes)) {
        if (!SettingsSnapshot::holds(vars, entry))
            wrong << entry.id;
    }
    QList<uint16_t> skipped;
    for (const SettingsSnapshot::Skipped& s : std::as_const(m_plan.skipped))
        skipped << s.id;
    for (const SettingsSnapshot::Difference& d : SettingsSnapshot::compare(m_file, vars)) {
        if (d.inFile && !d.readOnly && !skipped.contains(d.id) && !wrong.contains(d.id))
            wrong << d.id;
    }
    if (!wrong.isEmpty()) {
        std::sort(wrong.begin(), wrong.end());
        return fail(tr("Read back, the controller does not hold the file's value of %n variable(s): %1", nullptr,
                       int(wrong.size()))
                        .arg(idList(wrong)));
    }
    m_record.done = true;
    finish();
}

void LineJob::fail(const QString& reason)
{
    m_record.done = false;
    m_record.step = m_step;
    m_record.reason = reason;
    finish();
}

void LineJob::finish()
{
    m_running = false;
    m_verifying = false;
    m_record.time = QDateTime::currentDateTime();
    if (m_record.done) {
        m_record.step.clear();
        m_record.reason.clear();
    }
    Q_EMIT finished(m_record);
}
