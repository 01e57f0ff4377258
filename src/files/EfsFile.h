#pragma once

#include <cstdint>

#include <QDateTime>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>

// One file of the device's embedded file system.
struct EfsFile
{
    QString name; // Latin-1 on the device
    uint32_t size = 0;
    QDateTime created; // local time
    bool system = false;
    uint16_t id = 0;
};

// One file to download: the device file and the local path it goes to.
struct FileDownloadItem
{
    uint16_t id = 0;
    QString name;
    uint32_t size = 0;
    QString localPath;
};

Q_DECLARE_METATYPE(QSharedPointer<EfsFile>)
Q_DECLARE_METATYPE(FileDownloadItem)
