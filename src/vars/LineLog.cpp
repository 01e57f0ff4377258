#include "LineLog.h"

#include <cstdio>

#include <QJsonDocument>
#include <QJsonObject>

#include "LocalTime.h"
#include "platform/Platform.h"

namespace {

const QLatin1StringView Standard{"-"};

// Quoted only when the field needs it, as spreadsheets read it: a comma, a quote or a line break inside.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

std::optional<LineLog::Format> LineLog::parseFormat(const QString& name)
{
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("jsonl"))
        return Format::JsonLines;
    return std::nullopt;
}

QString LineLog::csvHeader()
{
    return QStringLiteral("time,serial,model,firmware,result,written,skipped,step,reason");
}

QString LineLog::result(const LineRecord& record)
{
    return record.done ? QStringLiteral("done") : QStringLiteral("failed");
}

QJsonObject LineLog::object(const LineRecord& record)
{
    return {{QStringLiteral("time"), LocalTime::iso(record.time)},
            {QStringLiteral("serial"), record.serial},
            {QStringLiteral("model"), record.model},
            {QStringLiteral("firmware"), record.firmware},
            {QStringLiteral("result"), result(record)},
            {QStringLiteral("written"), record.written},
            {QStringLiteral("skipped"), record.skipped},
            {QStringLiteral("step"), record.step},
            {QStringLiteral("reason"), record.reason}};
}

QByteArray LineLog::line(const LineRecord& record, Format format)
{
    if (format == Format::JsonLines)
        return QJsonDocument(object(record)).toJson(QJsonDocument::Compact) + '\n';
    const QStringList fields{LocalTime::iso(record.time),     csvField(record.serial), csvField(record.model),
                             csvField(record.firmware),       result(record),          QString::number(record.written),
                             QString::number(record.skipped), csvField(record.step),   csvField(record.reason)};
    return fields.join(QLatin1Char(',')).toUtf8() + '\n';
}

LineLog::LineLog(QString path, Format format) : m_path(std::move(path)), m_format(format), m_file(m_path)
{}

bool LineLog::open(QString* error)
{
    const bool opened = m_path == Standard ? m_file.open(stdout, QIODevice::WriteOnly)
                                           : m_file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (!opened) {
        *error = tr("Cannot open the log %1: %2").arg(m_path, m_file.errorString());
        return false;
    }
    // A header in the middle of an appended log would read as a record.
    if (m_format == Format::Csv && (m_path == Standard || m_file.size() == 0))
        return writeLine(csvHeader().toUtf8() + '\n', error);
    return true;
}

bool LineLog::append(const LineRecord& record, QString* error)
{
    return writeLine(line(record, m_format), error);
}

bool LineLog::writeLine(const QByteArray& bytes, QString* error)
{
    const bool written = m_file.write(bytes) == bytes.size() && m_file.flush();
    // A pipe or a terminal has no disk to reach.
    if (written && m_path != Standard && !Platform::syncToDisk(m_file.handle())) {
        *error = tr("Cannot write the log %1: the system did not store it").arg(m_path);
        return false;
    }
    if (!written)
        *error = tr("Cannot write the log %1: %2").arg(m_path, m_file.errorString());
    return written;
}
