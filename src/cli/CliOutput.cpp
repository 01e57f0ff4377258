#include "CliOutput.h"

#include <QJsonDocument>
#include <QVariant>

#include "CliOptions.h"
#include "platform/Platform.h"

namespace {

void write(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// One record, one line, tab-separated: a tab, a line break or a backslash in a cell is written as its escape.
QString escaped(QString cell)
{
    cell.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    cell.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    cell.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    cell.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return cell;
}

} // namespace

CliOutput::CliOutput(bool json) : m_json(json), m_progress(Platform::isTerminal(2))
{}

void CliOutput::field(const QString& key, const QString& label, const QJsonValue& value)
{
    if (m_json) {
        m_document.insert(key, value);
        return;
    }
    line(label + QStringLiteral(": ") + value.toVariant().toString());
}

void CliOutput::set(const QString& key, const QJsonValue& value)
{
    if (m_json)
        m_document.insert(key, value);
}

void CliOutput::list(const QString& key)
{
    if (m_json && !m_document.contains(key))
        m_document.insert(key, QJsonArray());
}

void CliOutput::row(const QString& key, const QStringList& cells, const QJsonObject& record)
{
    if (m_json) {
        QJsonArray rows = m_document.value(key).toArray();
        rows.append(record);
        m_document.insert(key, rows);
        return;
    }
    QStringList flat;
    for (const QString& cell : cells)
        flat << escaped(cell);
    line(flat.join(QLatin1Char('\t')));
}

void CliOutput::line(const QString& text)
{
    if (m_json)
        return;
    endProgress();
    write(stdout, text + QLatin1Char('\n'));
}

void CliOutput::note(const QString& text)
{
    if (m_json)
        return;
    endProgress();
    write(stderr, text + QLatin1Char('\n'));
}

void CliOutput::tell(const QString& text)
{
    endProgress();
    write(stderr, text + QLatin1Char('\n'));
    std::fflush(stderr);
}

void CliOutput::error(const QString& text)
{
    endProgress();
    m_messages << text;
    write(stderr, text + QLatin1Char('\n'));
    std::fflush(stderr);
}

void CliOutput::progress(const QString& text)
{
    if (!m_progress)
        return;
    write(stderr, QStringLiteral("\r\x1b[K") + text);
    std::fflush(stderr);
    m_progressShown = true;
}

void CliOutput::endProgress()
{
    if (!m_progressShown)
        return;
    write(stderr, QStringLiteral("\r\x1b[K"));
    m_progressShown = false;
}

int CliOutput::finish(int exitStatus)
{
    endProgress();
    if (m_json) {
        m_document.insert(QStringLiteral("exit"), exitStatus);
        if (!m_messages.isEmpty())
            m_document.insert(QStringLiteral("messages"), QJsonArray::fromStringList(m_messages));
        // Compare's differences are its answer, not a failure.
        if (exitStatus != CliExit::Ok && exitStatus != CliExit::Differences) {
            m_document.insert(QStringLiteral("error"),
                              QJsonObject{{QStringLiteral("status"), exitStatus},
                                          {QStringLiteral("message"), m_messages.join(QLatin1Char('\n'))}});
        }
        write(stdout, QString::fromUtf8(QJsonDocument(m_document).toJson(QJsonDocument::Indented)));
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        write(stderr, tr("kestrova-cli: cannot write the standard output") + QLatin1Char('\n'));
        return exitStatus == CliExit::Ok || exitStatus == CliExit::Differences ? CliExit::LocalFile : exitStatus;
    }
    return exitStatus;
}
