#pragma once

#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What kestrova-cli tells: results on standard output as lines of text for people, or as one JSON document
// with --json; errors, notes and summaries on standard error; progress there only when it is a terminal.
class CliOutput
{
    Q_DECLARE_TR_FUNCTIONS(CliOutput)
public:
    explicit CliOutput(bool json);

    bool json() const { return m_json; }

    // One named fact: "label: value" as text, key: value in the document.
    void field(const QString& key, const QString& label, const QJsonValue& value);
    // A fact only the document carries; text output says it in a line of its own.
    void set(const QString& key, const QJsonValue& value);
    // A list the document carries even when no row follows.
    void list(const QString& key);
    // One record of a list: its cells joined by tabs as text, an object appended to the array key.
    void row(const QString& key, const QStringList& cells, const QJsonObject& record);
    // A line of results for people only; the document carries the same fact in its own fields.
    void line(const QString& text);
    // A summary for people (what was done, how many): on standard error, so that standard output holds results.
    void note(const QString& text);
    // What the person at the device is to do next: on standard error in JSON mode too.
    void tell(const QString& text);
    // An error: always on standard error, and in the document's "error" object.
    void error(const QString& text);
    // How many errors were told so far: a step that adds none has still to say why it failed.
    int errorCount() const { return int(m_messages.size()); }
    void progress(const QString& text);
    // Ends the progress line, then writes the document (with the exit status) in JSON mode. The status to exit
    // with: LocalFile when standard output could not take what was written to it.
    int finish(int exitStatus);

private:
    void endProgress();

    const bool m_json;
    const bool m_progress;
    bool m_progressShown = false;
    QJsonObject m_document;
    QStringList m_messages;
};
