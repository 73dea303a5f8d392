#include "platform/handover_socket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

// Peers waiting for their line at one time. While that many are open the listening socket is
// not watched, and later connections wait in the system's queue until one is done.
constexpr std::size_t PeerLimit = 8;
constexpr int Backlog = 16;

// The user's own processes only: the socket file is private, and a peer of another user (the
// superuser aside, whom nothing stops) is neither answered nor sent a token.
bool sameUser(int fd) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return credentials.uid == ::geteuid();
}

void closeFd(int fd) {
    // A close interrupted by a signal has still released the handle on Linux: never repeated.
    if (fd >= 0)
        ::close(fd);
}

// Waits until `fd` is ready for `events` or the deadline passes; false when it passed.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    while (true) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

SocketAddress::SocketAddress(const QString& path) {
    m_address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || encoded.contains('\0'))
        return;
    QByteArray target = encoded;
    if (static_cast<std::size_t>(encoded.size()) >= sizeof m_address.sun_path) {
        const QFileInfo info(path);
        m_folder = ::open(QFile::encodeName(info.absolutePath()).constData(),
                          O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m_folder < 0)
            return;
        target = "/proc/self/fd/" + QByteArray::number(m_folder) + '/' +
                 QFile::encodeName(info.fileName());
        if (static_cast<std::size_t>(target.size()) >= sizeof m_address.sun_path)
            return;
    }
    std::memcpy(m_address.sun_path, target.constData(), static_cast<std::size_t>(target.size()));
    m_length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                      static_cast<std::size_t>(target.size()) + 1);
}

SocketAddress::~SocketAddress() {
    closeFd(m_folder);
}

struct HandoverServer::Peer {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QByteArray received;
};

HandoverServer::HandoverServer(QObject* parent) : QObject(parent) {}

HandoverServer::~HandoverServer() {
    close();
}

bool HandoverServer::fail(const QString& what) {
    m_error =
        QStringLiteral("%1 %2: %3").arg(what, m_path, QString::fromLocal8Bit(std::strerror(errno)));
    closeFd(m_fd);
    m_fd = -1;
    return false;
}

bool HandoverServer::listen(const QString& path) {
    close();
    m_path = path;
    m_error.clear();
    const SocketAddress address(path);
    if (!address.isValid()) {
        m_error = QStringLiteral("The socket path %1 cannot be used").arg(path);
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    // Only the store's one copy listens, so a socket file of ours already there is stale.
    struct stat existing {};
    if (::lstat(file.constData(), &existing) == 0 && S_ISSOCK(existing.st_mode) &&
        existing.st_uid == ::geteuid())
        ::unlink(file.constData());

    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return fail(QStringLiteral("Cannot make the socket"));
    if (::bind(m_fd, address.data(), address.size()) != 0)
        return fail(QStringLiteral("Cannot bind the socket"));
    struct stat made {};
    if (::chmod(file.constData(), S_IRWXU) != 0 || ::lstat(file.constData(), &made) != 0) {
        const int error = errno;
        ::unlink(file.constData());
        errno = error;
        return fail(QStringLiteral("Cannot make private the socket"));
    }
    m_device = made.st_dev;
    m_inode = made.st_ino;
    if (::listen(m_fd, Backlog) != 0) {
        const int error = errno;
        ::unlink(file.constData());
        errno = error;
        return fail(QStringLiteral("Cannot listen on the socket"));
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HandoverServer::acceptPeers);
    return true;
}

void HandoverServer::close() {
    while (!m_peers.empty())
        dropPeer(m_peers.begin()->first);
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd < 0)
        return;
    closeFd(m_fd);
    m_fd = -1;
    // A later copy may have put its own socket there since: that one stays.
    const QByteArray file = QFile::encodeName(m_path);
    struct stat now {};
    if (::lstat(file.constData(), &now) == 0 && now.st_dev == m_device && now.st_ino == m_inode)
        ::unlink(file.constData());
}

