// A seeded campaign of random faults against the stand-in device: for each fault a full load, a burst of
// edits of every variable type, an upload, a download of one or of several files, or a transfer cancelled
// halfway runs once cleanly to count its exchanges, then again with one fault at a random one of them (the
// device lost, answers lost, stale or corrupt answers), on either link. Every campaign runs twice: against
// a device that answers a retried frame from its last reply, and against one that runs it again.
// After each run: an edit reported successful is held by the device, a load reported complete matches it,
// the device file is the old one or the complete new one, a temporary file left on the device was
// reported, a download reported successful is byte-identical and a failed or cancelled one left the
// earlier local file as it was.
// Safety is not enough: a fault the program is built to ride out (one the link's tries absorb, or on the
// batched link a device that comes back during a transfer) should not end the work. recovered_ratio is
// the share of such runs that ended successfully, the lower of the two device kinds.
//   faults_run, faults_run_reexec                       runs with a fault
//   invariant_violations, invariant_violations_reexec   runs that broke a rule (each described on stderr)
//   recoverable_runs, recoverable_runs_reexec           runs hit by a fault the program should ride out
//   recovered_ratio                                     recoverable runs that succeeded
// A second campaign runs on the USB link's profile (no batched reads, transfers resume): uploads, downloads and
// cancelled transfers cut by a pulled cable, with the figures faults_run_usb, faults_run_usb_reexec,
// recoverable_runs_usb(_reexec), invariant_violations_usb (both device kinds) and recovered_ratio_usb.
// Usage: bench_fault_campaign [--faults N] [--seed S] [--min-recovered R]; exits 1 on any violation or a
// recovered_ratio below R (0.95), 2 on a hang.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include "link/DeviceProtocol.h"
#include "sim/SimAudit.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "vars/SettingsSnapshot.h"
#include "vars/SnapshotWriter.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"
#include "vars/VarsRegistry.h"
#include "worker/DeviceStack.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto RunLimit = std::chrono::seconds(30); // one run taking longer counts as a hang
constexpr int EditsPerBurst = 8;
enum Work
{
    Load,
    Edits,
    Upload,
    Download,
    DownloadMany,
    Cancel,
    WriteDifferences,
    WorkKinds
};
const char* const WorkNames[] = {"load",
                                 "edits",
                                 "upload",
                                 "download",
                                 "download of several files",
                                 "cancel",
                                 "write differences from a settings file"};
const char* const FaultNames[] = {"device lost", "answers lost", "stale answers", "corrupt answer",
                                  "answer lost, then device lost"};

QByteArray pattern(QRandomGenerator& rng, int size)
{
    QByteArray data(size, '\0');
    for (char& c : data)
        c = char(rng.bounded(256));
    return data;
}

// Ends the program when one run does not finish in time: a hang must not pass as a slow run.
class Watchdog
{
public:
    Watchdog()
        : m_thread([this] {
              std::unique_lock lock(m_mutex);
              while (!m_stop) {
                  m_wake.wait_for(lock, std::chrono::milliseconds(200));
                  if (m_armed && Clock::now() - m_started > RunLimit) {
                      std::fprintf(stderr, "hang: %s\n", m_what.c_str());
                      std::fflush(stdout);
                      std::_Exit(2);
                  }
              }
          })
    {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    void arm(std::string what)
    {
        std::lock_guard lock(m_mutex);
        m_what = std::move(what);
        m_started = Clock::now();
        m_armed = true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_armed = false;
    Clock::time_point m_started;
    std::string m_what;
    std::thread m_thread;
};

// One fresh stand-in device with the demo profile, a link to it and the protocol, logged in.
struct Stand
{
    Stand(bool batched, bool resumes, bool answer)
        : clock(std::make_shared<ManualClock>()), device(std::make_shared<SimDevice>(clock)), link(device)
    {
        QString error;
        if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error)) {
            std::fprintf(stderr, "default profile: %s\n", qPrintable(error));
            std::exit(1);
        }
        link.setBatched(batched);
        link.setResumes(resumes);
        link.setSleepClock(clock);
        protocol.setLink(&link);
        // Waits for a lost device pass in the device's time, not in real time.
        protocol.setDeviceWait(30 * 60 * 1000, [c = clock] { return c->nowMs(); });
        protocol.setQuestion([answer](const QString&, const QString&) { return answer; });
        QObject::connect(&protocol, &DeviceProtocol::eventLog, [this](const QString& text) { log << text; });
        QObject::connect(&protocol, &DeviceProtocol::uiShowMessage,
                         [this](const QString& title, const QString& text) { messages << title + '|' + text; });
        const auto progress = [this](uint16_t, int bytes) {
            if (cancelAt >= 0 && bytes >= cancelAt && !cancelled) {
                cancelled = true;
                protocol.abortTransfer();
            }
        };
        QObject::connect(&protocol, &DeviceProtocol::uiFileWriteUpdate, progress);
        QObject::connect(&protocol, &DeviceProtocol::uiFileReadUpdate, progress);
        if (!link.open() || protocol.auth("1234") != 0) {
            std::fprintf(stderr, "the stand-in device did not answer\n");
            std::exit(1);
        }
    }

