#include "CliSession.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <utility>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "CliOptions.h"
#include "CliOutput.h"
#include "DevicesCommand.h"
#include "link/DeviceLink.h"
#include "platform/Platform.h"
#include "sim/DemoTransport.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"
#include "worker/DeviceStack.h"
#include "worker/FullLoad.h"

namespace {

constexpr int InfoTextSize = 57; // INFO's texts with their end, as the window reads them
// The longest the event loop sleeps before the waiting step looks at its condition again.
constexpr int WakeMs = 100;
// How long past its wait the program gives a transport for its first look for the device.
constexpr int LookGraceMs = 5000;
// A PIN is a few digits; a line longer than this is not one.
constexpr int MaxPinLine = 256;

DeviceStack::Options stackOptions(const CliOptions& options)
{
    DeviceStack::Options stack;
    // The pause after opening gives a USB device's firmware time; the demo device in this process needs none.
    if (options.demo)
        stack.timing.openSettleMs = 0;
    // Tests run the program beside other copies on the same machine; a guard of their own keeps them apart.
    if (const QString key = qEnvironmentVariable("KESTROVA_TEST_GUARD_KEY"); !key.isEmpty())
        stack.usbGuardKey = key;
    return stack;
}

} // namespace

CliSession::CliSession(const CliOptions& options, CliOutput& out)
    : m_options(options), m_out(out), m_stack(std::make_unique<DeviceStack>(stackOptions(options)))
{
    DeviceStack& stack = *m_stack;
    installDemoTransport(stack);
    if (options.demo)
        stack.transports().select(TransportManager::DemoId);
    stack.transports().usbLink().setDevice(options.device);
    DeviceProtocol& protocol = stack.protocol();
    // A transfer waits for a lost device as long as the program waits for one at the start.
    protocol.setDeviceWait(qint64(options.waitSeconds) * 1000);
    protocol.setQuestion(
        [](const QString& title, const QString& text) { return confirm(title + QStringLiteral(": ") + text); });
    protocol.vars().setTextLimit(stack.transports().activeLink()->maxTextLength());
    // Before the first read: the store reports changes once until they are taken, and the registry takes them.
    m_registry = std::make_unique<VarsRegistry>(protocol, stack.worker());

    constexpr auto queued = Qt::QueuedConnection;
    connect(this, &CliSession::workEnded, this, &CliSession::wake, queued);
    connect(
        &stack.worker(), &DeviceThread::uiDeviceHotplug, this,
        [this] {
            const DeviceLink* link = m_stack->transports().activeLink();
            if (link && link->isOpen())
                m_connected = true;
            else if (m_connected)
                m_lost = true;
            wake();
        },
        queued);
    connect(
        &stack.worker(), &DeviceThread::uiDeviceLooked, this,
        [this] {
            m_looked = true;
            wake();
        },
        queued);
    connect(
        &stack.worker(), &DeviceThread::uiLinkBlocked, this,
        [this](const QString& note) {
            m_blockNote = note;
            wake();
        },
        queued);
    connect(
        &protocol, &DeviceProtocol::uiPinResult, this,
        [this](int, int code, uint32_t timeout, int) {
            m_pinCode = code;
            m_lockSeconds = timeout;
        },
        queued);
    connect(
        &protocol, &DeviceProtocol::uiShowMessage, this,
        [this](const QString& title, const QString& text) {
            m_shownText = text;
            m_out.error(title + QStringLiteral(": ") + text);
        },
        queued);
    // A failure goes both to a message and to the window's log; here it is told once.
    connect(
        &protocol, &DeviceProtocol::eventLog, this,
        [this](const QString& text, bool) {
            if (text != std::exchange(m_shownText, QString()))
                m_out.error(text);
        },
        queued);
}

CliSession::~CliSession()
{
    m_stack->shutdown();
}

VARS& CliSession::vars() const
{
    return m_stack->protocol().vars();
}

const VarsUI& CliSession::pages()
{
    if (!m_pages) {
        m_pages = std::make_unique<VarsUI>();
        m_pages->load();
    }
    return *m_pages;
}

VarsRegistry& CliSession::registry()
{
    return *m_registry;
}

void CliSession::wake()
{
    if (m_loop)
        m_loop->quit();
}

