#pragma once

#include <QtGlobal>

// The few calls that differ between Windows and Linux.
namespace Platform {

qint64 currentProcessId();
// True while a process with that id runs (also when it belongs to another user).
bool processExists(qint64 pid);

} // namespace Platform
