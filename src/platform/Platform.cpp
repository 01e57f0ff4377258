#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
#include <io.h>
#include <iterator>

#include <windows.h>
#else
#include <csignal>
#include <termios.h>
#include <unistd.h>
#endif
#if !defined(Q_OS_WIN) && !defined(Q_OS_LINUX)
#include <cerrno>
#endif

namespace {

// The window and the command-line tool share the device, so each counts the other as a copy of itself.
bool sameSuite(const QString& other, const QString& own)
{
    static const QStringList suite{QStringLiteral("kestrova"), QStringLiteral("kestrova-cli")};
    const auto inSuite = [](const QString& name) { return suite.contains(name, Qt::CaseInsensitive); };
    return other.compare(own, Qt::CaseInsensitive) == 0 || (inSuite(other) && inSuite(own));
}

#ifndef Q_OS_WIN
// The terminal's settings while echo is off for a PIN: an interrupt puts them back before the program ends,
// or the user's shell would stay without echo.
termios g_echoSaved{};

void restoreEchoAndStop(int signal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &g_echoSaved);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

} // namespace

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
    return sameSuite(QFileInfo(QString::fromWCharArray(image, int(length))).completeBaseName(),
                     QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
#elif defined(Q_OS_LINUX)
    // The command name of every process is readable, also of another user's.
    QFile other(QStringLiteral("/proc/%1/comm").arg(pid));
    QFile own(QStringLiteral("/proc/self/comm"));
    if (!other.open(QIODevice::ReadOnly) || !own.open(QIODevice::ReadOnly))
        return false;
    return sameSuite(QString::fromLocal8Bit(other.readAll().trimmed()),
                     QString::fromLocal8Bit(own.readAll().trimmed()));
#else
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
}

void Platform::applyPlatformOption(int argc, char* argv[])
{
    // A platform the user or a test chose (offscreen, for one) stays in force.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    qputenv("QT_QPA_PLATFORM", "windows:darkmode=0");
#else
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version") {
            qputenv("QT_QPA_PLATFORM", "minimal");
            return;
        }
    }
#endif
}

void Platform::nameProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvo SOFT"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvo.ua"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrova"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
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

bool Platform::isTerminal(int fd)
{
#ifdef Q_OS_WIN
    return _isatty(fd) != 0;
#else
    return isatty(fd) != 0;
#endif
}

bool Platform::syncToDisk(int fd)
{
#ifdef Q_OS_WIN
    return _commit(fd) == 0;
#else
    return fsync(fd) == 0;
#endif
}

std::optional<QString> Platform::readHiddenLine(const QString& prompt)
{
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Echo goes off only for this one line and comes back even when the input ends.
#ifdef Q_OS_WIN
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = GetConsoleMode(input, &mode);
    if (console)
        SetConsoleMode(input, mode & ~DWORD(ENABLE_ECHO_INPUT));
#else
    termios saved{};
    const bool console = tcgetattr(STDIN_FILENO, &saved) == 0;
    using Handler = void (*)(int);
    Handler interrupt = SIG_DFL;
    Handler terminate = SIG_DFL;
    if (console) {
        g_echoSaved = saved;
        interrupt = std::signal(SIGINT, restoreEchoAndStop);
        terminate = std::signal(SIGTERM, restoreEchoAndStop);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
#endif
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(char(c));
#ifdef Q_OS_WIN
    if (console)
        SetConsoleMode(input, mode);
#else
    if (console) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::signal(SIGINT, interrupt);
        std::signal(SIGTERM, terminate);
    }
#endif
    std::fputs("\n", stderr);
    if (c == EOF && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line);
}
