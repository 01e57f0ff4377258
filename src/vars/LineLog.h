#pragma once

#include <optional>

#include <QCoreApplication>
#include <QFile>
#include <QJsonObject>
#include <QString>

#include "LineRecord.h"

// The line's log: one record per controller, appended and put on the disk at once, so that a crash loses
// nothing already recorded. "-" is standard output.
class LineLog
{
    Q_DECLARE_TR_FUNCTIONS(LineLog)
public:
    enum class Format
    {
        Csv,
        JsonLines
    };

    // "csv" or "jsonl".
    static std::optional<Format> parseFormat(const QString& name);
    static QString csvHeader();
    // The record with the keys of the log's columns, numbers as numbers.
    static QJsonObject object(const LineRecord& record);
    // The record as one line of the format, its end included.
    static QByteArray line(const LineRecord& record, Format format);

    LineLog(QString path, Format format);

    // Opens for appending; a CSV file that is new or empty gets the header first.
    bool open(QString* error);
    bool append(const LineRecord& record, QString* error);

private:
    static QString result(const LineRecord& record);
    bool writeLine(const QByteArray& bytes, QString* error);

    const QString m_path;
    const Format m_format;
    QFile m_file;
};