    void clearReports()
    {
        log.clear();
        messages.clear();
        cancelled = false;
        protocol.clearCancel();
    }

    std::shared_ptr<ManualClock> clock;
    std::shared_ptr<SimDevice> device;
    SimLink link;
    DeviceProtocol protocol;
    QStringList log;
    QStringList messages;
    qint64 cancelAt = -1; // a transfer is cancelled once it has moved that many bytes (-1: never)
    bool cancelled = false;
};

// One piece of work: prepare runs before the fault is armed, work is what the fault hits, check looks
// at what it left. Edits are checked as they are reported, so work keeps what it found for check.
// succeeded tells whether the work ended as asked (for liveness); cancelled work is never counted.
struct Scenario
{
    std::function<void(Stand&)> prepare;
    std::function<void(Stand&)> work;
    std::function<QString(Stand&)> check;
    std::function<bool()> succeeded;
};

struct Outcome
{
    QString violation;
    bool recoverable = false;
    bool succeeded = false;
};

class Campaign
{
public:
    // usbProfile: the USB link's profile (no batched reads, transfers resume) and only transfers, cut by a pulled
    // cable; otherwise every kind of work and fault on either link, where only the batched link resumes.
    Campaign(quint32 seed, bool reruns, bool usbProfile) : m_rng(seed), m_reruns(reruns), m_usbProfile(usbProfile) {}

    Outcome run(int index, Watchdog& watchdog);

private:
    static Scenario load(bool batched);
    Scenario edits(const SimDevice& device, bool batched);
    Scenario transfer(bool upload, bool cancel);
    Scenario downloadMany();
    Outcome writeDifferences(const QString& what, bool batched, int faultKind);
    QString valueText(char type);
    // Arms the fault; true when the link's tries absorb it.
    bool arm(SimLink& link, int faultKind, int point);

    QRandomGenerator m_rng;
    bool m_reruns;
    const bool m_usbProfile;
    QTemporaryDir m_dir;
};

Scenario Campaign::load(bool batched)
{
    auto result = std::make_shared<int>(0);
    return {[](Stand& s) { s.protocol.vars().clear(); },
            [batched, result](Stand& s) { *result = s.protocol.loadVars(s.device->variableIds(), batched); },
            [batched, result](Stand& s) {
                if (*result != 0)
                    return QString();
                const QString mismatch = SimAudit::storeMismatch(s.protocol.vars(), *s.device, batched);
                return mismatch.isEmpty() ? mismatch : QStringLiteral("load reported complete: ") + mismatch;
            },
            [result] { return *result == 0; }};
}