void HandoverServer::acceptPeers() {
    while (m_peers.size() < PeerLimit) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: nobody waits; anything else: try again on the next wake-up
        }
        if (!sameUser(fd)) {
            closeFd(fd);
            continue;
        }
        // Peers are known by a number of their own: a handle's number is used again at once.
        const quint64 id = ++m_lastPeer;
        auto peer = std::make_unique<Peer>();
        peer->fd = fd;
        peer->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(peer->notifier, &QSocketNotifier::activated, this, [this, id] { readPeer(id); });
        // A peer that never finishes its line is hung up on; the timer goes with the notifier.
        QTimer::singleShot(HandoverIdleMs, peer->notifier, [this, id] { dropPeer(id); });
        m_peers.emplace(id, std::move(peer));
    }
    m_notifier->setEnabled(false);
}

void HandoverServer::readPeer(quint64 id) {
    const auto found = m_peers.find(id);
    if (found == m_peers.end())
        return;
    const int fd = found->second->fd;
    QByteArray& received = found->second->received;
    char chunk[HandoverLineLimit];
    while (true) {
        // Never more than the rest of one line: a peer cannot make this copy read without end.
        const std::size_t room = static_cast<std::size_t>(HandoverLineLimit - received.size());
        const ssize_t count = ::recv(fd, chunk, room, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the rest comes later
        if (count <= 0) {
            dropPeer(id); // closed before a whole line: not a request
            return;
        }
        received.append(chunk, count);
        const qsizetype end = received.indexOf('\n');
        if (end >= 0) {
            const QByteArray line = received.left(end);
            dropPeer(id);
            emit lineReceived(line);
            return;
        }
        if (received.size() >= HandoverLineLimit) {
            dropPeer(id);
            return;
        }
    }
}

void HandoverServer::dropPeer(quint64 id) {
    const auto found = m_peers.find(id);
    if (found == m_peers.end())
        return;
    // Deleted later: this may run inside the notifier's own signal.
    found->second->notifier->setEnabled(false);
    found->second->notifier->deleteLater();
    closeFd(found->second->fd);
    m_peers.erase(found);
    if (m_notifier)
        m_notifier->setEnabled(true);
}

HandoverReach reachHandover(const QString& path, const QByteArray& request, int replyMs) {
    const SocketAddress address(path);
    if (!address.isValid())
        return HandoverReach::Unreachable;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return HandoverReach::Unreachable;
    const auto result = [fd](HandoverReach reach) {
        closeFd(fd);
        return reach;
    };
    // A local connection is made at once or not at all (EAGAIN: the queue is full).
    int connected;
    do
        connected = ::connect(fd, address.data(), address.size());
    while (connected != 0 && errno == EINTR);
    if (connected != 0 || !sameUser(fd))
        return result(HandoverReach::Unreachable);

    const QDeadlineTimer deadline(replyMs);
    qsizetype written = 0;
    while (written < request.size()) {
        const ssize_t count =
            ::send(fd, request.constData() + written,
                   static_cast<std::size_t>(request.size() - written), MSG_NOSIGNAL);
        if (count > 0) {
            written += count;
        } else if (errno == EPIPE || errno == ECONNRESET) {
            return result(HandoverReach::Answered); // it closed the connection already
        } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            if (errno != EINTR && !waitFor(fd, POLLOUT, deadline))
                return result(HandoverReach::Silent);
        } else {
            return result(HandoverReach::Unreachable);
        }
    }
    // The running copy closes the connection once it has the request. The system takes
    // connections for a copy that is stopped or hung too; such a copy never closes it.
    char reply[64];
    while (true) {
        const ssize_t count = ::recv(fd, reply, sizeof reply, 0);
        if (count == 0 || (count < 0 && errno == ECONNRESET))
            return result(HandoverReach::Answered);
        if (count > 0 && deadline.hasExpired())
            return result(HandoverReach::Silent); // talks, but never hangs up
        if (count > 0 || errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return result(HandoverReach::Unreachable);
        if (!waitFor(fd, POLLIN, deadline))
            return result(HandoverReach::Silent);
    }
}

} // namespace vz
