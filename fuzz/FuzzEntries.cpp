#include "FuzzEntries.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <libusb.h>

#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "link/DeviceProtocol.h"
#include "link/Frame.h"
#include "update/UpdateChecker.h"
#include "vars/SettingsFile.h"
#include "vars/VarsUI.h"

namespace {

constexpr int LargeFrame = 1024;

// A device that answers each request with the next prepared reply (a valid frame around fuzz bytes)
// and stops answering when they run out.
class FuzzLink : public DeviceLink
{
public:
    FuzzLink(bool batched, std::vector<QByteArray> payloads, std::vector<uint8_t> statuses)
        : m_batched(batched), m_payloads(std::move(payloads)), m_statuses(std::move(statuses))
    {
        m_ready = 1;
    }
    bool isOpen() const override { return true; }
    bool open() override { return true; }
    void close() override {}
    int transact(unsigned tries, unsigned timeoutMs) override { return runExchange(tries, timeoutMs); }
    int maxFrame() const override { return m_batched ? LargeFrame : DeviceLink::maxFrame(); }
    int maxReplyFrame() const override { return m_batched ? LargeFrame : DeviceLink::maxReplyFrame(); }
    bool batchedReads() const override { return m_batched; }
    uint32_t kindMask(uint8_t, const CommandRecord&) const override
    {
        return m_batched ? LinkKind::Batched : LinkKind::Usb;
    }
    void sleepMs(int) override {}

protected:
    int writeFrame(const uint8_t* frame, int, unsigned) override
    {
        m_next.clear();
        if (m_used < m_payloads.size()) {
            const QByteArray payload = m_payloads[m_used].left(maxReplyFrame() - Frame::ReplyHeader);
            m_next = Frame::makeReply(frame[Frame::OffSeq], frame[Frame::OffCmd], m_statuses[m_used], payload);
            ++m_used;
        }
        return 0;
    }
    int readFrame(uint8_t* buffer, int capacity, unsigned) override
    {
        if (m_next.isEmpty())
            return LIBUSB_ERROR_TIMEOUT;
        std::memcpy(buffer, m_next.constData(), std::size_t(std::min<qsizetype>(m_next.size(), capacity)));
        m_next.clear();
        return 0;
    }

private:
    bool m_batched;
    std::vector<QByteArray> m_payloads;
    std::vector<uint8_t> m_statuses;
    std::size_t m_used = 0;
    QByteArray m_next;
};

QByteArray bytes(const uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// One reply carrying all the bytes, status 0.
void runWithReply(bool batched, const uint8_t* data, std::size_t size, void (*use)(DeviceProtocol&))
{
    FuzzLink link(batched, {bytes(data, size)}, {0});
    DeviceProtocol protocol;
    protocol.setLink(&link);
    use(protocol);
}

// A run of replies, each as a status byte, a 16-bit little-endian length and that many bytes.
void runWithReplies(bool batched, const uint8_t* data, std::size_t size, void (*use)(DeviceProtocol&))
{
    // A transfer on the batched link waits for a lost device; here it gives up at once.
    constexpr qint64 NoWait = 0;
    std::vector<QByteArray> payloads;
    std::vector<uint8_t> statuses;
    std::size_t pos = 0;
    while (size - pos >= 3) {
        const uint8_t status = data[pos];
        const std::size_t len = std::min<std::size_t>(data[pos + 1] | (data[pos + 2] << 8), size - pos - 3);
        statuses.push_back(status);
        payloads.push_back(bytes(data + pos + 3, len));
        pos += 3 + len;
    }
    FuzzLink link(batched, std::move(payloads), std::move(statuses));
    DeviceProtocol protocol;
    protocol.setLink(&link);
    protocol.setDeviceWait(NoWait);
    use(protocol);
}

// The same with the first byte choosing the link: odd for the batched one, which recovers a transfer.
void runTransfer(const uint8_t* data, std::size_t size, void (*use)(DeviceProtocol&))
{
    if (size == 0)
        return;
    runWithReplies((data[0] & 1) != 0, data + 1, size - 1, use);
}

// A folder for the local side of the transfers, made once per process.
const QDir& scratch()
{
    static QTemporaryDir dir;
    static const QDir path(dir.path());
    return path;
}

void replyFrame(const uint8_t* data, std::size_t size)
{
    uint8_t frame[Frame::BufferSize] = {};
    if (size > 0)
        std::memcpy(frame, data, std::min<std::size_t>(size, sizeof frame));
    Frame::isValidReply(frame, 64);
    Frame::isValidReply(frame, LargeFrame);
}

void varGet(const uint8_t* data, std::size_t size)
{
    runWithReply(false, data, size, [](DeviceProtocol& p) { p.readVar(1000); });
}

void varGetList(const uint8_t* data, std::size_t size)
{
    runWithReply(true, data, size, [](DeviceProtocol& p) {
        QList<uint16_t> ids;
        for (uint16_t id = 1000; id < 1024; ++id)
            ids.append(id);
        QList<uint16_t> unanswered;
        p.readVarBatch(ids, &unanswered);
    });
}

void fileFind(const uint8_t* data, std::size_t size)
{
    runWithReplies(false, data, size, [](DeviceProtocol& p) { p.fileUpdateList(true); });
}

void fileList(const uint8_t* data, std::size_t size)
{
    runWithReplies(true, data, size, [](DeviceProtocol& p) { p.fileUpdateList(true); });
}

void fileCreate(const uint8_t* data, std::size_t size)
{
    runWithReplies(false, data, size, [](DeviceProtocol& p) { p.fileCreate("fuzz.bin"); });
}

void fileSeek(const uint8_t* data, std::size_t size)
{
    runWithReplies(false, data, size, [](DeviceProtocol& p) { p.fileSeek(1000); });
}

// An upload of three chunks and a bit: list, create, open, the writes, then the checks and the rename.
void fileWrite(const uint8_t* data, std::size_t size)
{
    static const QString local = [] {
        const QString path = scratch().filePath(QStringLiteral("upload.bin"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(3 * 57 + 10, 'u'));
        return path;
    }();
    runTransfer(data, size, [](DeviceProtocol& p) { p.fileWrite(local, QStringLiteral("fuzz.cfg"), false); });
}

// A download listed at 200 bytes: open, the reads, and on the batched link the recovery's list and tail check.
void fileRead(const uint8_t* data, std::size_t size)
{
    runTransfer(data, size, [](DeviceProtocol& p) {
        p.fileRead({{1, QStringLiteral("fuzz.bin"), 200, scratch().filePath(QStringLiteral("download.bin"))}});
    });
}

void efsStats(const uint8_t* data, std::size_t size)
{
    runWithReplies(false, data, size, [](DeviceProtocol& p) { p.efsStats(); });
}

// The answer to a PIN, a refusal with its lock time among them.
void pinLock(const uint8_t* data, std::size_t size)
{
    runWithReplies(false, data, size, [](DeviceProtocol& p) { p.auth("1234"); });
}

void info(const uint8_t* data, std::size_t size)
{
    runWithReply(false, data, size, [](DeviceProtocol& p) {
        char text1[64];
        char text2[64];
        uint8_t status = 0;
        p.readInfo(text1, sizeof text1, &status, text2, sizeof text2);
    });
    DeviceProtocol protocol;
    const QByteArray copy = bytes(data, size); // exactly the given length, so reads past it are caught
    protocol.onInfoPayload(reinterpret_cast<const uint8_t*>(copy.constData()), int(copy.size()));
}

void pageXml(const uint8_t* data, std::size_t size)
{
    QTemporaryFile file;
    if (!file.open() || file.write(bytes(data, size)) != qint64(size))
        return;
    file.close();
    VarsUI model;
    model.loadPageXml(file.fileName());
    model.loadGroupsFile(file.fileName());
}

bool sameSettings(const SettingsFile& a, const SettingsFile& b)
{
    return a.model == b.model && a.serial == b.serial && a.firmware == b.firmware && a.algorithm == b.algorithm &&
           a.saved == b.saved && a.entries == b.entries;
}

// Whatever is read is written back the same: a settings file survives a save unchanged.
void settings(const uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("fuzz.settings");
    const std::optional<SettingsFile> read = SettingsFile::parse(bytes(data, size), name);
    if (!read)
        return;
    const std::optional<SettingsFile> again = SettingsFile::parse(read->toText(), name);
    if (!again || !sameSettings(*read, *again)) {
        std::fprintf(stderr, "settings: the written file does not read back the same\n");
        std::abort();
    }
}

void updatePage(const uint8_t* data, std::size_t size)
{
    UpdateChecker::parseSection(QString::fromUtf8(bytes(data, size)), QStringLiteral("https://updates.invalid"));
}

constexpr FuzzEntries::Entry Entries[] = {
    {"reply_frame", replyFrame}, {"var_get", varGet},     {"var_get_list", varGetList},
    {"file_find", fileFind},     {"file_list", fileList}, {"info", info},
    {"page_xml", pageXml},       {"settings", settings},  {"update_page", updatePage},
    {"file_create", fileCreate}, {"file_seek", fileSeek}, {"file_write", fileWrite},
    {"file_read", fileRead},     {"efs_stats", efsStats}, {"pin_lock", pinLock},
};

} // namespace

std::span<const FuzzEntries::Entry> FuzzEntries::entries()
{
    return Entries;
}

const FuzzEntries::Entry* FuzzEntries::find(const char* name)
{
    for (const Entry& e : Entries) {
        if (std::strcmp(e.name, name) == 0)
            return &e;
    }
    return nullptr;
}
