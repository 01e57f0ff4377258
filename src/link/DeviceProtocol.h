#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QSharedPointer>
#include <QString>

#include "files/EfsFile.h"

class DeviceLink;
class QFile;
class QFileDevice;
class VARS;
class VarSampler;
struct CommandRecord;

// The one object through which the rest of the program talks to the device. Its procedures run
// on the device worker thread; its signals reach the window through queued connections.
// The variable procedures live in vars/, the file procedures and transfers in files/.
class DeviceProtocol : public QObject
{
    Q_OBJECT
public:
    using StopCheck = std::function<bool()>;
    using Pump = std::function<void()>;
    using Question = std::function<bool(const QString& title, const QString& text)>;

    explicit DeviceProtocol(QObject* parent = nullptr);
    ~DeviceProtocol() override;

    VARS& vars() const { return *m_vars; }
    VarSampler& sampler() const { return *m_sampler; }
    DeviceLink* link() const { return m_link; }
    void setLink(DeviceLink* link);

    void setStopCheck(StopCheck check) { m_stopCheck = std::move(check); }
    void setPump(Pump pump) { m_pump = std::move(pump); }
    void setQuestion(Question question) { m_question = std::move(question); }
    // How long a transfer waits for a lost device, and the millisecond clock that measures it
    // (a steady clock unless given); tests shorten the wait and run it in the stand-in device's time.
    void setDeviceWait(qint64 timeoutMs, std::function<qint64()> clock = {});
    bool stopRequested() const { return m_stopCheck && m_stopCheck(); }

    // Core procedures.
    int send(uint8_t cmd, CommandRecord& record);
    int readInfo(char* text1, int size1, uint8_t* status, char* text2, int size2);
    void onInfoPayload(const uint8_t* payload, int length);
    int auth(const std::string& pin);
    int reboot();
    // The clock: 0, a link error (negative) or the device's refusal (its status code).
    int getDateTime(QDateTime& out);
    int setDateTime(const QDateTime& dt);
    int varsSave(uint8_t start, uint8_t* saveState = nullptr, uint8_t* error = nullptr);
    void resetForConnect();
    void onDisconnect(bool keepVars);
    void forgetPins();
    void pace();

    bool isAuthenticated() const { return m_authenticated; }
    void setAuthenticated(bool on) { m_authenticated = on; }
    int lastAuthStatus() const { return m_lastAuthStatus; }
    void setLastAuthStatus(int status) { m_lastAuthStatus = status; }
    uint8_t efsStatus() const { return m_efsStatus; }
    QByteArray storedPin(int level) const;

    // Variables.
    int readVar(uint16_t id);
    // unanswered receives the requested ids a list reply left out when it ended without its end marker
    // (the device packs only what fits its reply frame); they have to be asked for again.
    int readVarBatch(const QList<uint16_t>& ids, QList<uint16_t>* unanswered = nullptr);
    int loadVars(const QList<uint16_t>& ids, bool batched);
    // The ids of the last load that the device never answered, its passes having given up; empty after a
    // complete load. Read from any thread.
    QList<uint16_t> unreadIds() const;
    // Ids of the running (or last) load the device has answered, with a value or a refusal.
    int loadAnswered() const { return m_loadAnsweredCount; }
    int varsSet(uint16_t id, bool withValue);
    int varsSetRedir(uint16_t id, uint16_t target);
    bool takeReloadRequest() { return m_reloadRequest.exchange(false); }

    // Device files.
    int fileUpdateList(bool emitEntries);
    // quietIfExists: "File exist" is returned without telling the user; the caller sorts it out.
    int fileCreate(const QByteArray& name, bool quietIfExists = false);
    int fileOpen(uint16_t id);
    int fileClose();
    int fileSeek(uint32_t offset);
    int fileReadAt(uint32_t offset, int length, QByteArray& out);
    int fileRename(uint16_t id, const QByteArray& name);
    // notFoundIsGone: "Not found" counts as deleted, quietly. A deletion that firmware ran twice ends so.
    int fileUnlink(uint16_t id, bool notFoundIsGone = false);
    int fileDeleteMany(const QList<ushort>& ids);
    int efsStats();
    int reportFileError(const QString& label, const CommandRecord& request);
    const QList<QSharedPointer<EfsFile>>& files() const { return m_files; }

