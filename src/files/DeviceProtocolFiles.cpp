// The elementary EFS operations of DeviceProtocol.
#include "link/DeviceProtocol.h"

#include <algorithm>

#include <libusb.h>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "vars/VARS.h"

namespace {

constexpr int NameField = EfsFile::MaxName;
constexpr int FindReplySize = 38;
constexpr uint16_t ListEnd = 0xFFFF;
// The device counts seconds from 2000-01-01 00:00:00 UTC.
constexpr qint64 DeviceEpoch = 946684800;
// Reads in a row whose answer came only after a retry before the link counts as failed.
constexpr int MaxRereads = 8;

// The name's bytes padded with zeros to 25; a 25-byte name has no terminator.
void addNameField(CommandRecord& rec, const QByteArray& name)
{
    rec.add(name.leftJustified(NameField, '\0', true).constData(), NameField);
}

QSharedPointer<EfsFile> makeFile(const QByteArray& name, uint32_t created, uint8_t system, uint32_t size, uint16_t id)
{
    auto file = QSharedPointer<EfsFile>::create();
    file->name = QString::fromLatin1(name);
    file->size = size;
    file->created = QDateTime::fromSecsSinceEpoch(qint64(created) + DeviceEpoch);
    file->system = system != 0xFF;
    file->id = id;
    return file;
}

// One file command whose refusal the user is shown: the link result, the device status, or 0. A quiet
// status (0: none) is returned without telling the user.
int sendFileCommand(DeviceProtocol& protocol, uint8_t cmd, CommandRecord& rec, const QString& label, uint16_t quiet = 0)
{
    const int ret = protocol.send(cmd, rec);
    if (ret != 0)
        return ret;
    return rec.status != 0 && rec.status != quiet ? protocol.reportFileError(label, rec) : rec.status;
}

} // namespace

int DeviceProtocol::fileUpdateList(bool emitEntries)
{
    m_files.clear();
    if (emitEntries)
        Q_EMIT uiFilesClear();
    return m_link && m_link->batchedReads() ? listBatched(emitEntries) : listByFind(emitEntries);
}

int DeviceProtocol::listByFind(bool emitEntries)
{
    uint16_t first = 0;
    for (;;) {
        if (stopRequested())
            return 0;
        CommandRecord rec;
        rec.addU16(first);
        const int ret = send(Cmd::EFS_FILE_FIND, rec);
        if (ret != 0)
            return ret;
        if (rec.status != 0) {
            if (rec.status == Status::NotFound && emitEntries)
                Q_EMIT uiFilesAddEntry({});
            return 0;
        }
        if (rec.rxLen != FindReplySize) {
            qWarning("fileUpdateList bad rx_len=%u", unsigned(rec.rxLen));
            return 0;
        }
        rec.cursor = 2; // the entry's first two bytes mean nothing here
        const uint32_t created = rec.takeU32();
        const uint8_t system = rec.takeU8();
        const char* nameField = reinterpret_cast<const char*>(rec.rxData + rec.cursor);
        const QByteArray name(nameField, qsizetype(qstrnlen(nameField, NameField)));
        rec.cursor += NameField;
        const uint32_t size = rec.takeU32();
        const uint16_t id = rec.takeU16();
        const auto file = makeFile(name, created, system, size, id);
        m_files.append(file);
        if (emitEntries)
            Q_EMIT uiFilesAddEntry(file);
        // The next first id would wrap to 0 and walk the list again; a device that answers with an id
        // below the one asked for would do the same.
        if (id == ListEnd || id < first) {
            if (emitEntries)
                Q_EMIT uiFilesAddEntry({});
            return 0;
        }
        first = uint16_t(id + 1);
    }
}

