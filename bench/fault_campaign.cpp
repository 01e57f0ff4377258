// A seeded campaign of random faults against the stand-in device: for each fault a full load, a burst of
// edits, an upload or a download runs once cleanly to count its exchanges, then again with one fault at a
// random one of them (the device lost, answers lost, stale or corrupt answers), on either link. After each
// run: an edit reported successful is held by the device, a load reported complete matches it, the device
// file is the old one or the complete new one, a download reported successful is byte-identical.
//   faults_run            runs with a fault
//   invariant_violations  runs that broke a rule (each described on standard error)
// Usage: bench_fault_campaign [--faults N] [--seed S]; exits 1 on any violation, 2 on a hang.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "link/DeviceProtocol.h"
#include "sim/SimAudit.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto RunLimit = std::chrono::seconds(30); // one run taking longer counts as a hang
constexpr int EditsPerBurst = 8;
const char* const WorkNames[] = {"load", "edits", "upload", "download"};
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
    explicit Stand(bool batched, bool answer)
        : clock(std::make_shared<ManualClock>()), device(std::make_shared<SimDevice>(clock)), link(device)
    {
        QString error;
        if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error)) {
            std::fprintf(stderr, "default profile: %s\n", qPrintable(error));
            std::exit(1);
        }
        link.setBatched(batched);
        link.setSleepClock(clock);
        protocol.setLink(&link);
        // Waits for a lost device pass in the device's time, not in real time.
        protocol.setDeviceWait(30 * 60 * 1000, [c = clock] { return c->nowMs(); });
        protocol.setQuestion([answer](const QString&, const QString&) { return answer; });
        QObject::connect(&protocol, &DeviceProtocol::eventLog, [this](const QString& text) { log << text; });
        QObject::connect(&protocol, &DeviceProtocol::uiShowMessage,
                         [this](const QString& title, const QString& text) { messages << title + '|' + text; });
        QObject::connect(&protocol, &DeviceProtocol::uiFileTaskFile, [this] { started = true; });
        if (!link.open() || protocol.auth("1234") != 0) {
            std::fprintf(stderr, "the stand-in device did not answer\n");
            std::exit(1);
        }
    }

    void clearReports()
    {
        log.clear();
        messages.clear();
        started = false;
    }

    std::shared_ptr<ManualClock> clock;
    std::shared_ptr<SimDevice> device;
    SimLink link;
    DeviceProtocol protocol;
    QStringList log;
    QStringList messages;
    bool started = false;
};

// One piece of work: prepare runs before the fault is armed, work is what the fault hits, check looks
// at what it left. Edits are checked as they are reported, so work keeps what it found for check.
struct Scenario
{
    std::function<void(Stand&)> prepare;
    std::function<void(Stand&)> work;
    std::function<QString(Stand&)> check;
};

class Campaign
{
public:
    explicit Campaign(quint32 seed) : m_rng(seed) {}

    // Runs one fault; the violation found, or an empty text.
    QString run(int index, Watchdog& watchdog);

private:
    static Scenario load(bool batched);
    Scenario edits(const SimDevice& device, bool batched);
    Scenario transfer(bool upload);
    void arm(SimLink& link, int faultKind, int point);

    QRandomGenerator m_rng;
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
            }};
}

Scenario Campaign::edits(const SimDevice& device, bool batched)
{
    QList<uint16_t> writable;
    for (const uint16_t id : device.variableIds()) {
        const auto v = device.variable(id);
        if (v->type == 'U' && !(v->flags & VarFlag::ReadOnly))
            writable.append(id);
    }
    QList<std::pair<uint16_t, QString>> burst;
    for (int i = 0; i < EditsPerBurst; ++i)
        burst.append({writable.at(m_rng.bounded(int(writable.size()))), QString::number(m_rng.bounded(100000))});
    auto found = std::make_shared<QString>();
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
            [burst, found](Stand& s) {
                VARS& vars = s.protocol.vars();
                for (const auto& [id, text] : burst) {
                    VarRecord* record = vars.find(id);
                    if (!record)
                        continue;
                    vars.setValueText(*record, text);
                    if (s.protocol.varsSet(id, true) != 0)
                        continue;
                    const VarRecord sent = vars.snapshot(id);
                    const QByteArray value(reinterpret_cast<const char*>(sent.data), sent.len);
                    const QByteArray held = s.device->variable(id)->value;
                    if (held != value && found->isEmpty())
                        *found = QStringLiteral("edit of %1 to %2 reported successful, the device holds %3")
                                     .arg(id)
                                     .arg(QString::fromLatin1(value.toHex()), QString::fromLatin1(held.toHex()));
                }
            },
            [found](Stand&) { return *found; }};
}

