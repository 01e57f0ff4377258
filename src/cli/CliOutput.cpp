#include "CliOutput.h"

#include <QJsonDocument>
#include <QVariant>

#include "platform/Platform.h"

namespace {

void write(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
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
    const QString text = value.toVariant().toString();
    line(label + QStringLiteral(": ") + text);
}

void CliOutput::set(const QString& key, const QJsonValue& value)
{
    if (m_json)
        m_document.insert(key, value);
}

void CliOutput::row(const QString& key, const QStringList& cells, const QJsonObject& record)
{
    if (m_json) {
        QJsonArray rows = m_document.value(key).toArray();
        rows.append(record);
        m_document.insert(key, rows);
        return;
    }
    // One record, one line: names that break lines on the pages do not here.
    QStringList flat = cells;
    for (QString& cell : flat)
        cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line(flat.join(QLatin1Char('\t')));
}

void CliOutput::line(const QString& text)
{
    if (m_json)
        return;
    endProgress();
    write(stdout, text + QLatin1Char('\n'));
}

void CliOutput::error(const QString& text)
{
    endProgress();
    m_messages.append(text);
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

void CliOutput::finish(int exitStatus)
{
    endProgress();
    if (m_json) {
        m_document.insert(QStringLiteral("exit"), exitStatus);
        if (!m_messages.isEmpty())
            m_document.insert(QStringLiteral("messages"), m_messages);
        write(stdout, QString::fromUtf8(QJsonDocument(m_document).toJson(QJsonDocument::Indented)));
    }
    std::fflush(stdout);
}
