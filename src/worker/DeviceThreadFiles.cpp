// The file tasks the file service posts. Kept apart from the worker's cycle so that only programs
// that move files link the transfer procedures.
#include "DeviceThread.h"

#include "link/DeviceProtocol.h"

bool DeviceThread::fileDeleteMany(const QList<ushort>& ids)
{
    return postFileTask([this, ids] { return m_protocol.fileDeleteMany(ids); }, true);
}

bool DeviceThread::fileDownload(const QList<FileDownloadItem>& items)
{
    return postFileTask([this, items] { return m_protocol.fileRead(items); }, false);
}

bool DeviceThread::fileRenameAsync(ushort id, const QString& name)
{
    return postFileTask([this, id, name] { return m_protocol.fileRename(id, name.toLatin1()); }, true);
}

bool DeviceThread::fileUpload(const QString& localPath, const QString& name, bool system)
{
    return postFileTask([this, localPath, name, system] { return m_protocol.fileWrite(localPath, name, system); },
                        true);
}
