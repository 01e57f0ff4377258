#include "SleepInhibitor.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#elif defined(KESTROVA_HAVE_DBUS)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

namespace {
// A missing service answers at once; a hung one must not freeze the window for long.
constexpr int DBusTimeoutMs = 2000;
} // namespace
#endif

struct SleepInhibitor::Lock
{
#ifdef Q_OS_WIN
    bool granted = false;
#elif defined(KESTROVA_HAVE_DBUS)
    // The login manager keeps its lock while this descriptor stays open.
    QDBusUnixFileDescriptor login1;
    uint screenSaverCookie = 0;
#endif
    bool isEffective() const
    {
#ifdef Q_OS_WIN
        return granted;
#elif defined(KESTROVA_HAVE_DBUS)
        return login1.isValid() || screenSaverCookie != 0;
#else
        return false;
#endif
    }
};

SleepInhibitor::SleepInhibitor(QString reason) : m_reason(std::move(reason))
{}

SleepInhibitor::~SleepInhibitor()
{
    release();
}

bool SleepInhibitor::isEffective() const
{
    return m_lock && m_lock->isEffective();
}

void SleepInhibitor::hold()
{
    if (m_held)
        return;
    m_held = true;
    m_lock = std::make_unique<Lock>();
#ifdef Q_OS_WIN
    m_lock->granted = SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) != 0;
#elif defined(KESTROVA_HAVE_DBUS)
    const QString who = QCoreApplication::applicationName();
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
        call << QStringLiteral("sleep:idle") << who << m_reason << QStringLiteral("block");
        const QDBusMessage reply = system.call(call, QDBus::Block, DBusTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            m_lock->login1 = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    }
    if (m_lock->login1.isValid())
        return;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    call << who << m_reason;
    const QDBusMessage reply = session.call(call, QDBus::Block, DBusTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        m_lock->screenSaverCookie = reply.arguments().constFirst().toUInt();
#endif
}

void SleepInhibitor::release()
{
    if (!m_held)
        return;
    m_held = false;
#ifdef Q_OS_WIN
    if (m_lock->granted)
        SetThreadExecutionState(ES_CONTINUOUS);
#elif defined(KESTROVA_HAVE_DBUS)
    if (m_lock->screenSaverCookie != 0) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("UnInhibit"));
        call << m_lock->screenSaverCookie;
        QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
    }
#endif
    m_lock.reset();
}
