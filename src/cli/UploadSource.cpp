#include "UploadSource.h"

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "CliOptions.h"

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
    if (!standardInput && QFileInfo(given).isFile()) {
        m_path = given;
        m_size = input.size();
        return true;
    }
    m_spool = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("kestrova-upload-XXXXXX")));
    if (!m_spool->open()) {
        *error = tr("Cannot make a temporary copy of %1: %2").arg(shown, m_spool->errorString());
        return false;
    }
    char buffer[64 * 1024];
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
