#pragma once

#include <memory>

#include <QCoreApplication>
#include <QString>

class QTemporaryFile;

// The local data an upload sends. A regular file is sent as it is; anything else (standard input "-", a pipe,
// a device node) has no size to trust, so it is first copied to a temporary file whose size was counted.
class UploadSource
{
    Q_DECLARE_TR_FUNCTIONS(UploadSource)
public:
    // The most a stream may bring: far beyond any file the device holds.
    static constexpr qint64 MaxStreamBytes = 16 << 20;

    UploadSource();
    ~UploadSource();

    // Opens the input: false with the error (naming the input) when it cannot be read or is too large.
    bool open(const QString& given, QString* error);
    // The regular file to upload.
    QString path() const { return m_path; }
    qint64 size() const { return m_size; }

private:
    std::unique_ptr<QTemporaryFile> m_spool;
    QString m_path;
    qint64 m_size = 0;
};