Scenario Campaign::transfer(bool upload)
{
    auto t = std::make_shared<SimAudit::Transfer>();
    t->upload = upload;
    t->replacing = !upload || m_rng.bounded(2) == 1;
    t->name = "campaign.bin";
    t->temporaryName = "campaign.tmp";
    t->old = pattern(m_rng, m_rng.bounded(1, 5000));
    t->data = pattern(m_rng, m_rng.bounded(0, 12000));
    const QString localPath = m_dir.filePath(upload ? QStringLiteral("up.bin") : QStringLiteral("down.bin"));
    QFile::remove(localPath);
    if (upload) {
        QFile f(localPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(t->data) != t->data.size()) {
            std::fprintf(stderr, "cannot write the local file\n");
            std::exit(1);
        }
    }
    return {[t](Stand& s) {
                SimFileSystem& fs = s.device->files();
                fs.removeFile(t->name);
                fs.removeFile(t->temporaryName);
                if (t->replacing)
                    fs.addFile(t->name, t->upload ? t->old : t->data);
            },
            [t, localPath](Stand& s) {
                const QString name = QString::fromLatin1(t->name);
                if (t->upload) {
                    t->result = s.protocol.fileWrite(localPath, name, false);
                    return;
                }
                const auto f = s.device->files().file(t->name);
                QFile::remove(localPath);
                t->result = s.protocol.fileRead({{f->id, name, uint32_t(f->data.size()), localPath}});
                QFile local(localPath);
                t->local = local.open(QIODevice::ReadOnly) ? local.readAll() : QByteArray();
            },
            [t](Stand& s) {
                t->started = s.started;
                t->log = s.log;
                t->messages = s.messages;
                return SimAudit::transferFault(*s.device, *t);
            }};
}

void Campaign::arm(SimLink& link, int faultKind, int point)
{
    switch (faultKind) {
    case 0:
        link.unplugAtExchange(point, m_rng.bounded(0, 40000));
        break;
    case 1:
        link.dropRepliesAtExchange(point, m_rng.bounded(1, 4));
        break;
    case 4:
        link.dropRepliesAtExchange(point, 1);
        link.unplugAtExchange(point + 1, m_rng.bounded(0, 40000));
        break;
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
        break;
    }
    }
}

QString Campaign::run(int index, Watchdog& watchdog)
{
    const bool batched = m_rng.bounded(2) == 1;
    const int workKind = m_rng.bounded(4);
    const int faultKind = m_rng.bounded(5);
    const bool answer = m_rng.bounded(2) == 1;
    const QString what =
        QStringLiteral("fault %1: %2 on the %3 link, %4")
            .arg(index)
            .arg(QLatin1String(WorkNames[workKind]), batched ? QStringLiteral("batched") : QStringLiteral("USB"),
                 QLatin1String(FaultNames[faultKind]));
    watchdog.arm(what.toStdString());
    Stand stand(batched, answer);
    const Scenario scenario = workKind == 0   ? load(batched)
                              : workKind == 1 ? edits(*stand.device, batched)
                                              : transfer(workKind == 2);

    // A clean run counts the exchanges the work takes; the fault goes to a random one of them.
    scenario.prepare(stand);
    const int before = stand.link.exchanges();
    scenario.work(stand);
    const int exchanges = std::max(1, stand.link.exchanges() - before);
    scenario.prepare(stand);
    stand.clearReports();
    arm(stand.link, faultKind, m_rng.bounded(1, exchanges + 1));
    scenario.work(stand);
    stand.link.setRequestObserver({});
    const QString violation = scenario.check(stand);
    return violation.isEmpty() ? violation : what + QStringLiteral(": ") + violation;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int faults = 1000;
    quint32 seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--faults") == 0)
            faults = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = quint32(std::strtoul(argv[i + 1], nullptr, 10));
    }
    Watchdog watchdog;
    Campaign campaign(seed);
    int violations = 0;
    for (int i = 0; i < faults; ++i) {
        const QString violation = campaign.run(i, watchdog);
        if (!violation.isEmpty()) {
            ++violations;
            std::fprintf(stderr, "violation: %s\n", qPrintable(violation));
        }
    }
    std::printf("faults_run %d faults\n", faults);
    std::printf("invariant_violations %d violations\n", violations);
    return violations ? 1 : 0;
}
