#include "LocalTarget.h"

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "CliOptions.h"

LocalTarget::LocalTarget(const QString& given, const QString& nameInFolder) : m_path(given)
{
    if (given == CliOptions::StandardStream) {
        m_stream = true;
        return;
    }
    const QFileInfo info(given);
    if (info.isDir()) {
        m_path = QDir(given).filePath(nameInFolder);
        return;
    }
    // Whatever exists and is neither a regular file nor a folder (a FIFO, a device node) is a stream.
    m_stream = info.exists() && !info.isFile();
}

bool LocalTarget::reachable(QString* error) const
{
    const QFileInfo info(m_path);
    if (m_stream || info.absoluteDir().exists())
        return true;
    *error = tr("Cannot write %1: the folder %2 does not exist")
                 .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(info.absolutePath()));
    return false;
}

bool LocalTarget::write(const QByteArray& data, QString* error) const
{
    if (m_path == CliOptions::StandardStream) {
        if (std::fwrite(data.constData(), 1, std::size_t(data.size()), stdout) == std::size_t(data.size()) &&
            std::fflush(stdout) == 0)
            return true;
        *error = tr("Cannot write the standard output");
        return false;
    }
    if (m_stream) {
        QFile stream(m_path);
        if (stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && stream.write(data) == data.size())
            return true;
        *error = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_path), stream.errorString());
        return false;
    }
    QSaveFile file(m_path);
    // Unbuffered: a write the disk refuses fails here, before commit() could put a cut-short file in place.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(data) == data.size() && file.commit())
        return true;
    *error = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_path), file.errorString());
    return false;
}
