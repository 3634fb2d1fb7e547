// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LocalSocket.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

// A request or answer is one short line; a client that sends more without ending it
// is not one of ours.
constexpr qsizetype kMaxLine = 256;

bool FillAddress(sockaddr_un& address, const QByteArray& path) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

// Waits for `events` on `fd` until `deadline`; false when the time is up or the wait failed.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ms = int(std::max<qint64>(0, deadline.remainingTime()));
        const int ready = ::poll(&entry, 1, ms);
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

} // namespace

QString LocalSocketPath(const QString& name) {
    if (name.contains(QLatin1Char('/'))) return name;
    return QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + name;
}

QByteArray AskOverLocalSocket(const QString& name, const QByteArray& request, int connectMs, int answerMs) {
    sockaddr_un address;
    if (!FillAddress(address, QFile::encodeName(LocalSocketPath(name)))) return {};
    const QDeadlineTimer connecting(connectMs);
    int connected = -1;
    while (connected < 0) {
        Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (fd.get() < 0) return {};
        // Not blocking: a server whose queue is full (it hangs) is tried again, not waited on.
        if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            connected = fd.release();
            break;
        }
        if (connecting.hasExpired()) return {};
        QThread::msleep(100);
    }
    const Descriptor fd(connected);

    const QDeadlineTimer answering(answerMs);
    for (qsizetype sent = 0; sent < request.size();) {
        const ssize_t n = ::send(fd.get(), request.constData() + sent, std::size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd.get(), POLLOUT, answering)) return {};
        } else {
            return {};
        }
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() <= kMaxLine) {
        char buffer[kMaxLine];
        const ssize_t n = ::recv(fd.get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            answer.append(buffer, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd.get(), POLLIN, answering)) return {};
        } else {
            return {};   // closed before a whole line
        }
    }
    return answer.contains('\n') ? answer : QByteArray();
}

LocalLineServer::LocalLineServer(QObject* parent) : QObject(parent) {}

LocalLineServer::~LocalLineServer() {
    for (auto& [fd, connection] : m_connections) ::close(fd);
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
}

bool LocalLineServer::listen(const QString& name, Answer answer) {
    const QString path = LocalSocketPath(name);
    const QByteArray target = QFile::encodeName(path);
    sockaddr_un address;
    if (m_fd >= 0 || !FillAddress(address, target)) return false;
    // The socket is made in a folder of this user's only and moved into place once
    // only this user may connect to it.
    QByteArray folder = target + ".XXXXXX";
    if (!::mkdtemp(folder.data())) return false;
    const QByteArray made = folder + "/s";
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    bool ok = fd.get() >= 0 && FillAddress(address, made) &&
              ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
              ::chmod(made.constData(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd.get(), 16) == 0;
    if (ok) {
        // A socket left by a process that ended is replaced.
        ::unlink(target.constData());
        ok = ::rename(made.constData(), target.constData()) == 0;
    }
    ::unlink(made.constData());
    ::rmdir(folder.constData());
    if (!ok) return false;

    m_fd = fd.release();
    m_path = path;
    m_answer = std::move(answer);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { acceptAll(); });
    return true;
}

void LocalLineServer::acceptAll() {
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;   // none waiting (or a client that left at once)
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        m_connections[fd] = Connection{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { readFrom(fd); });
    }
}

void LocalLineServer::readFrom(int fd) {
    auto it = m_connections.find(fd);
    if (it == m_connections.end()) return;
    QByteArray received;
    for (;;) {
        char buffer[kMaxLine];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            received.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        closeConnection(fd);   // the client closed, or the connection failed
        return;
    }
    QByteArray& pending = it->second.pending;
    pending += received;
    // The answer may run a dialog's event loop: this connection waits meanwhile.
    QSocketNotifier* notifier = it->second.notifier;
    notifier->setEnabled(false);
    while (pending.contains('\n')) {
        const qsizetype end = pending.indexOf('\n') + 1;
        const QByteArray line = pending.left(end);
        pending.remove(0, end);
        const QByteArray reply = m_answer ? m_answer(line) : QByteArray();
        if (reply.isEmpty() || ::send(fd, reply.constData(), std::size_t(reply.size()), MSG_NOSIGNAL) != reply.size()) {
            closeConnection(fd);
            return;
        }
    }
    if (pending.size() > kMaxLine) {
        closeConnection(fd);
        return;
    }
    notifier->setEnabled(true);
}

void LocalLineServer::closeConnection(int fd) {
    const auto it = m_connections.find(fd);
    if (it == m_connections.end()) return;
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    ::close(fd);
    m_connections.erase(it);
}
