// File transfers through the whole stack (transfer task, protocol, link, frames, stand-in device).
//   upload_ratio    1 MiB up at 1 ms per exchange, USB frames: throughput / (57 bytes per 1 ms)
//   download_ratio  1 MiB down the same way: throughput / (56 bytes per 1 ms)
//   link_ratio      bare INFO exchanges on the same link: 1 ms / mean exchange time; the ceiling the
//                   two figures above can reach on this machine under its present load
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "BenchFailure.h"
#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"

namespace {

constexpr int FileSize = 1024 * 1024;
constexpr int LatencyUs = 1000;
constexpr int BaselineExchanges = 2000;

QByteArray content()
{
    QByteArray data(FileSize, '\0');
    for (int i = 0; i < FileSize; ++i)
        data[i] = char((i * 31) ^ (i >> 9));
    return data;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto device = std::make_shared<SimDevice>();
    SimLink link(device);
    DeviceProtocol protocol;
    protocol.setLink(&link);
    if (!link.open() || protocol.auth("1234") != 0)
        fail("the stand-in device did not answer");
    link.setLatencyUs(LatencyUs);

    QTemporaryDir dir;
    const QByteArray data = content();
    const QString upPath = dir.filePath(QStringLiteral("up.bin"));
    QFile up(upPath);
    if (!up.open(QIODevice::WriteOnly) || up.write(data) != data.size())
        fail("cannot write the local file");
    up.close();

    QElapsedTimer timer;
    timer.start();
    if (protocol.fileWrite(upPath, QStringLiteral("bench.bin"), false) != 0)
        fail("upload failed");
    const double upMs = double(timer.nsecsElapsed()) / 1e6;
    const auto stored = device->files().file("bench.bin");
    if (!stored || stored->data != data)
        fail("the device file differs from the upload");

    const QString downPath = dir.filePath(QStringLiteral("down.bin"));
    timer.restart();
    if (protocol.fileRead({{stored->id, QStringLiteral("bench.bin"), uint32_t(FileSize), downPath}}) != 0)
        fail("download failed");
    const double downMs = double(timer.nsecsElapsed()) / 1e6;
    QFile down(downPath);
    if (!down.open(QIODevice::ReadOnly) || down.readAll() != data)
        fail("the downloaded file differs from the device file");

    // Payload bytes per command at one command per millisecond is the most the link can carry.
    const double upIdeal = double(link.maxTxPayload()) * 1000.0 / LatencyUs;
    const double downIdeal = double(link.maxRxPayload()) * 1000.0 / LatencyUs;
    std::printf("upload_ratio %.3f ratio\n", FileSize / upMs / upIdeal);
    std::printf("download_ratio %.3f ratio\n", FileSize / downMs / downIdeal);

    timer.restart();
    for (int i = 0; i < BaselineExchanges; ++i) {
        CommandRecord rec;
        if (link.sendCommand(Cmd::INFO, rec) != 0)
            fail("INFO failed");
    }
    const double linkMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("link_ratio %.3f ratio\n", BaselineExchanges * LatencyUs / 1000.0 / linkMs);
    return 0;
}