bool CliSession::waitFor(const std::function<bool()>& done, int timeoutMs, bool stopOnLoss)
{
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    while (!done()) {
        if ((stopOnLoss && m_lost) || deadline.hasExpired())
            return false;
        QEventLoop loop;
        m_loop = &loop;
        const qint64 left = deadline.remainingTime(); // -1: forever
        QTimer::singleShot(int(left < 0 ? WakeMs : std::min<qint64>(WakeMs, left)), &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
    }
    return true;
}

std::optional<int> CliSession::run(std::function<int()> work)
{
    struct Outcome
    {
        std::atomic<bool> finished{false};
        std::atomic<bool> dropped{false};
        int result = 0;
    };
    auto outcome = std::make_shared<Outcome>();
    // A signal rather than a posted functor: nothing this program owns changes hands between the threads.
    const auto tell = [this] { Q_EMIT workEnded(); };
    m_stack->worker().post(
        [outcome, work = std::move(work), tell] {
            outcome->result = work();
            outcome->finished = true;
            tell();
        },
        [outcome, tell] {
            outcome->dropped = true;
            tell();
        });
    // Not cut short by a lost link: the work ends with its own result or is dropped.
    waitFor([&] { return outcome->finished || outcome->dropped; }, -1, false);
    if (outcome->dropped)
        return std::nullopt;
    return outcome->result;
}

int CliSession::lostLink()
{
    if (!std::exchange(m_lossTold, true))
        m_out.error(tr("The link to the device was lost and did not come back."));
    return CliExit::NoDevice;
}

bool CliSession::lost() const
{
    const DeviceLink* link = m_stack->transports().activeLink();
    return m_lost || !link || !link->isOpen();
}

bool CliSession::confirm(const QString& question)
{
    if (!Platform::isTerminal(0))
        return false;
    std::fputs(qPrintable(question + QLatin1Char(' ') + tr("[y/N]") + QLatin1Char(' ')), stderr);
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    const QString yes = QString::fromLocal8Bit(answer).trimmed().toLower();
    return yes == QLatin1String("y") || yes == QLatin1String("yes") || yes == tr("y");
}

int CliSession::prepare()
{
    // Several controllers and no choice: the one a script means cannot be guessed.
    if (!m_options.demo && m_options.device.isEmpty()) {
        // Counted without asking them anything; only a list that is shown names their models.
        const UsbLink& usb = m_stack->transports().usbLink();
        if (usb.controllerCount() > 1) {
            m_out.error(tr("Several controllers are connected: choose one with --device SERIAL or --device PORT."));
            DevicesCommand::print(m_out, usb.controllers(UsbLink::Model::Ask));
            return CliExit::Usage;
        }
    }
    std::optional<QString> given;
    if (!m_options.pinFile.isEmpty()) {
        QFile file(m_options.pinFile);
        if (!file.open(QIODevice::ReadOnly)) {
            m_out.error(tr("Cannot read the PIN file %1: %2").arg(m_options.pinFile, file.errorString()));
            return CliExit::LocalFile;
        }
        given = QString::fromLocal8Bit(file.readLine(MaxPinLine)).trimmed();
    } else if (m_options.pin == CliOptions::StandardStream) {
        char line[MaxPinLine] = {};
        given =
            std::fgets(line, sizeof line, stdin) ? std::optional(QString::fromLocal8Bit(line).trimmed()) : std::nullopt;
    } else {
        given = pin();
    }
    if (!given || given->isEmpty()) {
        m_out.error(tr("No PIN: give it with --pin, --pin-file or in KESTROVA_PIN, or run on a terminal to be "
                       "asked."));
        return CliExit::Usage;
    }
    m_pin = *given;
    return CliExit::Ok;
}

bool CliSession::found(const QDeadlineTimer& deadline, const QDeadlineTimer& grace) const
{
    return m_connected || (deadline.hasExpired() && (m_looked || grace.hasExpired()));
}

void CliSession::start()
{
    if (!std::exchange(m_started, true))
        m_stack->start();
}

bool CliSession::waitForDevice(const std::function<bool()>& stop)
{
    start();
    // Why a controller that is there cannot be opened (another copy holds it, no access) is said once, as
    // the wait has no end to say it at.
    QString told;
    waitFor(
        [&] {
            if (!m_blockNote.isEmpty() && m_blockNote != told)
                m_out.tell(told = m_blockNote);
            return m_connected || stop();
        },
        -1, false);
    return m_connected;
}

bool CliSession::waitForUnplug(const std::function<bool()>& stop)
{
    waitFor([&] { return lost() || stop(); }, -1, false);
    return lost();
}

void CliSession::forgetDevice()
{
    const DeviceLink* link = m_stack->transports().activeLink();
    // The next device may be in already: its arrival was told while the last one was still the device.
    m_connected = link && link->isOpen();
    m_lost = false;
    m_lossTold = false;
    m_pinCode = -1;
    m_infoModel.clear();
    m_infoSerial.clear();
}

int CliSession::open()
{
    start();
    const qint64 waitMs = qint64(m_options.waitSeconds) * 1000;
    const QDeadlineTimer deadline(waitMs);
    // A transport that never looks (no USB support at all) must not hold the program for ever.
    const QDeadlineTimer grace(waitMs + LookGraceMs);
    waitFor([&] { return found(deadline, grace); });
    if (!m_connected) {
        m_out.error(tr("No device found within %n second(s).", nullptr, m_options.waitSeconds));
        if (!m_blockNote.isEmpty())
            m_out.error(m_blockNote);
        return CliExit::NoDevice;
    }
    if (const int status = readInfo(); status != CliExit::Ok)
        return status;
    return authenticate();
}

int CliSession::readInfo()
{
    char model[InfoTextSize] = {};
    char serial[InfoTextSize] = {};
    uint8_t status = 0; // the PIN state before ours
    DeviceProtocol& protocol = m_stack->protocol();
    const std::optional<int> info =
        run([&] { return protocol.readInfo(model, InfoTextSize, &status, serial, InfoTextSize); });
    if (!info || *info != 0)
        return lostLink();
    m_infoModel = QString::fromLatin1(model);
    m_infoSerial = QString::fromLatin1(serial);
    return CliExit::Ok;
}

std::optional<QString> CliSession::pin() const
{
    if (m_options.pin)
        return m_options.pin;
    if (qEnvironmentVariableIsSet("KESTROVA_PIN"))
        return qEnvironmentVariable("KESTROVA_PIN");
    if (!Platform::isTerminal(0))
        return std::nullopt;
    return Platform::readHiddenLine(tr("PIN: "));
}

int CliSession::authenticate()
{
    DeviceProtocol& protocol = m_stack->protocol();
    const std::string text = m_pin.toStdString();
    m_lockSeconds = 0;
    const std::optional<int> result = run([&protocol, text] { return protocol.auth(text); });
    if (!result || *result < 0)
        return lostLink();
    if (*result == 0)
        return CliExit::Ok;
    if (m_lockSeconds > 0)
        m_out.error(tr("The PIN was refused; the device is locked for %n second(s).", nullptr, int(m_lockSeconds)));
    else
        m_out.error(tr("The PIN was refused (code %1).").arg(*result));
    return CliExit::PinRefused;
}

int CliSession::read(const QList<uint16_t>& ids)
{
    DeviceProtocol& protocol = m_stack->protocol();
    const std::optional<int> result = run([&protocol, ids] {
        for (const uint16_t id : ids) {
            if (const int ret = protocol.readVar(id); ret != 0)
                return ret;
        }
        return 0;
    });
    if (result && *result == 0)
        return CliExit::Ok;
    m_lost = true;
    return lostLink();
}

int CliSession::loadAll()
{
    const QList<uint16_t> ids = pages().loadList();
    FullLoad load(*m_stack);
    std::optional<bool> loaded;
    connect(&load, &FullLoad::progress, this,
            [this](int done, int total) { m_out.progress(tr("Loading the settings: %1 of %2").arg(done).arg(total)); });
    connect(&load, &FullLoad::finished, this, [this, &loaded](bool ok) {
        loaded = ok;
        wake();
    });
    load.start(ids);
    waitFor([&loaded] { return loaded.has_value(); }, -1, false);
    if (!*loaded) {
        m_lost = true;
        return lostLink();
    }
    const QList<uint16_t> unread = m_stack->protocol().unreadIds();
    if (!unread.isEmpty()) {
        QStringList named;
        for (const uint16_t id : unread)
            named << QString::number(id);
        m_out.error(tr("The device did not answer for %n variable(s) while loading: %1.", nullptr, int(unread.size()))
                        .arg(named.join(QStringLiteral(", "))));
    }
    return CliExit::Ok;
}

QList<SnapshotWriter::Result> CliSession::write(const QList<SettingsFile::Entry>& writes)
{
    SnapshotWriter writer(registry());
    bool finished = false;
    connect(&writer, &SnapshotWriter::finished, this, [this, &finished] {
        finished = true;
        wake();
    });
    connect(&writer, &SnapshotWriter::progress, this,
            [this](int done, int total) { m_out.progress(tr("Writing: %1 of %2").arg(done).arg(total)); });
    writer.start(writes);
    // Every job ends, written, refused or dropped with the device, so the writer always finishes.
    waitFor([&finished] { return finished; }, -1, false);
    QList<SnapshotWriter::Result> results = writer.results();
    QList<uint16_t> written;
    for (const SnapshotWriter::Result& r : results) {
        if (r.written)
            written << r.id;
    }
    if (written.isEmpty() || lost() || read(written) != CliExit::Ok)
        return results;
    for (SnapshotWriter::Result& r : results) {
        const auto entry =
            std::find_if(writes.cbegin(), writes.cend(), [&r](const SettingsFile::Entry& e) { return e.id == r.id; });
        r.written = r.written && SettingsSnapshot::holds(vars(), *entry);
    }
    return results;
}
