#include "UploadSource.h"

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "CliOptions.h"

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

// The bytes a read to the end brings; -1 when the read fails.
qint64 countedBytes(QFile& file)
{
    char buffer[ChunkBytes];
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got <= 0)
            return got < 0 ? -1 : total;
        total += got;
    }
}

} // namespace

UploadSource::UploadSource() = default;
UploadSource::~UploadSource() = default;

bool UploadSource::open(const QString& given, QString* error)
{
    const bool standardInput = given == CliOptions::StandardStream;
    const QString shown = standardInput ? tr("standard input") : QDir::toNativeSeparators(given);
    QFile input;
    const bool opened = standardInput ? input.open(stdin, QIODevice::ReadOnly)
                                      : (input.setFileName(given), input.open(QIODevice::ReadOnly));
    if (!opened) {
        *error = tr("Cannot read %1: %2").arg(shown, input.errorString());
        return false;
    }
    // A regular file is sent as it is only when its size is what it holds (a /proc file says 0 and holds more).
    if (!standardInput && QFileInfo(given).isFile()) {
        const qint64 counted = countedBytes(input);
        if (!input.seek(0)) {
            *error = tr("Cannot read %1: %2").arg(shown, input.errorString());
            return false;
        }
        if (counted == input.size()) {
            m_path = given;
            m_size = counted;
            return true;
        }
    }
    m_spool = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("kestrova-upload-XXXXXX")));
    if (!m_spool->open()) {
        *error = tr("Cannot make a temporary copy of %1: %2").arg(shown, m_spool->errorString());
        return false;
    }
    char buffer[ChunkBytes];
    for (;;) {
        const qint64 got = input.read(buffer, sizeof buffer);
        if (got < 0) {
            *error = tr("Cannot read %1: %2").arg(shown, input.errorString());
            return false;
        }
        if (got == 0)
            break;
        if (m_size + got > MaxStreamBytes) {
            *error = tr("%1 brings more than %2 bytes, more than the device holds").arg(shown).arg(MaxStreamBytes);
            return false;
        }
        if (m_spool->write(buffer, got) != got) {
            *error = tr("Cannot make a temporary copy of %1: %2").arg(shown, m_spool->errorString());
            return false;
        }
        m_size += got;
    }
    if (!m_spool->flush()) {
        *error = tr("Cannot make a temporary copy of %1: %2").arg(shown, m_spool->errorString());
        return false;
    }
    m_path = m_spool->fileName();
    return true;
}
