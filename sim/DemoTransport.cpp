#include "DemoTransport.h"

#include <atomic>
#include <memory>

#include <QDir>
#include <QFile>

#include "SimDevice.h"
#include "SimFileSystem.h"
#include "SimLink.h"
#include "worker/DeviceStack.h"

namespace {

// Test-only knobs, read from the environment so that tests and benchmarks reach the demo device inside a
// program they start (kestrova-cli), where it lives in the program's own process. Users never set them.
//   KESTROVA_DEMO_STATE=<folder>   the device starts from <folder>/device.kset and the files in <folder>/files
//                                  when they exist, and leaves its variables, files and exchange count there
//                                  when the program ends: one device outlives several runs.
//   KESTROVA_DEMO_LATENCY_US=<n>   every exchange takes n microseconds.
//   KESTROVA_DEMO_LOSE_AT=<c>:<n>  the device leaves the bus for good at the n-th request of command c.
const char* const StateKnob = "KESTROVA_DEMO_STATE";
const char* const LatencyKnob = "KESTROVA_DEMO_LATENCY_US";
const char* const LoseKnob = "KESTROVA_DEMO_LOSE_AT";
const QString ProfileName = QStringLiteral("device.kset");
const QString FilesFolder = QStringLiteral("files");

// The demo link that keeps its device's state in a folder between runs.
class DemoLink : public SimLink
{
public:
    DemoLink(std::shared_ptr<SimDevice> device, const QString& stateFolder)
        : SimLink(std::move(device)), m_folder(stateFolder)
    {
        if (m_folder.isEmpty())
            return;
        const QDir dir(m_folder);
        if (dir.exists(ProfileName))
            this->device().loadProfile(dir.filePath(ProfileName));
        if (!dir.exists(FilesFolder))
            return;
        SimFileSystem& files = this->device().files();
        for (const SimFileSystem::File& file : files.files()) {
            if (file.system == SimFileSystem::OrdinaryMark)
                files.removeFile(file.name);
        }
        const QDir stored(dir.filePath(FilesFolder));
        // Stored as "<id>-<name>", so that the files keep their ids and with them their order in the list.
        for (const QString& stem : stored.entryList(QDir::Files)) {
            QFile local(stored.filePath(stem));
            const qsizetype dash = stem.indexOf(QLatin1Char('-'));
            if (dash > 0 && local.open(QIODevice::ReadOnly))
                files.addFile(stem.mid(dash + 1).toLatin1(), local.readAll(), SimFileSystem::OrdinaryMark,
                              uint16_t(stem.left(dash).toUInt()));
        }
    }

    ~DemoLink() override
    {
        if (m_folder.isEmpty())
            return;
        QDir dir(m_folder);
        device().profile().write(dir.filePath(ProfileName));
        QDir stored(dir.filePath(FilesFolder));
        stored.removeRecursively();
        dir.mkpath(FilesFolder);
        for (const SimFileSystem::File& file : device().files().files()) {
            QFile local(stored.filePath(QString::number(file.id) + QLatin1Char('-') + QString::fromLatin1(file.name)));
            if (file.system == SimFileSystem::OrdinaryMark && local.open(QIODevice::WriteOnly))
                local.write(file.data);
        }
        QFile count(dir.filePath(QStringLiteral("exchanges")));
        if (count.open(QIODevice::WriteOnly))
            count.write(QByteArray::number(exchanges()));
    }

private:
    QString m_folder;
};

void applyFaultKnobs(SimLink& link)
{
    link.setLatencyUs(qEnvironmentVariableIntValue(LatencyKnob));
    const QList<QByteArray> lose = qgetenv(LoseKnob).split(':');
    if (lose.size() != 2)
        return;
    const int cmd = lose.at(0).toInt();
    const int at = lose.at(1).toInt();
    auto seen = std::make_shared<std::atomic<int>>(0);
    link.setRequestObserver([&link, cmd, at, seen](uint8_t sent, const QByteArray&) {
        if (sent == cmd && ++*seen == at)
            link.unplugAtExchange(1);
    });
}

} // namespace

void installDemoTransport(DeviceStack& stack)
{
    auto device = std::make_shared<SimDevice>();
    QString error;
    // Without its profile the device still answers, only with no variables; say why.
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error))
        qWarning("demo profile: %s", qPrintable(error));
    // A demo shows what a car shows: values that move.
    device->setLiveDiagnostics(true);
    auto link = std::make_unique<DemoLink>(std::move(device), qEnvironmentVariable(StateKnob));
    applyFaultKnobs(*link);
    stack.addTransport(TransportManager::DemoId, QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "Demo device")),
                       std::move(link));
}