Scenario Campaign::edits(const SimDevice& device, bool batched)
{
    // Writable variables by type, so that every burst edits each type the device has.
    QMap<char, QList<uint16_t>> writable;
    for (const uint16_t id : device.variableIds()) {
        const auto v = device.variable(id);
        if (!(v->flags & VarFlag::ReadOnly))
            writable[v->type].append(id);
    }
    QList<std::pair<uint16_t, QString>> burst;
    for (auto it = writable.cbegin(); it != writable.cend(); ++it)
        burst.append({it->at(m_rng.bounded(int(it->size()))), valueText(it.key())});
    while (burst.size() < EditsPerBurst) {
        const auto& ids = writable.value('U');
        burst.append({ids.at(m_rng.bounded(int(ids.size()))), valueText('U')});
    }
    auto found = std::make_shared<QString>();
    auto failed = std::make_shared<int>(0);
    auto originals = std::make_shared<QHash<uint16_t, QByteArray>>();
    for (const auto& edit : burst)
        originals->insert(edit.first, device.variable(edit.first)->value);
    return {[batched, originals](Stand& s) {
                // The device forgets the clean run's edits, so only this run's can match.
                for (auto it = originals->cbegin(); it != originals->cend(); ++it)
                    s.device->setVariableValue(it.key(), it.value());
                s.protocol.vars().clear();
                s.protocol.loadVars(s.device->variableIds(), batched);
            },
            [burst, found, failed](Stand& s) {
                VARS& vars = s.protocol.vars();
                *failed = 0;
                for (const auto& [id, text] : burst) {
                    VarRecord* record = vars.find(id);
                    if (!record) {
                        ++*failed;
                        continue;
                    }
                    vars.setValueText(*record, text);
                    // A refusal is the device's answer; only an edit the link lost counts against recovery.
                    if (const int ret = s.protocol.varsSet(id, true); ret != 0) {
                        *failed += ret < 0;
                        continue;
                    }
                    const VarRecord sent = vars.snapshot(id);
                    const QByteArray value(reinterpret_cast<const char*>(sent.data), sent.len);
                    const QByteArray held = s.device->variable(id)->value;
                    if (held != value && found->isEmpty())
                        *found = QStringLiteral("edit of %1 to %2 reported successful, the device holds %3")
                                     .arg(id)
                                     .arg(QString::fromLatin1(value.toHex()), QString::fromLatin1(held.toHex()));
                }
            },
            [found](Stand&) { return *found; }, [failed] { return *failed == 0; }};
}

QString Campaign::valueText(char type)
{
    switch (type) {
    case 'B':
        return QString::number(m_rng.bounded(256));
    case 'I':
        return QString::number(m_rng.bounded(-50000, 50000));
    case 'F':
        return QString::number(m_rng.bounded(-100000, 100000) / 64.0);
    case 'C':
        return QString(QChar('A' + m_rng.bounded(26)));
    case 'T': {
        QString text;
        for (int i = m_rng.bounded(0, 40); i > 0; --i)
            text += QChar('a' + m_rng.bounded(26));
        return text;
    }
    case 'R':
        return QStringLiteral("0x") + QString::fromLatin1(pattern(m_rng, m_rng.bounded(1, 9)).toHex());
    default:
        return QString::number(m_rng.bounded(100000));
    }
}

void writeLocal(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write the local file\n");
        std::exit(1);
    }
}