    // Transfers.
    int fileRead(const QList<FileDownloadItem>& items);
    int fileWrite(const QString& localPath, const QString& name, bool system);
    void abortTransfer();
    uint32_t taskGeneration() const { return m_taskGeneration.load(); }
    void clearCancel() { m_cancel.store(false); }
    bool cancelled() const { return m_cancel.load(); }

Q_SIGNALS:
    void uiPinResult(int level, int code, uint32_t timeout, int ret);
    void uiDeviceInfo(int ret, uint8_t authStatus);
    void uiAuth1Checked(uint8_t efsStatus);
    void uiAuthUpdate1(uint8_t status, uint32_t timeout);
    void eventLog(QString log, bool statusbar);
    void eventLog1(QString log);
    void uiFlashStatus(uint32_t flashSize, uint32_t sectorSize, uint32_t sectorFree, uint32_t sectorErased,
                       uint8_t efsStatus);
    void uiFileTaskFile(QString label, qlonglong total);
    void uiFileTaskState(int state);
    void uiFileTaskNote(QString text);
    void uiFilesClear();
    void uiFilesAddEntry(QSharedPointer<EfsFile> efs_file);
    void uiFileWriteUpdate(uint16_t fn_id, int writed);
    void uiFileWriteEnd(uint16_t fn_id, int writed);
    void uiFileReadUpdate(uint16_t fn_id, int readed);
    void uiShowMessage(QString title, QString msg);
    void uiVarsLoadEnd();
    void uiOnVarsChangedPC(uint16_t var_id);
    void uiRedirChangedPC(uint16_t var_id);

private:
    void setUnreadIds(const QList<uint16_t>& ids);
    // Hands a value the device just reported to the plots' sampler.
    void noteRead(uint16_t id);
    // Device files and transfers (files/).
    int listByFind(bool emitEntries);
    int listBatched(bool emitEntries);
    // One EFS_FILE_READ at position, the open file's position as the caller counts it, into rec: 0, a link
    // result (negative) or a refusal already shown (positive).
    int readNext(CommandRecord& rec, uint32_t position);
    QSharedPointer<EfsFile> cachedFile(const QString& name) const;
    QSharedPointer<EfsFile> cachedFile(uint16_t id) const;
    bool ask(const QString& title, const QString& text) const;
    void tellFailure(const QString& title, const QString& text);
    int readLoop(const FileDownloadItem& item, QFileDevice& local);
    // ours: the last bytes received (up to 256), to compare with the device file.
    int recoverDownload(uint16_t id, const QByteArray& ours, uint32_t received);
    int writeLoop(uint16_t id, QFile& local, uint32_t& sent);
    int recoverUpload(uint16_t id, QFile& local, uint32_t& sent, int inFlight);
    int replaceWithUpload(const QString& name, const QString& temporary, uint16_t uploadId, qint64 expected,
                          bool expectedSystem);
    // An upload's temporary file left by an earlier run: taken over (resumeAt its size) when it is the start of
    // the local file, else deleted once the user agrees; leaves the file to write to as the open file id.
    int takeOverPartial(const EfsFile& partial, const QString& localPath, uint32_t& resumeAt);
    bool deletePartial(const QString& temporary, uint16_t id);
    // Deletes the file an upload replaces: 0 once it is gone, a refusal, or a link result when that is unknown.
    int deleteOld(uint16_t id);
    int createTemporary(const QString& temporary);
    // Runs a step of a transfer outside its chunk loops (each can run twice: a list, an open); on a link
    // that waits for a lost device, a step that lost the link runs again once the device is back.
    int withRecovery(const std::function<int()>& step);
    bool waitForDevice();
    qint64 waitClockMs() const;

    std::unique_ptr<VARS> m_vars;
    std::unique_ptr<VarSampler> m_sampler;
    DeviceLink* m_link = nullptr;
    StopCheck m_stopCheck;
    Pump m_pump;
    Question m_question;

    bool m_authenticated = false;
    int m_lastAuthStatus = -1;
    uint8_t m_efsStatus = 0xFF;
    uint32_t m_efsFifth = 0;

    mutable QMutex m_pinMutex;
    QByteArray m_pin1;
    QByteArray m_pin2;

    // Variable loading.
    int m_loadRetries = 0;
    std::atomic<bool> m_reloadRequest{false};
    QSet<uint16_t> m_loadAnswered; // worker thread only
    mutable QMutex m_unreadMutex;
    QList<uint16_t> m_unreadIds;
    std::atomic<int> m_loadAnsweredCount{0};

    // Files and transfers.
    QList<QSharedPointer<EfsFile>> m_files;
    uint16_t m_openFileId = 0;
    bool m_fileOpen = false;
    std::atomic<bool> m_transferActive{false};
    std::atomic<bool> m_cancel{false};
    std::atomic<uint32_t> m_taskGeneration{0};
    bool m_pin2Access = false;
    bool m_pin2AtStart = false;
    bool m_stoppedByPin = false;
    qint64 m_deviceWaitMs = 1800000;
    std::function<qint64()> m_waitClock;
};
