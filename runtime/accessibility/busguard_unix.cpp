// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/accessibility/busguard.h"
#include "runtime/system/dbusprobe.h"

#include <cstdio>
#include <QAccessible>
#include <QDBusConnection>

namespace runtime::busguard {

namespace {

// An address at which no bus can be: connecting to it fails at once, and quietly.
constexpr char Nowhere[] = "unix:path=/dev/null";

// A variable of the environment set to Nowhere while Qt reads it, the user's value kept.
class Steered
{
public:
    explicit Steered(const char *name)
        : m_name(name)
    { }

    bool isSteered() const { return m_steered; }

    void steer()
    {
        m_wasSet = qEnvironmentVariableIsSet(m_name);
        m_value = qgetenv(m_name);
        m_steered = qputenv(m_name, Nowhere);
    }

    void restore()
    {
        if (!m_steered)
            return;
        m_steered = false;
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_value;
    bool m_wasSet = false;
    bool m_steered = false;
};

Steered s_session("DBUS_SESSION_BUS_ADDRESS");
Steered s_accessibility("AT_SPI_BUS_ADDRESS");

// The session bus where libdbus finds it: the variable, else the user's bus in the runtime folder.
QByteArray sessionAddress()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    if (!address.isEmpty() || folder.isEmpty())
        return address;
    return "unix:path=" + (folder + "/bus").toPercentEncoding("/");
}

DBusProbe::Deadline inASecond()
{
    return std::chrono::steady_clock::now() + std::chrono::seconds(1);
}

} // namespace

void beforeApplication()
{
    using Answer = DBusProbe::Answer;
    // Qt takes the accessibility bus from this variable when it is set, else from the bus
    // launcher on the session bus.
    QByteArray accessibilityAddress = qgetenv("AT_SPI_BUS_ADDRESS");
    const char *silent = nullptr;
    {
        DBusProbe session(sessionAddress(), inASecond());
        if (session.answer() == Answer::Silent) {
            s_session.steer();
            silent = "session";
        } else if (accessibilityAddress.isEmpty()
                   && session.callForText("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                          "GetAddress", accessibilityAddress)
                       == Answer::Silent) {
            s_accessibility.steer();
            silent = "accessibility";
        }
    }
    if (!accessibilityAddress.isEmpty()
        && DBusProbe(accessibilityAddress, inASecond()).answer() == Answer::Silent) {
        s_accessibility.steer();
        if (!silent)
            silent = "accessibility";
    }
    if (silent)
        std::fprintf(stderr, "dicemere: no screen reader support: the %s bus does not answer\n",
                     silent);
}

void applicationBuilt()
{
    // Qt tries each once and keeps the outcome: the session bus it connects to for everyone,
    // the accessibility bus when its bridge is built.
    if (s_session.isSteered())
        QDBusConnection::sessionBus();
    if (s_accessibility.isSteered())
        QAccessible::isActive();
    s_session.restore();
    s_accessibility.restore();
}

} // namespace runtime::busguard