QByteArray readLocal(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Scenario Campaign::transfer(bool upload, bool cancel)
{
    auto t = std::make_shared<SimAudit::Transfer>();
    t->upload = upload;
    t->replacing = !upload || m_rng.bounded(2) == 1;
    t->name = "campaign.bin";
    t->temporaryName = "campaign.tmp";
    t->old = pattern(m_rng, m_rng.bounded(1, 5000));
    t->data = pattern(m_rng, m_rng.bounded(cancel ? 200 : 0, 12000));
    // A download replaces a local file of that name, which must survive a download that does not complete.
    if (!upload)
        t->earlier = pattern(m_rng, m_rng.bounded(0, 3000));
    const qint64 cancelAt = cancel ? m_rng.bounded(1, int(t->data.size())) : -1;
    const QString localPath = m_dir.filePath(upload ? QStringLiteral("up.bin") : QStringLiteral("down.bin"));
    writeLocal(localPath, upload ? t->data : *t->earlier);
    return {[t, localPath, cancelAt](Stand& s) {
                SimFileSystem& fs = s.device->files();
                fs.removeFile(t->name);
                fs.removeFile(t->temporaryName);
                if (t->replacing)
                    fs.addFile(t->name, t->upload ? t->old : t->data);
                if (!t->upload)
                    writeLocal(localPath, *t->earlier);
                s.cancelAt = cancelAt;
            },
            [t, localPath](Stand& s) {
                const QString name = QString::fromLatin1(t->name);
                if (t->upload) {
                    t->result = s.protocol.fileWrite(localPath, name, false);
                    return;
                }
                const auto f = s.device->files().file(t->name);
                t->result = s.protocol.fileRead({{f->id, name, uint32_t(f->data.size()), localPath}});
                t->local = readLocal(localPath);
            },
            [t](Stand& s) {
                t->cancelled = s.cancelled;
                t->log = s.log;
                t->messages = s.messages;
                return SimAudit::transferFault(*s.device, *t);
            },
            [t] { return t->result == 0; }};
}

Scenario Campaign::downloadMany()
{
    auto files = std::make_shared<QList<SimAudit::Transfer>>();
    for (int i = m_rng.bounded(2, 5); i > 0; --i) {
        SimAudit::Transfer t;
        t.upload = false;
        t.name = "many-" + QByteArray::number(i) + ".bin";
        t.data = pattern(m_rng, m_rng.bounded(0, 4000));
        t.earlier = pattern(m_rng, m_rng.bounded(0, 2000));
        files->append(t);
    }
    auto result = std::make_shared<int>(0);
    const QString folder = m_dir.path();
    const auto localPath = [folder](const SimAudit::Transfer& t) {
        return folder + QLatin1Char('/') + QString::fromLatin1(t.name);
    };
    return {[files, localPath](Stand& s) {
                for (const SimAudit::Transfer& t : *files) {
                    s.device->files().addFile(t.name, t.data);
                    writeLocal(localPath(t), *t.earlier);
                }
            },
            [files, result, localPath](Stand& s) {
                QList<FileDownloadItem> items;
                for (const SimAudit::Transfer& t : *files) {
                    const auto f = s.device->files().file(t.name);
                    items.append({f->id, QString::fromLatin1(t.name), uint32_t(f->data.size()), localPath(t)});
                }
                *result = s.protocol.fileRead(items);
            },
            [files, result, localPath](Stand& s) {
                // Files before the one that failed are complete; each file is its earlier or its new self.
                for (SimAudit::Transfer& t : *files) {
                    t.local = readLocal(localPath(t));
                    t.result = *result;
                    t.log = s.log;
                    t.messages = s.messages;
                    if (const QString fault = SimAudit::transferFault(*s.device, t); !fault.isEmpty())
                        return fault;
                }
                return QString();
            },
            [result] { return *result == 0; }};
}

bool Campaign::arm(SimLink& link, int faultKind, int point)
{
    const int tries = int(link.timeouts().writeTries);
    switch (faultKind) {
    case 0:
        link.unplugAtExchange(point, m_rng.bounded(0, 40000));
        return false;
    case 1: {
        const int count = m_rng.bounded(1, 4);
        link.dropRepliesAtExchange(point, count);
        return count < tries;
    }
    case 4:
        link.dropRepliesAtExchange(point, 1);
        link.unplugAtExchange(point + 1, m_rng.bounded(0, 40000));
        return false;
    default: {
        // Stale and corrupt answers have no exchange counter of their own: turn them on as that request goes out.
        const bool stale = faultKind == 2;
        const int count = stale ? m_rng.bounded(1, 6) : m_rng.bounded(1, 4);
        auto seen = std::make_shared<int>(0);
        link.setRequestObserver([&link, seen, point, stale, count](uint8_t, const QByteArray&) {
            if (++*seen != point)
                return;
            if (stale)
                link.staleRepliesNext(count);
            else
                link.corruptRepliesNext(count);
        });
        // Four stale replies end a try, and the next try finds none.
        return stale || count < tries;
    }
    }
}

bool waitFor(const std::function<bool()>& done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return true;
}

// The program's device side on its worker thread, connected to a fresh stand-in device and loaded, with
// the registry and the snapshot writer a window would use.
struct RunningStack
{
    RunningStack(bool batched, bool reruns)
        : device(std::make_shared<SimDevice>()), stack(options()), registry(stack.protocol(), stack.worker()),
          writer(registry)
    {
        QString error;
        if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error)) {
            std::fprintf(stderr, "default profile: %s\n", qPrintable(error));
            std::exit(1);
        }
        device->setRerunsRetries(reruns);
        link = &static_cast<SimLink&>(
            stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device)));
        link->setBatched(batched);
        stack.transports().select(QStringLiteral("sim"));
        stack.worker().setLoadList(device->variableIds());
        bool loaded = false;
        const QMetaObject::Connection loadEnd = QObject::connect(
            &stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, &registry, [&loaded] { loaded = true; },
            Qt::QueuedConnection);
        stack.start();
        DeviceProtocol& protocol = stack.protocol();
        DeviceThread& worker = stack.worker();
        const bool ready = waitFor([&worker] { return worker.isConnected(); }, 5000) &&
                           worker.post([&protocol, &worker] {
                               if (protocol.auth("1234") == 0)
                                   worker.requestFullLoad();
                           }) &&
                           waitFor([&loaded] { return loaded; }, 5000);
        QObject::disconnect(loadEnd);
        if (!ready) {
            std::fprintf(stderr, "the stand-in device did not load\n");
            std::exit(1);
        }
    }
    ~RunningStack() { stack.shutdown(); }

    static DeviceStack::Options options()
    {
        DeviceStack::Options o;
        o.usbGuardKey = QStringLiteral("KestrovaCampaign_%1").arg(QCoreApplication::applicationPid());
        return o;
    }

    // Writes the entries; false when the writer did not finish in time.
    bool write(const QList<SettingsFile::Entry>& writes)
    {
        bool finished = false;
        const QMetaObject::Connection done =
            QObject::connect(&writer, &SnapshotWriter::finished, [&finished] { finished = true; });
        writer.start(writes);
        const bool ended = waitFor([&finished] { return finished; }, 20000);
        QObject::disconnect(done);
        return ended;
    }

    std::shared_ptr<SimDevice> device;
    DeviceStack stack;
    SimLink* link = nullptr;
    VarsRegistry registry;
    SnapshotWriter writer;
};

