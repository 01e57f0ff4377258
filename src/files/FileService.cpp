#include "FileService.h"

#include "link/DeviceProtocol.h"
#include "worker/DeviceThread.h"

FileService::FileService(DeviceThread& worker, DeviceProtocol& protocol, QObject* parent)
    : QObject(parent), m_worker(worker), m_protocol(protocol)
{
    // Queued even when both ends share a thread, so that a receiver never runs inside a transfer.
    constexpr auto queued = Qt::QueuedConnection;
    connect(&protocol, &DeviceProtocol::uiFilesClear, this, &FileService::filesCleared, queued);
    connect(&protocol, &DeviceProtocol::uiFilesAddEntry, this, &FileService::fileEntry, queued);
    connect(&protocol, &DeviceProtocol::uiFileWriteUpdate, this, &FileService::writeUpdate, queued);
    connect(&protocol, &DeviceProtocol::uiFileWriteEnd, this, &FileService::writeEnd, queued);
    connect(&protocol, &DeviceProtocol::uiFileReadUpdate, this, &FileService::readUpdate, queued);
    connect(&protocol, &DeviceProtocol::uiFileTaskFile, this, &FileService::taskFile, queued);
    connect(&protocol, &DeviceProtocol::uiFileTaskNote, this, &FileService::taskNote, queued);
    connect(&protocol, &DeviceProtocol::uiFileTaskState, this, &FileService::taskState, queued);
    connect(&protocol, &DeviceProtocol::eventLog, this, &FileService::taskLog, queued);
    connect(&worker, &DeviceThread::uiFileTaskDone, this, &FileService::taskDone, queued);
}

void FileService::requestFileList()
{
    m_worker.requestFileList();
}

void FileService::fileDownload(const QList<FileDownloadItem>& items)
{
    m_worker.fileDownload(items);
}

void FileService::fileUpload(const QString& localPath, const QString& deviceName, bool system)
{
    m_worker.fileUpload(localPath, deviceName, system);
}

void FileService::fileRenameAsync(uint16_t id, const QString& name)
{
    m_worker.fileRenameAsync(id, name);
}

void FileService::fileDeleteMany(const QList<ushort>& ids)
{
    m_worker.fileDeleteMany(ids);
}

void FileService::abortTransfer()
{
    m_protocol.abortTransfer();
}