int DeviceProtocol::listBatched(bool emitEntries)
{
    uint16_t first = 0;
    for (;;) {
        if (stopRequested())
            return 0;
        CommandRecord rec;
        rec.addU16(first);
        const int ret = send(Cmd::EFS_FILE_LIST, rec);
        if (ret != 0)
            return ret;
        if (rec.status != 0)
            break;
        bool ended = false;
        int records = 0;
        uint16_t lastId = 0;
        while (rec.remaining() >= 2) {
            const uint16_t id = rec.takeU16();
            if (id == ListEnd) {
                ended = true;
                break;
            }
            if (rec.remaining() < 6)
                break;
            const uint8_t system = rec.takeU8();
            const uint32_t created = rec.takeU32();
            const int nameLen = rec.takeU8();
            if (rec.remaining() < nameLen + 4)
                break;
            const QByteArray name(reinterpret_cast<const char*>(rec.rxData + rec.cursor), std::min(nameLen, NameField));
            rec.cursor += nameLen;
            const auto file = makeFile(name, created, system, rec.takeU32(), id);
            m_files.append(file);
            if (emitEntries)
                Q_EMIT uiFilesAddEntry(file);
            lastId = id;
            ++records;
        }
        if (ended || records == 0 || lastId < first)
            break;
        first = uint16_t(lastId + 1);
    }
    if (emitEntries)
        Q_EMIT uiFilesAddEntry({});
    return 0;
}

int DeviceProtocol::fileCreate(const QByteArray& name, bool quietIfExists)
{
    if (name.size() > NameField) {
        qCritical("file create - name too large '%s' len=%zd > max=%u", name.constData(), ssize_t(name.size()),
                  unsigned(NameField));
        return FileResult::LocalFailure;
    }
    CommandRecord rec;
    addNameField(rec, name);
    if (const int ret = sendFileCommand(*this, Cmd::EFS_FILE_CREATE, rec,
                                        QStringLiteral("fileCreate(%1)").arg(QString::fromLatin1(name)),
                                        quietIfExists ? Status::FileExists : 0);
        ret != 0)
        return ret;
    m_openFileId = rec.takeU16();
    m_fileOpen = true;
    return 0;
}

int DeviceProtocol::fileOpen(uint16_t id)
{
    CommandRecord rec;
    rec.addU16(id);
    if (const int ret = sendFileCommand(*this, Cmd::EFS_FILE_OPEN, rec, QStringLiteral("file Open")); ret != 0)
        return ret;
    m_openFileId = id;
    m_fileOpen = true;
    return 0;
}

int DeviceProtocol::fileClose()
{
    CommandRecord rec;
    const int ret = send(Cmd::EFS_FILE_CLOSE, rec);
    if (ret != 0)
        return ret;
    m_fileOpen = false;
    return rec.status;
}

int DeviceProtocol::fileSeek(uint32_t offset)
{
    CommandRecord rec;
    rec.addU32(offset);
    const int ret = send(Cmd::EFS_FILE_SEEK, rec);
    uint32_t position = 0;
    if (ret == 0) {
        if (rec.status == Status::NoSeek) {
            Q_EMIT eventLog(tr("This firmware has no file seek: the transfer cannot be resumed"), true);
            return FileResult::NoSeek;
        }
        if (rec.status != 0)
            return reportFileError(QStringLiteral("file seek"), rec);
        if (rec.rxLen >= 4) {
            position = rec.takeU32();
            if (position == offset)
                return 0;
        }
    } else if (ret != LIBUSB_ERROR_NOT_FOUND) {
        return ret;
    }
    tellFailure(tr("File transfer failed"),
                tr("The device file is at byte %1, not at %2: the transfer cannot go on.").arg(position).arg(offset));
    return FileResult::Shown;
}

