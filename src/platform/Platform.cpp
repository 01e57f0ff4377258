#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_WIN
#include <iterator>

#include <windows.h>
#elif !defined(Q_OS_LINUX)
#include <cerrno>
#include <csignal>
#endif

qint64 Platform::currentProcessId()
{
    return QCoreApplication::applicationPid();
}

bool Platform::runsThisProgram(qint64 pid)
{
    if (pid <= 0)
        return false;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    wchar_t image[MAX_PATH * 4];
    DWORD length = DWORD(std::size(image));
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    const bool named = running && QueryFullProcessImageNameW(process, 0, image, &length);
    CloseHandle(process);
    if (!named)
        return running;
    return QFileInfo(QString::fromWCharArray(image, int(length)))
               .fileName()
               .compare(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), Qt::CaseInsensitive) == 0;
#elif defined(Q_OS_LINUX)
    // The command name of every process is readable, also of another user's.
    QFile other(QStringLiteral("/proc/%1/comm").arg(pid));
    QFile own(QStringLiteral("/proc/self/comm"));
    if (!other.open(QIODevice::ReadOnly) || !own.open(QIODevice::ReadOnly))
        return false;
    return other.readAll() == own.readAll();
#else
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
}

void Platform::applyPlatformOption()
{
#ifdef Q_OS_WIN
    // A platform the user or a test chose (offscreen, for one) stays in force.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:darkmode=0");
#endif
}

QString Platform::defaultFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

QString Platform::rememberedFolder(const QSettings& settings, const QString& key)
{
    const QString folder = settings.value(key).toString();
    return folder.isEmpty() ? defaultFolder() : folder;
}

qint64 Platform::peakMemoryKb()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // Files under /proc report no size, so they are read whole rather than up to their end.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
#endif
    return -1;
}
