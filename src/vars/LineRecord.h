#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// What programming one controller on a line came to: one line of the line's log.
struct LineRecord
{
    Q_DECLARE_TR_FUNCTIONS(LineRecord)
public:
    // The step a failure happened in; logs and scripts match these words, so they are never translated.
    static constexpr QLatin1StringView Connect{"connect"};
    static constexpr QLatin1StringView Identify{"identify"};
    static constexpr QLatin1StringView Pin{"pin"};
    static constexpr QLatin1StringView Model{"model"};
    static constexpr QLatin1StringView Load{"load"};
    static constexpr QLatin1StringView Write{"write"};
    static constexpr QLatin1StringView Save{"save"};
    static constexpr QLatin1StringView Verify{"verify"};

    QDateTime time; // when the controller was done with, local with its offset
    QString serial;
    QString model;
    QString firmware;
    bool done = false;
    int written = 0;
    int skipped = 0;
    QString step;   // empty when done
    QString reason; // why it failed, in words

    // One line for a terminal or a session log.
    QString summary() const;
    static QString doneText(const QString& serial);
};
