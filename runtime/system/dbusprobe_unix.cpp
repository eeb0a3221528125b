// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/dbusprobe.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <poll.h>
#include <QByteArrayList>
#include <QtEndian>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace runtime {

namespace {

struct SocketAddress
{
    sockaddr_un address {};
    socklen_t length = 0;
};

// The socket of the first local entry of a D-Bus address: entries are parted by ';', keys by
// ',', and values are %-escaped ("unix:abstract=/tmp/dbus-x,guid=...;tcp:...").
std::optional<SocketAddress> localSocket(const QByteArray &address)
{
    for (const QByteArray &entry : address.split(';')) {
        if (!entry.startsWith("unix:"))
            continue;
        for (const QByteArray &pair : entry.mid(5).split(',')) {
            const QByteArray key = pair.left(pair.indexOf('='));
            const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(key.size() + 1));
            const bool abstract = key == "abstract";
            if ((key != "path" && !abstract) || value.isEmpty())
                continue;
            SocketAddress where;
            where.address.sun_family = AF_UNIX;
            // An abstract name is the bytes after a leading zero, with no zero to end them.
            const size_t start = abstract ? 1 : 0;
            if (start + size_t(value.size()) >= sizeof(where.address.sun_path))
                return std::nullopt;
            std::memcpy(where.address.sun_path + start, value.constData(), size_t(value.size()));
            where.length = socklen_t(offsetof(sockaddr_un, sun_path) + start + size_t(value.size())
                                     + (abstract ? 0 : 1));
            return where;
        }
    }
    return std::nullopt;
}

// A method call with no arguments, in the protocol's little-endian form: a fixed header, then
// the header fields (code, signature, value), each at an 8-byte boundary. It never has the bus
// start a service that is not running.
QByteArray methodCall(quint32 serial, const char *service, const char *path, const char *interface,
                      const char *method)
{
    QByteArray message;
    const auto pad = [&message](qsizetype to) {
        while (message.size() % to)
            message.append('\0');
    };
    const auto number = [&message](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        message.append(bytes, 4);
    };
    const auto field = [&](char code, char type, const char *value) {
        pad(8);
        message.append(code).append('\1').append(type).append('\0');
        number(quint32(std::strlen(value)));
        message.append(value).append('\0');
    };
    constexpr char methodCallType = 1;
    constexpr char noAutoStart = 2;
    message.append('l').append(methodCallType).append(noAutoStart);
    message.append('\1');
    number(0); // no body
    number(serial);
    number(0); // the fields' length, known below
    field(1, 'o', path);
    field(2, 's', interface);
    field(3, 's', method);
    field(6, 's', service);
    qToLittleEndian(quint32(message.size() - 16), message.data() + 12);
    pad(8);
    return message;
}

// One whole message at the front of the input, as much of it as this probe reads.
struct Message
{
    qsizetype length = 0; // 0: not all there yet; -1: no message
    char type = 0;
    quint32 replySerial = 0;
    QByteArray text; // the body's leading string, if any
};

Message readMessage(const QByteArray &input)
{
    Message message;
    if (input.size() < 16)
        return message;
    const bool little = input[0] == 'l';
    const auto number = [&input, little](qsizetype at) -> qint64 {
        if (at < 0 || at + 4 > input.size())
            return -1;
        return little ? qFromLittleEndian<quint32>(input.constData() + at)
                      : qFromBigEndian<quint32>(input.constData() + at);
    };
    const auto align = [](qint64 at, qint64 to) { return (at + to - 1) / to * to; };
    const qint64 bodyLength = number(4);
    const qint64 fieldsEnd = 16 + number(12);
    const qint64 bodyStart = align(fieldsEnd, 8);
    // Far beyond any reply this probe asks for: a bus that sends such a thing is not believed.
    constexpr qint64 largest = 1 << 20;
    if ((!little && input[0] != 'B') || bodyStart + bodyLength > largest) {
        message.length = -1;
        return message;
    }
    if (input.size() < bodyStart + bodyLength)
        return message;
    message.length = qsizetype(bodyStart + bodyLength);
    message.type = input[1];
    for (qint64 at = 16; at < fieldsEnd;) {
        at = align(at, 8);
        if (at + 4 > fieldsEnd || input[at + 1] != '\1') {
            message.length = -1;
            return message;
        }
        const char code = input[at];
        const char type = input[at + 2];
        at += 4;
        if (type == 'g' && at < fieldsEnd) {
            at += 1 + quint8(input[at]) + 1;
            continue;
        }
        at = align(at, 4);
        const qint64 value = number(at);
        if (value < 0 || (type != 'u' && type != 's' && type != 'o')) {
            message.length = -1;
            return message;
        }
        at += 4 + (type == 'u' ? 0 : value + 1);
        if (code == 5)
            message.replySerial = quint32(value);
    }
    const qint64 textLength = number(bodyStart);
    if (bodyLength > 4 && textLength >= 0 && bodyStart + 4 + textLength < message.length)
        message.text = input.mid(bodyStart + 4, textLength);
    return message;
}

} // namespace