Outcome Campaign::writeDifferences(const QString& what, bool batched, int faultKind)
{
    // The settings file: the device's own settings with a few values of every writable type changed to
    // values that other variables of that type hold.
    RunningStack clean(batched, m_reruns);
    const VARS& vars = clean.stack.protocol().vars();
    SettingsFile file = SettingsSnapshot::capture(vars);
    QMap<char, QList<int>> byType;
    for (int i = 0; i < file.entries.size(); ++i)
        byType[file.entries.at(i).type].append(i);
    QList<uint16_t> changed;
    for (const QList<int>& indexes : std::as_const(byType)) {
        for (int k = 0; k < 3; ++k) {
            SettingsFile::Entry& entry = file.entries[indexes.at(m_rng.bounded(int(indexes.size())))];
            entry.value = file.entries.at(indexes.at(m_rng.bounded(int(indexes.size())))).value;
            changed.append(entry.id);
        }
    }
    const QList<SettingsFile::Entry> writes = SettingsSnapshot::plan(file, vars, changed).writes;

    const int before = clean.link->exchanges();
    clean.write(writes);
    const int exchanges = std::max(1, clean.link->exchanges() - before);

    RunningStack faulted(batched, m_reruns);
    const bool absorbed = arm(*faulted.link, faultKind, m_rng.bounded(1, exchanges + 1));
    Outcome outcome;
    if (!faulted.write(writes)) {
        outcome.violation = what + QStringLiteral(": the snapshot writer did not finish");
        return outcome;
    }
    faulted.link->setRequestObserver({});
    bool all = true;
    for (const SnapshotWriter::Result& result : faulted.writer.results()) {
        all = all && result.written;
        const auto entry =
            std::find_if(writes.cbegin(), writes.cend(), [&result](const auto& e) { return e.id == result.id; });
        const auto held = faulted.device->variable(result.id);
        if (result.written && (held->value != entry->value || held->redir != entry->redir) &&
            outcome.violation.isEmpty())
            outcome.violation =
                what + QStringLiteral(": %1 reported written as %2, the device holds %3")
                           .arg(result.id)
                           .arg(QString::fromLatin1(entry->value.toHex()), QString::fromLatin1(held->value.toHex()));
    }
    outcome.recoverable = absorbed;
    outcome.succeeded = all;
    if (outcome.recoverable && !outcome.succeeded)
        std::fprintf(stderr, "not recovered: %s\n", qPrintable(what));
    return outcome;
}

