#pragma once

#include <cstdio>

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What kestrova-cli tells: results on standard output as lines of text for people, or as one JSON document
// with --json; errors and notes on standard error; progress on standard error only when it is a terminal.
class CliOutput
{
public:
    explicit CliOutput(bool json);

    bool json() const { return m_json; }

    // One named fact: "label: value" as text, key: value in the document.
    void field(const QString& key, const QString& label, const QJsonValue& value);
    // A fact only the document carries; text output says it in a line of its own.
    void set(const QString& key, const QJsonValue& value);
    // One record of a list: its cells joined by tabs as text, an object appended to the array key.
    void row(const QString& key, const QStringList& cells, const QJsonObject& record);
    // A line for people only; the document carries the same fact in its own fields.
    void line(const QString& text);
    // An error or a note: always on standard error, and listed under "messages" in the document.
    void error(const QString& text);
    void progress(const QString& text);
    // Ends the progress line, then writes the document (with the exit status) in JSON mode.
    void finish(int exitStatus);

private:
    void endProgress();

    const bool m_json;
    const bool m_progress;
    bool m_progressShown = false;
    QJsonObject m_document;
    QJsonArray m_messages;
};