DBusProbe::DBusProbe(const QByteArray &address, Deadline deadline)
    : m_deadline(deadline)
{
    const std::optional<SocketAddress> where = localSocket(address);
    if (!where)
        return;
    m_socket = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0)
        return;
    if (connect(m_socket, reinterpret_cast<const sockaddr *>(&where->address), where->length)
        != 0) {
        // A local socket whose queue of waiting connections is full is one nobody takes from.
        if (errno == EAGAIN)
            m_answer = Answer::Silent;
        return;
    }
    // The protocol opens with a zero byte; the user is named by the digits of the id, in hex.
    const QByteArray user = QByteArray::number(geteuid()).toHex();
    m_answer = send(QByteArray(1, '\0') + "AUTH EXTERNAL " + user + "\r\n");
    while (m_answer == Answer::Answered && !m_input.contains("\r\n"))
        m_answer = receive();
    m_authenticated = m_answer == Answer::Answered && m_input.startsWith("OK ");
    m_input.clear();
    if (!m_authenticated)
        return;
    // Every client says hello first; the bus answers with the client's name on the bus.
    QByteArray name;
    m_answer = send("BEGIN\r\n"
                    + methodCall(++m_serial, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                 "org.freedesktop.DBus", "Hello"));
    if (m_answer == Answer::Answered)
        m_answer = awaitReply(m_serial, name);
}

DBusProbe::~DBusProbe()
{
    if (m_socket >= 0)
        close(m_socket);
}

DBusProbe::Answer DBusProbe::callForText(const char *service, const char *path,
                                         const char *interface, const char *method,
                                         QByteArray &text)
{
    text.clear();
    if (!m_authenticated || m_answer != Answer::Answered)
        return m_answer;
    const Answer answer = send(methodCall(++m_serial, service, path, interface, method));
    return answer == Answer::Answered ? awaitReply(m_serial, text) : answer;
}

DBusProbe::Answer DBusProbe::awaitReply(quint32 serial, QByteArray &text)
{
    constexpr char reply = 2;
    constexpr char error = 3;
    for (;;) {
        const Message message = readMessage(m_input);
        if (message.length < 0)
            return Answer::Unreached;
        if (message.length == 0) {
            const Answer answer = receive();
            if (answer != Answer::Answered)
                return answer;
            continue;
        }
        m_input.remove(0, message.length);
        if (message.replySerial == serial && (message.type == reply || message.type == error)) {
            text = message.type == reply ? message.text : QByteArray();
            return Answer::Answered;
        }
    }
}

bool DBusProbe::waitFor(short events) const
{
    using namespace std::chrono;
    for (;;) {
        const auto left = duration_cast<milliseconds>(m_deadline - steady_clock::now()).count();
        if (left <= 0)
            return false;
        pollfd watched {m_socket, events, 0};
        const int ready = poll(&watched, 1, int(left));
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

DBusProbe::Answer DBusProbe::send(const QByteArray &data)
{
    for (qsizetype sent = 0; sent < data.size();) {
        const ssize_t count =
            ::send(m_socket, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (count > 0)
            sent += count;
        else if (errno != EAGAIN && errno != EINTR)
            return Answer::Unreached;
        else if (!waitFor(POLLOUT))
            return Answer::Silent;
    }
    return Answer::Answered;
}

DBusProbe::Answer DBusProbe::receive()
{
    for (;;) {
        char buffer[4096];
        const ssize_t count = recv(m_socket, buffer, sizeof buffer, 0);
        if (count > 0) {
            m_input.append(buffer, count);
            return Answer::Answered;
        }
        // Closed by the other end, or broken: whatever it was, it waits no more.
        if (count == 0 || (errno != EAGAIN && errno != EINTR))
            return Answer::Unreached;
        if (!waitFor(POLLIN))
            return Answer::Silent;
    }
}

} // namespace runtime
