// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <QByteArray>

namespace runtime {

// A short talk with a D-Bus bus in which every step has a deadline. Qt meets a bus with none: a
// bus that takes the connection and never answers (a stopped daemon, a hung one) holds it for
// good. Only buses on local sockets are reached ("unix:path=", "unix:abstract="), which is where
// session and accessibility buses live.
class DBusProbe
{
public:
    using Deadline = std::chrono::steady_clock::time_point;

    enum class Answer {
        Answered, // the bus spoke before the deadline
        Silent, // it took the connection, or left it waiting, and said nothing in time
        Unreached, // nothing listens there or the address names no local socket: nothing waits
    };

    // Connects, authenticates as this user and says hello to the bus.
    DBusProbe(const QByteArray &address, Deadline deadline);
    ~DBusProbe();
    DBusProbe(const DBusProbe &) = delete;
    DBusProbe &operator=(const DBusProbe &) = delete;

    Answer answer() const { return m_answer; }

    // Calls a method that takes nothing and returns a string, on a service that is running now
    // (none is started for the call). The text is empty when the call came back as an error.
    Answer callForText(const char *service, const char *path, const char *interface,
                       const char *method, QByteArray &text);

private:
    bool waitFor(short events) const;
    Answer send(const QByteArray &data);
    Answer receive();
    Answer awaitReply(quint32 serial, QByteArray &text);

    int m_socket = -1;
    Deadline m_deadline;
    Answer m_answer = Answer::Unreached;
    bool m_authenticated = false;
    quint32 m_serial = 0;
    QByteArray m_input;
};

} // namespace runtime
