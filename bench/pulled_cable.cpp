// Transfers on the USB link's profile (no batched reads, transfers resume) whose cable is pulled three times,
// two seconds each (in the stand-in device's time), against the same transfers left alone.
//   pulled_upload_exchange_ratio    exchanges of a 200 kB upload with the pulls / without them
//   pulled_download_exchange_ratio  the same for a 200 kB download
// Exits 1 when a transfer fails, its file is not byte-identical, or anything but the file is left on the device.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchFailure.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"

namespace {

constexpr int FileSize = 200 * 1024;
constexpr int Pulls = 3;
constexpr qint64 PullMs = 2000;

QByteArray content()
{
    QByteArray data(FileSize, '\0');
    for (int i = 0; i < FileSize; ++i)
        data[i] = char((i * 131) ^ (i >> 7));
    return data;
}

class Bench
{
public:
    Bench() : m_clock(std::make_shared<ManualClock>()), m_device(std::make_shared<SimDevice>(m_clock)), m_link(m_device)
    {
        m_device->files().clear();
        m_link.setResumes(true);
        m_link.setSleepClock(m_clock);
        m_protocol.setLink(&m_link);
        m_protocol.setDeviceWait(30 * 60 * 1000, [c = m_clock] { return c->nowMs(); });
        const auto pull = [this](uint16_t, int bytes) {
            // Evenly inside the file: at a quarter, a half and three quarters.
            if (m_pulls < Pulls && m_pullsWanted && bytes >= FileSize / (Pulls + 1) * (m_pulls + 1)) {
                ++m_pulls;
                m_link.unplugAtExchange(1, PullMs);
            }
        };
        QObject::connect(&m_protocol, &DeviceProtocol::uiFileWriteUpdate, pull);
        QObject::connect(&m_protocol, &DeviceProtocol::uiFileReadUpdate, pull);
        if (!m_link.open() || m_protocol.auth("1234") != 0)
            fail("the stand-in device did not answer");
        const QString upPath = m_dir.filePath(QStringLiteral("up.bin"));
        QFile up(upPath);
        if (!up.open(QIODevice::WriteOnly) || up.write(m_data) != m_data.size())
            fail("cannot write the local file");
    }

    // Exchanges of an upload and of a download of the same file, with or without the pulls.
    std::pair<int, int> run(bool pulled)
    {
        m_device->files().clear();
        m_pullsWanted = pulled;
        m_pulls = 0;
        int start = m_link.exchanges();
        if (m_protocol.fileWrite(m_dir.filePath(QStringLiteral("up.bin")), QStringLiteral("bench.bin"), false) != 0)
            fail("upload failed");
        const int upload = m_link.exchanges() - start;
        if (pulled && m_pulls != Pulls)
            fail("the upload was not cut");
        const auto stored = m_device->files().file("bench.bin");
        if (!stored || stored->data != m_data || m_device->files().files().size() != 1)
            fail("the device holds something else than the uploaded file");

        m_pulls = 0;
        const QString downPath = m_dir.filePath(QStringLiteral("down.bin"));
        start = m_link.exchanges();
        if (m_protocol.fileRead({{stored->id, QStringLiteral("bench.bin"), uint32_t(FileSize), downPath}}) != 0)
            fail("download failed");
        const int download = m_link.exchanges() - start;
        if (pulled && m_pulls != Pulls)
            fail("the download was not cut");
        QFile down(downPath);
        if (!down.open(QIODevice::ReadOnly) || down.readAll() != m_data)
            fail("the downloaded file differs from the device file");
        return {upload, download};
    }

private:
    QTemporaryDir m_dir;
    const QByteArray m_data = content();
    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<SimDevice> m_device;
    SimLink m_link;
    DeviceProtocol m_protocol;
    bool m_pullsWanted = false;
    int m_pulls = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Bench bench;
    const auto [cleanUp, cleanDown] = bench.run(false);
    const auto [pulledUp, pulledDown] = bench.run(true);
    std::printf("pulled_upload_exchange_ratio %.3f ratio\n", double(pulledUp) / cleanUp);
    std::printf("pulled_download_exchange_ratio %.3f ratio\n", double(pulledDown) / cleanDown);
    return 0;
}
