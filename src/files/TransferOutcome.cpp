#include "TransferOutcome.h"

#include <libusb.h>

#include "files/EfsFile.h"
#include "vars/VARS.h"

QString TransferOutcome::text(int result)
{
    if (result > 0)
        return tr("The device refused: %1 (%2)").arg(VARS::errorTextTr(result)).arg(result);
    switch (result) {
    case 0:
        return {};
    case FileResult::Shown:
        return tr("The reason was given in the message before");
    case FileResult::Incomplete:
        return tr("The transfer was stopped before its end");
    case FileResult::LocalFailure:
        return tr("A file on this computer could not be read or written");
    case FileResult::DeviceGone:
        return tr("The device did not come back within the wait");
    case FileResult::Dropped:
        return tr("The device was gone before the operation could run");
    case LIBUSB_ERROR_NO_DEVICE:
        return tr("The cable was pulled or the device restarted");
    case LIBUSB_ERROR_TIMEOUT:
        return tr("The device did not answer in time");
    case FileResult::NoSeek:
        return tr("The device's firmware cannot go on with a transfer in the middle of a file");
    case LIBUSB_ERROR_INTERRUPTED:
        return tr("Stopped because the program is ending");
    case LIBUSB_ERROR_NOT_SUPPORTED:
        return tr("The device does not allow this command on this link");
    default:
        return tr("The link to the device failed");
    }
}
