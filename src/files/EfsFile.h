#pragma once

#include <cstdint>

#include <QDateTime>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>

// One file of the device's embedded file system.
struct EfsFile
{
    static constexpr int MaxName = 25; // bytes of a name on the device

    QString name; // Latin-1 on the device
    uint32_t size = 0;
    QDateTime created; // local time
    bool system = false;
    uint16_t id = 0;
};

// The device's files can be used: a working (0, 1) or read-only (253) file system. Any other status, or none
// yet (255), means they are not ready.
constexpr bool efsUsable(uint8_t efsStatus)
{
    return efsStatus < 2 || efsStatus == 253;
}

// One file to download: the device file and the local path it goes to.
struct FileDownloadItem
{
    uint16_t id = 0;
    QString name;
    uint32_t size = 0;
    QString localPath;
};

// Results of the file operations besides 0, a device status (positive) and a link result (negative, as
// libusb counts, -1 to -99). The program's own codes lie below the link's, so a lost link is never taken
// for a local file problem.
namespace FileResult {
constexpr int LocalFailure = -1001; // a local file problem, or a name too long
constexpr int Incomplete = -1002;   // an upload sent fewer bytes than the local file holds
constexpr int Shown = -1003;        // the failure has already been shown to the user
constexpr int Dropped = -1004;      // the task did not run
constexpr int NoSeek = -1006;       // the firmware has no seek
constexpr int DeviceGone = -1007;   // the device did not come back within the wait
// A result of the link itself, not of this program.
constexpr bool isLinkResult(int ret)
{
    return ret < 0 && ret > LocalFailure;
}
} // namespace FileResult

Q_DECLARE_METATYPE(QSharedPointer<EfsFile>)
Q_DECLARE_METATYPE(FileDownloadItem)
