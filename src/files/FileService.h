#pragma once

#include <cstdint>

#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include "files/EfsFile.h"

class DeviceProtocol;
class DeviceThread;

// The window's way to the device's files. Every operation posts work to the device worker and
// returns at once; the progress and results come back as this object's signals, on its own thread.
class FileService : public QObject
{
    Q_OBJECT
public:
    FileService(DeviceThread& worker, DeviceProtocol& protocol, QObject* parent = nullptr);

    void requestFileList();
    void fileDownload(const QList<FileDownloadItem>& items);
    void fileUpload(const QString& localPath, const QString& deviceName, bool system);
    void fileRenameAsync(uint16_t id, const QString& name);
    void fileDeleteMany(const QList<ushort>& ids);
    // Callable from any thread: stops the running transfer after its current command and skips the
    // tasks queued so far.
    void abortTransfer();

Q_SIGNALS:
    void filesCleared();
    void fileEntry(QSharedPointer<EfsFile> entry); // null: the list is complete
    void writeUpdate(uint16_t id, int written);
    void writeEnd(uint16_t id, int written);
    void readUpdate(uint16_t id, int read);
    void taskFile(QString label, qlonglong total);
    void taskNote(QString text);
    void taskState(int state);
    void taskLog(QString text);
    void taskDone(int ret);

private:
    DeviceThread& m_worker;
    DeviceProtocol& m_protocol;
};