int DeviceProtocol::readNext(CommandRecord& rec, uint32_t position)
{
    const uint16_t word = m_link->readRequestWord();
    for (int reads = 0;; ++reads) {
        rec = CommandRecord();
        rec.addU8(uint8_t(word));
        rec.addU8(uint8_t(word >> 8));
        const int ret = send(Cmd::EFS_FILE_READ, rec);
        if (ret != 0)
            return ret;
        if (rec.status != 0 && rec.status != Status::EndOfFile)
            return reportFileError(QStringLiteral("file read"), rec);
        if (rec.sends <= 1)
            return 0;
        // Firmware that runs a retried read again has moved past the data of the lost answer: read that again.
        if (reads >= MaxRereads)
            return LIBUSB_ERROR_IO;
        // Without seek the data stands: a firmware that moved on leaves the file short, which its size check finds.
        if (const int seek = fileSeek(position); seek != 0)
            return seek == FileResult::NoSeek ? 0 : seek;
    }
}

int DeviceProtocol::fileReadAt(uint32_t offset, int length, QByteArray& out)
{
    const int seek = fileSeek(offset);
    if (seek != 0)
        return seek;
    out.clear();
    while (out.size() < length) {
        CommandRecord rec;
        const int ret = readNext(rec, offset + uint32_t(out.size()));
        if (ret != 0)
            return ret;
        if (rec.rxLen == 0)
            break;
        out.append(reinterpret_cast<const char*>(rec.rxData), rec.rxLen);
    }
    out.truncate(length);
    return 0;
}

int DeviceProtocol::fileRename(uint16_t id, const QByteArray& name)
{
    if (name.size() > NameField) {
        qCritical("fileRename: new name it too large '%s' len=%zd > max=%u", name.constData(), ssize_t(name.size()),
                  unsigned(NameField));
        return 1;
    }
    CommandRecord rec;
    rec.addU16(id);
    addNameField(rec, name);
    if (const int ret = sendFileCommand(*this, Cmd::EFS_FILE_RENAME, rec, QStringLiteral("fileRename")); ret != 0)
        return ret;
    return 0;
}

int DeviceProtocol::fileUnlink(uint16_t id, bool notFoundIsGone)
{
    CommandRecord rec;
    rec.addU16(id);
    const int ret = sendFileCommand(*this, Cmd::EFS_FILE_UNLINK, rec, QStringLiteral("fileUnlink"),
                                    notFoundIsGone ? Status::NotFound : 0);
    if (ret != 0 && !(ret == Status::NotFound && notFoundIsGone))
        return ret;
    const auto it = std::find_if(m_files.begin(), m_files.end(), [id](const auto& f) { return f->id == id; });
    if (it != m_files.end())
        m_files.erase(it);
    return 0;
}

int DeviceProtocol::fileDeleteMany(const QList<ushort>& ids)
{
    for (const ushort id : ids) {
        if (m_cancel)
            return 0;
        const int ret = fileUnlink(id);
        if (ret != 0)
            return ret;
    }
    return 0;
}

int DeviceProtocol::efsStats()
{
    CommandRecord rec;
    const int ret = send(Cmd::EFS_STATS, rec);
    if (ret != 0 || rec.status != 0)
        return ret;
    const uint32_t sectorSize = rec.takeU32();
    const uint32_t flashSize = rec.takeU32();
    const uint32_t sectorFree = rec.takeU32();
    const uint32_t sectorErased = rec.takeU32();
    m_efsFifth = rec.takeU32();
    m_efsStatus = rec.takeU8();
    Q_EMIT uiFlashStatus(flashSize, sectorSize, sectorFree, sectorErased, m_efsStatus);
    return 0;
}

int DeviceProtocol::reportFileError(const QString& label, const CommandRecord& request)
{
    const int status = request.status;
    Q_EMIT uiShowMessage(tr("File error"),
                         tr("%1: error %2 (%3)").arg(label).arg(status).arg(VARS::errorTextTr(status)));
    return status;
}

void DeviceProtocol::tellFailure(const QString& title, const QString& text)
{
    Q_EMIT uiShowMessage(title, text);
    Q_EMIT eventLog(text, true);
}
