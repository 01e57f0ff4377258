// The upload and download tasks of DeviceProtocol and their recovery after a lost link.
#include "link/DeviceProtocol.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "vars/VARS.h"

namespace {

constexpr int MaxRecoveries = 50;
constexpr int MaxRestarts = 2;
constexpr uint32_t TailBytes = 256;
constexpr int PollPauseMs = 1000;
constexpr qint64 InfoIntervalMs = 10000;
// A recovery's request to transfer the file again from its start. Kept apart from the link results,
// so that a lost device during the check is never taken for the user's consent.
constexpr int StartAgain = -1000;

// The upload goes to the device under this name and is renamed once it is complete:
// settings.cfg -> settings.tmp, a.tmp -> a.tm_, .alg -> .alg.tmp; never longer than 25 characters.
QString temporaryName(const QString& target)
{
    const QString suffix =
        target.endsWith(QStringLiteral(".tmp"), Qt::CaseInsensitive) ? QStringLiteral(".tm_") : QStringLiteral(".tmp");
    const qsizetype dot = target.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= 1 ? target.left(dot) : target;
    return base.left(EfsFile::MaxName - suffix.size()) + suffix;
}

// The authentication status byte of an INFO reply: the byte after the first zero.
std::optional<uint8_t> authStatus(const CommandRecord& rec)
{
    const auto* zero = static_cast<const uint8_t*>(std::memchr(rec.rxData, 0, rec.rxLen));
    if (!zero || zero + 1 >= rec.rxData + rec.rxLen)
        return std::nullopt;
    return zero[1];
}

} // namespace

void DeviceProtocol::setDeviceWait(qint64 timeoutMs, std::function<qint64()> clock)
{
    m_deviceWaitMs = timeoutMs;
    m_waitClock = std::move(clock);
}

