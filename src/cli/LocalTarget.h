#pragma once

#include <QCoreApplication>
#include <QString>

// Where a command writes a local file. A regular file or a new path is replaced atomically, so a failed write
// leaves the old file as it was; standard output ("-"), a FIFO or a device node is written in place as a
// stream, never replaced by an ordinary file; a folder gets the given name inside it.
class LocalTarget
{
    Q_DECLARE_TR_FUNCTIONS(LocalTarget)
public:
    LocalTarget(const QString& given, const QString& nameInFolder);

    // The path written to; "-" for standard output.
    const QString& path() const { return m_path; }
    bool isStream() const { return m_stream; }
    // False with the error when the target cannot be written at all (its folder is not there), checked before
    // any work that would be lost.
    bool reachable(QString* error) const;
    // Writes all of data: the error (naming the path) when it could not.
    bool write(const QByteArray& data, QString* error) const;

private:
    QString m_path;
    bool m_stream = false;
};
