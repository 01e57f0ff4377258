#include "LineCommand.h"

#include "CliOutput.h"
#include "CliSession.h"
#include "StopSignal.h"
#include "platform/Platform.h"
#include "vars/LineJob.h"

int LineCommand::prepare()
{
    CliOutput& out = m_session.out();
    const QString& path = m_options.args.first();
    QString error;
    m_file = SettingsFile::read(path, &error);
    if (!m_file) {
        out.error(error);
        return CliExit::LocalFile;
    }
    // Without a model nothing tells a controller the file fits from one it would wreck.
    if (m_file->model.isEmpty()) {
        out.error(tr("%1 names no controller model; the line writes only a file saved from a controller").arg(path));
        return CliExit::LocalFile;
    }
    // With --json and no log the records go in the document alone.
    if (m_options.json && m_options.logPath.isEmpty())
        return CliExit::Ok;
    const QString logPath = m_options.logPath.isEmpty() ? QString(CliOptions::StandardStream) : m_options.logPath;
    m_log = std::make_unique<LineLog>(logPath, *LineLog::parseFormat(m_options.logFormat));
    if (!m_log->open(&error)) {
        out.error(error);
        return CliExit::LocalFile;
    }
    return CliExit::Ok;
}

int LineCommand::run()
{
    CliOutput& out = m_session.out();
    StopSignal::install();
    const auto stop = [] { return StopSignal::requested(); };
    const auto enough = [this] { return m_options.count > 0 && m_done + m_failed >= m_options.count; };
    out.list(QStringLiteral("records"));
    int status = CliExit::Ok;
    while (!stop() && !enough()) {
        out.tell(tr("Waiting for a controller (Ctrl-C ends the line)…"));
        if (!m_session.waitForDevice(stop))
            break;
        if (!record(serve())) {
            status = CliExit::LocalFile;
            break;
        }
        if (stop() || enough() || !m_session.waitForUnplug(stop))
            break;
        m_session.forgetDevice();
    }
    out.set(QStringLiteral("done"), m_done);
    out.set(QStringLiteral("failed"), m_failed);
    out.note(tr("Controllers done: %1, failed: %2").arg(m_done).arg(m_failed));
    if (status != CliExit::Ok)
        return status;
    return m_failed > 0 ? CliExit::Partial : CliExit::Ok;
}

LineRecord LineCommand::serve()
{
    LineRecord record;
    const auto failed = [&record](QLatin1StringView step, const QString& reason) {
        record.step = step;
        record.reason = reason;
        record.time = QDateTime::currentDateTime();
        return record;
    };
    if (m_session.readInfo() != CliExit::Ok)
        return failed(LineRecord::Connect, LineJob::lostReason());
    record.serial = m_session.infoSerial();
    record.model = m_session.infoModel();
    if (const int status = m_session.authenticate(); status != CliExit::Ok) {
        return failed(LineRecord::Pin,
                      status == CliExit::PinRefused ? tr("The controller refused the PIN") : LineJob::lostReason());
    }
    CliOutput& out = m_session.out();
    LineJob job(m_session.stack(), m_session.registry(), m_session.pages());
    QString stepText;
    QObject::connect(&job, &LineJob::stepStarted, &job, [&out, &stepText](const QString&, const QString& text) {
        stepText = text;
        out.progress(text);
    });
    QObject::connect(&job, &LineJob::progress, &job, [&out, &stepText](int done, int total) {
        out.progress(tr("%1 %2 of %3").arg(stepText).arg(done).arg(total));
    });
    std::optional<LineRecord> result;
    QObject::connect(&job, &LineJob::finished, &job, [this, &result](const LineRecord& r) {
        result = r;
        m_session.wake();
    });
    LineJob::Options options;
    options.save = m_options.save;
    job.start(*m_file, options);
    // Ctrl-C waits for the record: a controller left half written would be worse than a second's wait.
    m_session.waitFor([&result] { return result.has_value(); }, -1, false);
    return *result;
}

bool LineCommand::record(const LineRecord& record)
{
    CliOutput& out = m_session.out();
    ++(record.done ? m_done : m_failed);
    // Text output has the log for its records.
    if (out.json())
        out.row(QStringLiteral("records"), {}, LineLog::object(record));
    if (QString error; m_log && !m_log->append(record, &error)) {
        out.error(error);
        return false;
    }
    if (!record.done) {
        out.tell(record.summary());
        return true;
    }
    // A bell calls the operator back from the car; a file or a pipe gets none.
    const QString bell = Platform::isTerminal(2) ? QStringLiteral("\a") : QString();
    out.tell(LineRecord::doneText(record.serial) + bell);
    return true;
}