qint64 DeviceProtocol::waitClockMs() const
{
    if (m_waitClock)
        return m_waitClock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void DeviceProtocol::abortTransfer()
{
    ++m_taskGeneration;
    m_cancel = true;
    m_transferActive = false;
}

QSharedPointer<EfsFile> DeviceProtocol::cachedFile(const QString& name) const
{
    const auto it = std::find_if(m_files.cbegin(), m_files.cend(), [&name](const auto& f) { return f->name == name; });
    return it == m_files.cend() ? nullptr : *it;
}

QSharedPointer<EfsFile> DeviceProtocol::cachedFile(uint16_t id) const
{
    const auto it = std::find_if(m_files.cbegin(), m_files.cend(), [id](const auto& f) { return f->id == id; });
    return it == m_files.cend() ? nullptr : *it;
}

bool DeviceProtocol::ask(const QString& title, const QString& text) const
{
    return m_question && m_question(title, text);
}

int DeviceProtocol::fileWrite(const QString& localPath, const QString& name, bool system)
{
    m_pin2AtStart = m_pin2Access;
    const QString temporary = temporaryName(name);
    const qint64 expected = QFileInfo(localPath).size();

    int ret = withRecovery([this] { return fileUpdateList(false); });
    if (ret != 0)
        return ret;
    bool expectedSystem = system;
    if (const auto old = cachedFile(name))
        expectedSystem = old->system;
    // An earlier run of this upload that was cut off leaves its temporary file: it goes on from there.
    uint32_t resumeAt = 0;
    const auto partial = cachedFile(temporary);
    ret = partial ? takeOverPartial(*partial, localPath, resumeAt) : createTemporary(temporary);
    if (ret != 0)
        return ret;

    uint16_t uploadId = 0;
    for (int attempts = 0;; ++attempts) {
        uploadId = m_openFileId;
        Q_EMIT uiFileTaskFile(tr("Upload '%1', %2 bytes").arg(localPath).arg(expected), expected);
        ret = withRecovery([this, uploadId] { return fileOpen(uploadId); });
        if (ret == 0) {
            uint32_t sent = std::exchange(resumeAt, 0);
            QFile local(localPath);
            if (sent > 0)
                ret = fileSeek(sent);
            if (ret == 0 && (!local.open(QIODevice::ReadOnly) || !local.seek(sent))) {
                qCritical("fileWrite: local file open failed");
                ret = FileResult::LocalFailure;
            }
            if (ret == 0) {
                if (sent > 0)
                    Q_EMIT uiFileWriteUpdate(uploadId, int(sent));
                m_transferActive = !m_cancel;
                ret = writeLoop(uploadId, local, sent);
                if (ret == 0 && qint64(sent) != local.size())
                    ret = FileResult::Incomplete;
                local.close();
            }
            m_transferActive = false;
            fileClose();
            Q_EMIT uiFileWriteEnd(uploadId, int(sent));
        }
        if (ret != StartAgain)
            break;
        if (attempts >= MaxRestarts) {
            ret = FileResult::Shown;
            break;
        }
        Q_EMIT eventLog(tr("Upload of '%1' starts again").arg(localPath), true);
        if (!deletePartial(temporary, uploadId))
            return FileResult::Shown;
        ret = createTemporary(temporary);
        if (ret != 0)
            return ret;
    }
    if (ret == 0)
        return replaceWithUpload(name, temporary, uploadId, expected, expectedSystem);

    qWarning("upload '%s' not complete (ret=%d), delete partial file fn_id=%u", qPrintable(temporary), ret,
             unsigned(uploadId));
    deletePartial(temporary, uploadId);
    return ret == FileResult::Incomplete ? 0 : ret;
}

int DeviceProtocol::takeOverPartial(const EfsFile& partial, const QString& localPath, uint32_t& resumeAt)
{
    QFile local(localPath);
    if (!local.open(QIODevice::ReadOnly)) {
        qCritical("fileWrite: local file open failed");
        return FileResult::LocalFailure;
    }
    bool same = partial.size <= local.size();
    const uint32_t tail = std::min(partial.size, TailBytes);
    if (same) {
        int ret = withRecovery([this, &partial] { return fileOpen(partial.id); });
        if (ret != 0)
            return ret;
        QByteArray theirs;
        if (tail >= 1)
            ret = fileReadAt(partial.size - tail, int(tail), theirs);
        fileClose();
        // Without seek the upload could not go on behind the partial copy anyway.
        if (ret != 0 && ret != FileResult::NoSeek)
            return ret;
        same = ret == 0 && local.seek(partial.size - tail) && local.read(tail) == theirs;
    }
    if (same) {
        m_openFileId = partial.id;
        resumeAt = partial.size;
        Q_EMIT eventLog(tr("'%1' on the device holds the first %2 bytes of this file: the upload goes on from there")
                            .arg(partial.name)
                            .arg(partial.size),
                        true);
        return 0;
    }
    if (!ask(tr("Upload: a partial file is in the way"),
             tr("Delete the partial file %1 and upload again?").arg(partial.name))) {
        tellFailure(tr("Upload failed"),
                    tr("The partial file %1 on the device is not part of this file and was kept.").arg(partial.name));
        return FileResult::Shown;
    }
    if (!deletePartial(partial.name, partial.id))
        return FileResult::Shown;
    return createTemporary(partial.name);
}

bool DeviceProtocol::deletePartial(const QString& temporary, uint16_t id)
{
    if (fileUnlink(id, true) == 0)
        return true;
    // Every temporary file that stays behind is named in the log; the next upload of the same file goes on from it.
    Q_EMIT eventLog(tr("The partial file '%1' could not be deleted from the device").arg(temporary), true);
    return false;
}

int DeviceProtocol::createTemporary(const QString& temporary)
{
    for (int creates = 1;; ++creates) {
        const int ret = fileCreate(temporary.toLatin1(), true);
        if (ret == 0 || (ret > 0 && ret != Status::FileExists))
            return ret;
        // The list just read had no file of that name, yet the device may have created it: firmware that
        // runs a retried frame again answers the retry "File exist", and a create whose answers were all
        // lost may still have run. A file of that name now is this upload's own.
        const int listed = withRecovery([this] { return fileUpdateList(false); });
        if (listed != 0) {
            Q_EMIT eventLog(tr("The partial file '%1' may be left on the device").arg(temporary), true);
            return ret < 0 ? ret : listed;
        }
        if (const auto made = cachedFile(temporary)) {
            m_openFileId = made->id;
            return 0;
        }
        if (ret > 0) {
            CommandRecord refused;
            refused.status = uint16_t(ret);
            return reportFileError(QStringLiteral("fileCreate(%1)").arg(temporary), refused);
        }
        // The create never ran; the device is back, so it may run now.
        if (creates > MaxRestarts)
            return ret;
    }
}

int DeviceProtocol::withRecovery(const std::function<int()>& step)
{
    int ret = step();
    for (int recoveries = 0; ret < 0 && m_link->resumesTransfers() && !m_cancel && recoveries < MaxRecoveries;
         ++recoveries) {
        const QString text = tr("The link to the device was lost, waiting for the device ...");
        Q_EMIT uiFileTaskState(1);
        Q_EMIT uiFileTaskNote(text);
        Q_EMIT eventLog(text, true);
        if (!waitForDevice())
            return m_stoppedByPin ? FileResult::Shown : ret;
        Q_EMIT uiFileTaskState(3);
        ret = step();
    }
    return ret;
}

int DeviceProtocol::replaceWithUpload(const QString& name, const QString& temporary, uint16_t uploadId, qint64 expected,
                                      bool expectedSystem)
{
    int ret = withRecovery([this] { return fileUpdateList(false); });
    const auto uploaded = ret == 0 ? cachedFile(temporary) : nullptr;
    if (!uploaded || uploaded->size != expected) {
        tellFailure(
            tr("Upload failed"),
            uploaded ? tr("'%1' on the device has %2 bytes, the local file has %3. The old file is kept.")
                           .arg(temporary)
                           .arg(uploaded->size)
                           .arg(expected)
                     : tr("'%1' was not found on the device after the upload. The old file is kept.").arg(temporary));
        // Also when the list could not be read: the upload is not used, so it is not left behind either.
        if (uploaded || ret != 0)
            deletePartial(temporary, uploadId);
        return ret != 0 ? ret : FileResult::Shown;
    }

    const QString notRenamed =
        tr("The file is uploaded but could not be renamed. It stays on the device as '%1'.").arg(temporary);
    if (const auto old = cachedFile(name)) {
        ret = deleteOld(old->id);
        // After a lost answer the old file may be gone: the new one stays, or the device could hold neither.
        if (ret < 0) {
            tellFailure(tr("Upload failed"), notRenamed);
            return ret;
        }
        if (ret > 0) {
            deletePartial(temporary, uploadId);
            return ret;
        }
    }

    ret = fileRename(uploadId, name.toLatin1());
    if (ret < 0 && withRecovery([this] { return fileUpdateList(false); }) == 0) {
        const auto renamed = cachedFile(name);
        if (renamed && renamed->id == uploadId)
            ret = 0; // only the answer was lost
        else if (cachedFile(uploadId))
            ret = fileRename(uploadId, name.toLatin1());
    }
    if (ret != 0) {
        tellFailure(tr("Upload failed"), notRenamed);
        return ret;
    }

    ret = withRecovery([this] { return fileUpdateList(false); });
    const auto placed = ret == 0 ? cachedFile(name) : nullptr;
    if (placed && placed->size == expected && placed->system == expectedSystem)
        return 0;
    tellFailure(tr("Upload failed"), tr("Check of '%1' on the device failed after the upload.").arg(name));
    return ret != 0 ? ret : FileResult::Shown;
}

int DeviceProtocol::deleteOld(uint16_t id)
{
    // "Not found" is what firmware that runs a retried deletion again answers once the first run took it.
    int ret = fileUnlink(id, true);
    for (int looks = 0; ret < 0 && looks <= MaxRestarts; ++looks) {
        // A lost answer does not tell whether the file is gone: look before deleting it again.
        if (withRecovery([this] { return fileUpdateList(false); }) != 0)
            return ret;
        ret = cachedFile(id) ? fileUnlink(id, true) : 0;
    }
    return ret;
}

int DeviceProtocol::writeLoop(uint16_t id, QFile& local, uint32_t& sent)
{
    if (!m_transferActive)
        return 0;
    const QString path = local.fileName();
    int recoveries = 0;
    for (;;) {
        if (local.atEnd())
            return 0;
        const QByteArray chunk = local.read(m_link->maxTxPayload());
        if (chunk.isEmpty())
            return FileResult::LocalFailure;
        CommandRecord rec;
        rec.add(chunk.constData(), std::size_t(chunk.size()));
        const int ret = send(Cmd::EFS_FILE_WRITE, rec);
        if (ret != 0) {
            const auto linkError = [&] {
                Q_EMIT eventLog1(
                    QString::asprintf("fileWrite USB Error %u - %d (%s)", unsigned(ret), int(sent), qPrintable(path)));
                return ret;
            };
            if (!m_link->resumesTransfers() || m_cancel || recoveries >= MaxRecoveries)
                return linkError();
            const QString text = tr("Upload interrupted at %1 bytes, waiting for the device ...").arg(sent);
            Q_EMIT uiFileTaskState(1);
            Q_EMIT uiFileTaskNote(text);
            Q_EMIT eventLog(text, true);
            if (!waitForDevice())
                return m_stoppedByPin ? FileResult::Shown : linkError();
            const int check = recoverUpload(id, local, sent, int(chunk.size()));
            if (check == FileResult::Shown || check == StartAgain)
                return check;
            if (check != 0)
                return linkError();
            ++recoveries;
            if (!m_transferActive)
                return 0;
            continue;
        }
        if (rec.status != 0) {
            Q_EMIT eventLog1(QString::asprintf("fileWrite cmd TX Error %u(%s) - %d (%s)", unsigned(rec.status),
                                               qPrintable(VARS::errorText(rec.status)), int(sent), qPrintable(path)));
            return rec.status;
        }
        const uint16_t written = rec.rxLen >= 2 ? rec.takeU16() : 0;
        if (written != chunk.size()) {
            tellFailure(tr("File transfer failed"),
                        tr("The device wrote %1 of %2 bytes at byte %3.").arg(written).arg(chunk.size()).arg(sent));
            return FileResult::Shown;
        }
        if (rec.sends > 1 && recoveries < MaxRecoveries) {
            // Firmware that runs a retried frame again may have stored the chunk twice: look at the device file.
            // Without seek nothing could be mended; the size checks after the upload decide instead.
            const int seek = fileSeek(sent + uint32_t(chunk.size()));
            if (seek != 0 && seek != FileResult::NoSeek)
                return seek;
            if (seek == 0) {
                const int check = recoverUpload(id, local, sent, int(chunk.size()));
                if (check != 0)
                    return check;
                ++recoveries;
                if (!m_transferActive)
                    return 0;
                continue;
            }
        }
        sent += uint32_t(chunk.size());
        Q_EMIT uiFileWriteUpdate(id, int(sent));
        if (!m_transferActive)
            return 0;
    }
}

int DeviceProtocol::recoverUpload(uint16_t id, QFile& local, uint32_t& sent, int inFlight)
{
    Q_EMIT uiFileTaskState(3);
    fileClose();
    int ret = fileUpdateList(false);
    if (ret != 0)
        return ret;
    const auto file = cachedFile(id);
    if (!file) {
        Q_EMIT eventLog(tr("The file is gone from the device"), true);
        return FileResult::Shown;
    }
    const uint32_t deviceSize = file->size;
    ret = fileOpen(id);
    if (ret != 0)
        return ret;

    // The device may or may not have stored the chunk whose answer was lost; firmware that runs a retried
    // frame again may have stored it once per try, each copy behind the last. The upload goes on behind
    // the first copy, and what follows overwrites the others.
    const uint32_t chunk = uint32_t(inFlight);
    const uint32_t beyond = deviceSize - std::min(deviceSize, sent);
    const bool copies =
        chunk > 0 && beyond > chunk && beyond % chunk == 0 && beyond / chunk <= m_link->timeouts().writeTries;
    const uint32_t held = copies ? sent + chunk : deviceSize;
    QString mismatch;
    uint32_t tail = 0;
    if (held == sent || held == sent + chunk) {
        tail = std::min(held, TailBytes);
        if (tail >= 1) {
            QByteArray theirs;
            ret = fileReadAt(held - tail, int(tail), theirs);
            if (ret != 0)
                return ret;
            const QByteArray ours = local.seek(held - tail) ? local.read(tail) : QByteArray();
            if (ours != theirs)
                mismatch = tr("The last %1 bytes of the device file (before byte %2) differ from the local file.")
                               .arg(tail)
                               .arg(held);
        }
    } else {
        mismatch = tr("The device file has %1 bytes, %2 were sent.").arg(deviceSize).arg(sent);
    }

    if (mismatch.isEmpty() && deviceSize > local.size()) {
        // A copy that reaches past the end of the local file would never be overwritten.
        Q_EMIT eventLog(tr("The device stored the last piece more than once: the upload starts again"), true);
        return StartAgain;
    }
    if (mismatch.isEmpty()) {
        ret = fileSeek(held);
        if (ret != 0)
            return ret;
        if (!local.seek(held))
            return FileResult::LocalFailure;
        sent = held;
        Q_EMIT uiFileWriteUpdate(id, int(held));
        Q_EMIT eventLog(tr("The device holds %1 bytes, the last %2 match: the upload goes on").arg(held).arg(tail),
                        true);
        return 0;
    }
    Q_EMIT eventLog(mismatch, true);
    if (ask(tr("Upload: the file on the device does not match"),
            mismatch + QStringLiteral("\n\n") + tr("Send the file again from the start? (No: cancel the upload.)")))
        return StartAgain;
    Q_EMIT eventLog(tr("Upload cancelled after the check of the device file"), true);
    return FileResult::Shown;
}

int DeviceProtocol::fileRead(const QList<FileDownloadItem>& items)
{
    m_pin2AtStart = m_pin2Access;
    for (const FileDownloadItem& item : items) {
        if (m_cancel)
            return 0;
        Q_EMIT uiFileTaskFile(tr("Download '%1', %2 bytes").arg(item.name).arg(item.size), item.size);
        // The data goes to a temporary sibling that replaces the local file only once its size is checked:
        // whatever stops the download, the earlier file stays as it was and no partial file is left.
        QSaveFile local(item.localPath);
        if (!local.open(QIODevice::WriteOnly)) {
            qCritical("fileRead qFile().open - fail");
            return FileResult::LocalFailure;
        }
        int ret = withRecovery([this, &item] { return fileOpen(item.id); });
        if (ret != 0)
            return ret;
        m_transferActive = !m_cancel;
        ret = readLoop(item, local);
        fileClose();
        m_transferActive = false;
        if (ret != 0 || m_cancel)
            return ret;
        const qint64 localSize = local.size();
        if (localSize != qint64(item.size)) {
            tellFailure(tr("Download failed"), tr("'%1' has %2 bytes on the device, the downloaded file has %3.")
                                                   .arg(item.name)
                                                   .arg(item.size)
                                                   .arg(localSize));
            return FileResult::Shown;
        }
        if (!local.commit()) {
            tellFailure(tr("Download failed"), tr("'%1' could not replace the local file %2 (%3).")
                                                   .arg(item.name, item.localPath, local.errorString()));
            return FileResult::Shown;
        }
    }
    return 0;
}

int DeviceProtocol::readLoop(const FileDownloadItem& item, QFileDevice& local)
{
    uint32_t received = 0;
    QByteArray tail; // the last bytes received, for the check after a recovery
    int recoveries = 0;
    int restarts = 0;
    while (m_transferActive) {
        CommandRecord rec;
        const int ret = readNext(rec, received);
        if (ret > 0)
            return ret;
        if (ret == 0) {
            if (rec.rxLen == 0)
                return 0;
            // The list said how long the file is; a device that goes on is not trusted with the disk.
            if (qint64(received) + rec.rxLen > qint64(item.size)) {
                tellFailure(tr("Download failed"),
                            tr("The device sends more than the %1 bytes listed for '%2'. The download is stopped.")
                                .arg(item.size)
                                .arg(item.name));
                return FileResult::Shown;
            }
            const char* data = reinterpret_cast<const char*>(rec.rxData);
            if (local.write(data, rec.rxLen) != rec.rxLen) {
                Q_EMIT uiShowMessage(tr("File transfer failed"), tr("Cannot write the local file"));
                return FileResult::LocalFailure;
            }
            tail.append(data, rec.rxLen);
            if (tail.size() > qsizetype(TailBytes))
                tail.remove(0, tail.size() - qsizetype(TailBytes));
            received += rec.rxLen;
            Q_EMIT uiFileReadUpdate(item.id, int(received));
            continue;
        }

        const auto linkFailure = [&] {
            Q_EMIT uiShowMessage(tr("File transfer failed"),
                                 tr("The link to the device failed while reading the file"));
            return ret;
        };
        if (!m_link->resumesTransfers() || m_cancel || recoveries >= MaxRecoveries)
            return linkFailure();
        ++recoveries;
        const int recovered = recoverDownload(item.id, tail, received);
        if (recovered == 0)
            continue;
        if (recovered == FileResult::Shown)
            return recovered;
        if (recovered != StartAgain)
            return linkFailure();
        if (restarts >= MaxRestarts)
            return FileResult::Shown;
        if (!local.resize(0) || !local.seek(0) || fileSeek(0) != 0)
            return linkFailure();
        received = 0;
        tail.clear();
        ++restarts;
        Q_EMIT uiFileReadUpdate(item.id, 0);
        Q_EMIT eventLog(tr("Download starts again"), true);
    }
    return 0;
}

int DeviceProtocol::recoverDownload(uint16_t id, const QByteArray& ours, uint32_t received)
{
    const QString text = tr("Download interrupted at %1 bytes, waiting for the device ...").arg(received);
    Q_EMIT uiFileTaskState(1);
    Q_EMIT uiFileTaskNote(text);
    Q_EMIT eventLog(text, true);
    if (!waitForDevice())
        return m_stoppedByPin ? FileResult::Shown : FileResult::DeviceGone;

    Q_EMIT uiFileTaskState(3);
    fileClose();
    int ret = fileUpdateList(false);
    if (ret != 0)
        return ret;
    QString mismatch;
    if (const auto file = cachedFile(id); !file)
        mismatch = tr("The file is gone from the device.");
    else if (file->size < received)
        mismatch = tr("The device file has %1 bytes, %2 were received.").arg(file->size).arg(received);
    ret = fileOpen(id);
    if (ret != 0)
        return ret;

    const uint32_t tail = std::min(received, TailBytes);
    if (mismatch.isEmpty() && tail >= 1) {
        QByteArray theirs;
        ret = fileReadAt(received - tail, int(tail), theirs);
        if (ret != 0)
            return ret;
        if (ours.right(tail) != theirs)
            mismatch =
                tr("The last %1 bytes received (before byte %2) differ from the device file.").arg(tail).arg(received);
    }
    if (mismatch.isEmpty()) {
        ret = fileSeek(received);
        if (ret != 0)
            return ret;
        Q_EMIT eventLog(tr("The last %1 bytes match: the download goes on from %2 bytes").arg(tail).arg(received),
                        true);
        return 0;
    }
    Q_EMIT eventLog(mismatch, true);
    if (ask(tr("Download: the file does not match"),
            mismatch + QStringLiteral("\n\n") +
                tr("Download the file again from the start? (No: cancel the download.)")))
        return StartAgain;
    Q_EMIT eventLog(tr("Download cancelled after the check of the file"), true);
    return FileResult::Shown;
}

bool DeviceProtocol::waitForDevice()
{
    m_stoppedByPin = false;
    const qint64 start = waitClockMs();
    bool pin1Tried = false;
    int announced = 0;
    qint64 lastInfo = -1;
    bool answered = false;
    bool askNow = false;
    bool ready = false;

    while (!stopRequested() && !m_cancel && m_link->keepsPins()) {
        bool pause = true;
        if (m_link->isOpen() || m_link->open()) {
            if (m_pump)
                m_pump();
            // An INFO every ten seconds is enough, unless the status of an answer is not known yet.
            const bool infoDue = askNow || lastInfo < 0 || waitClockMs() - lastInfo >= InfoIntervalMs ||
                                 (answered && m_lastAuthStatus == -1) || !m_link->batchedReads();
            CommandRecord rec;
            if (infoDue) {
                askNow = false;
                lastInfo = waitClockMs();
            }
            const int asked = infoDue ? send(Cmd::INFO, rec) : 1;
            if (asked < 0) {
                // A pulled cable leaves the handle dead; a replugged device is only reached through a new one.
                QMutexLocker lock(&m_link->commandMutex());
                m_link->close();
            } else if (asked == 0) {
                if (!answered) {
                    answered = true;
                    m_lastAuthStatus = -1;
                }
                onInfoPayload(rec.rxData, rec.rxLen);
                const std::optional<uint8_t> status = authStatus(rec);
                if (status && (*status & AuthBit::Pin1) && (!m_pin2AtStart || (*status & AuthBit::Pin2))) {
                    // A restarted device answers before its file system is up, and until then its file looks
                    // gone: the check waits for it.
                    if (efsStats() == 0 && efsUsable(m_efsStatus)) {
                        ready = true;
                        break;
                    }
                } else {
                    const int level = status && (*status & AuthBit::Pin1) ? 2 : 1;
                    const QByteArray pin = storedPin(level);
                    if (status && !pin.isEmpty() && !pin1Tried && level == 1) {
                        pin1Tried = true;
                        Q_EMIT eventLog(tr("Device is back: PIN %1 is sent again").arg(level), true);
                        const int answer = auth(pin.toStdString());
                        if (answer != 0) {
                            tellFailure(
                                tr("File transfer stopped"),
                                tr("The device is back, but PIN %1 was not accepted (answer %2). The transfer is "
                                   "stopped: enter the PIN and start it again.")
                                    .arg(level)
                                    .arg(answer));
                            m_stoppedByPin = true;
                            return false;
                        }
                        askNow = true;
                        pause = false;
                    } else if (level != announced) {
                        announced = level;
                        const QString text =
                            level == 1 ? tr("Device is back: send PIN 1 to continue the transfer")
                                       : tr("Device is back: send PIN 2 to continue the transfer (system files)");
                        Q_EMIT uiFileTaskState(level == 1 ? 2 : 4);
                        Q_EMIT uiFileTaskNote(text);
                        Q_EMIT eventLog(text, true);
                    }
                }
            }
        }
        if (pause)
            m_link->sleepMs(PollPauseMs);
        if (waitClockMs() - start >= m_deviceWaitMs)
            break;
    }
    if (!ready && !m_link->keepsPins())
        forgetPins();
    return ready;
}
