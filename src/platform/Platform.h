#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

class QSettings;

// The few calls that differ between Windows and Linux.
namespace Platform {

qint64 currentProcessId();
// True while a process with that id runs this program, judged by the name of its executable; the window
// (kestrova) and the command-line tool (kestrova-cli) count as the same program. A running process that may not
// be looked at (another user's) counts as a copy.
bool runsThisProgram(qint64 pid);

// Options of the platform plug-in, set before the application object exists. Only Windows has
// any: Linux platform plug-ins would refuse a "windows:" option and the program would not start.
// A run that only prints its help or version needs no display, so it gets none.
void applyPlatformOption(int argc, char* argv[]);

// The names the settings store is kept under, shared by the window and the command-line tool so that
// both read the same preferences; and the version --version reports.
void nameProgram();

// The folder a file dialog starts in when none was remembered: the drive root on Windows, the
// user's home folder elsewhere.
QString defaultFolder();
// The folder remembered under key ("last_download_path", "last_upload_path",
// "last_upload_replace_path"), or defaultFolder() when none is.
QString rememberedFolder(const QSettings& settings, const QString& key);

// The most memory the process has held so far, in kB (-1 where the system does not tell).
qint64 peakMemoryKb();

// True when the standard stream with that descriptor (0 input, 1 output, 2 error) is a terminal.
bool isTerminal(int fd);
// Asks the system to put what was written to the open file descriptor on the disk; false when it could not.
bool syncToDisk(int fd);
// Shows prompt on standard error and reads one line from standard input without echoing it (a PIN);
// nullopt when the input has ended.
std::optional<QString> readHiddenLine(const QString& prompt);

} // namespace Platform
