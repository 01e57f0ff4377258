#pragma once

#include <QString>

// The names a device file may have, and the local name it is saved under.
namespace FileNames {

// 1 to EfsFile::MaxName characters, all Latin-1: what the device stores.
bool isValidDeviceName(const QString& name);
// A device file name as a file name any local file system stores inside the chosen folder.
QString safeLocalName(const QString& deviceName);

} // namespace FileNames