Outcome Campaign::run(int index, Watchdog& watchdog)
{
    const bool batched = !m_usbProfile && m_rng.bounded(2) == 1;
    // A pulled cable, before a command or after one whose answer it took.
    const int workKind = m_usbProfile ? m_rng.bounded(Upload, Cancel + 1) : m_rng.bounded(WorkKinds);
    const int faultKind = m_usbProfile ? (m_rng.bounded(2) == 1 ? 4 : 0) : m_rng.bounded(5);
    const bool answer = m_rng.bounded(2) == 1;
    const QString what =
        QStringLiteral("fault %1: %2 on the %3 link, %4")
            .arg(index)
            .arg(QLatin1String(WorkNames[workKind]), batched ? QStringLiteral("batched") : QStringLiteral("USB"),
                 QLatin1String(FaultNames[faultKind]))
            .append(m_reruns ? QStringLiteral(", retried frames run again") : QString());
    watchdog.arm(what.toStdString());
    if (workKind == WriteDifferences)
        return writeDifferences(what, batched, faultKind);
    Stand stand(batched, m_usbProfile, answer);
    stand.device->setRerunsRetries(m_reruns);
    const bool cancelUpload = m_rng.bounded(2) == 1;
    const Scenario scenario = workKind == Load           ? load(batched)
                              : workKind == Edits        ? edits(*stand.device, batched)
                              : workKind == DownloadMany ? downloadMany()
                              : workKind == Cancel       ? transfer(cancelUpload, true)
                                                         : transfer(workKind == Upload, false);

    // A clean run counts the exchanges the work takes; the fault goes to a random one of them.
    scenario.prepare(stand);
    stand.clearReports();
    const int before = stand.link.exchanges();
    scenario.work(stand);
    const int exchanges = std::max(1, stand.link.exchanges() - before);
    scenario.prepare(stand);
    stand.clearReports();
    const bool absorbed = arm(stand.link, faultKind, m_rng.bounded(1, exchanges + 1));
    scenario.work(stand);
    stand.link.setRequestObserver({});
    Outcome outcome;
    outcome.violation = scenario.check(stand);
    if (!outcome.violation.isEmpty())
        outcome.violation = what + QStringLiteral(": ") + outcome.violation;
    // Only a transfer waits for a lost device, and only on a link that resumes; a cancelled one is not judged.
    const bool transfer = workKind >= Upload && workKind <= DownloadMany;
    outcome.recoverable = workKind != Cancel && (absorbed || (stand.link.resumesTransfers() && transfer));
    outcome.succeeded = scenario.succeeded();
    if (outcome.recoverable && !outcome.succeeded)
        std::fprintf(stderr, "not recovered: %s; log: %s; messages: %s\n", qPrintable(what),
                     qPrintable(stand.log.join(QStringLiteral(" / "))),
                     qPrintable(stand.messages.join(QStringLiteral(" / "))));
    return outcome;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int faults = 1000;
    quint32 seed = 1;
    double minRecovered = 0.95;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--faults") == 0)
            faults = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = quint32(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--min-recovered") == 0)
            minRecovered = std::atof(argv[i + 1]);
    }
    Watchdog watchdog;
    bool failed = false;
    for (const bool usb : {false, true}) {
        const char* const profile = usb ? "_usb" : "";
        int violations[2] = {};
        double ratio[2] = {};
        for (const bool reruns : {false, true}) {
            Campaign campaign(seed, reruns, usb);
            int recoverable = 0;
            int recovered = 0;
            for (int i = 0; i < faults; ++i) {
                const Outcome outcome = campaign.run(i, watchdog);
                if (!outcome.violation.isEmpty()) {
                    ++violations[reruns];
                    std::fprintf(stderr, "violation: %s\n", qPrintable(outcome.violation));
                }
                recoverable += outcome.recoverable;
                recovered += outcome.recoverable && outcome.succeeded;
            }
            ratio[reruns] = recoverable ? double(recovered) / recoverable : 1.0;
            const char* const mode = reruns ? "_reexec" : "";
            std::printf("faults_run%s%s %d faults\n", profile, mode, faults);
            if (!usb)
                std::printf("invariant_violations%s %d violations\n", mode, violations[reruns]);
            std::printf("recoverable_runs%s%s %d runs\n", profile, mode, recoverable);
            std::fflush(stdout);
        }
        // The USB profile's violations are one figure for both device kinds.
        if (usb)
            std::printf("invariant_violations_usb %d violations\n", violations[0] + violations[1]);
        const double recoveredRatio = std::min(ratio[0], ratio[1]);
        std::printf("recovered_ratio%s %.3f ratio\n", profile, recoveredRatio);
        std::fflush(stdout);
        failed = failed || violations[0] || violations[1] || recoveredRatio < minRecovered;
    }
    return failed ? 1 : 0;
}
