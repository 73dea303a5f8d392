// The Unix-domain stream socket through which a later start asks the running copy to come to the
// front. The later start connects, writes one line and waits until the running copy closes the
// connection; the running copy reads that line and closes.
//
// Plain sockets rather than a networking library: the hand-over is a few bytes once per start,
// and the running copy watches its listening socket on the event loop like any other handle.
//
//     HandoverServer server;
//     server.listen(path);                       // the running copy
//     connect(&server, &HandoverServer::lineReceived, ...);
//     reachHandover(path, "activate token\n", 5000);  // a later start
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>

#include <map>
#include <memory>

class QSocketNotifier;

namespace vz {

// The longest line the running copy takes, its line end included. A longer one is not a
// request: it is dropped whole, never cut short.
inline constexpr int HandoverLineLimit = 1024;
// How long the running copy waits for a connected peer's line before it hangs up.
inline constexpr int HandoverIdleMs = 5000;

// The address of a socket file. A path too long for sun_path is reached through a handle on its
// folder (/proc/self/fd/N/name), which is as long as it needs to be wherever the folder is.
class SocketAddress {
public:
    explicit SocketAddress(const QString& path);
    ~SocketAddress();
    SocketAddress(const SocketAddress&) = delete;
    SocketAddress& operator=(const SocketAddress&) = delete;

    // False when the path cannot be put into an address at all.
    bool isValid() const { return m_length > 0; }
    const sockaddr* data() const { return reinterpret_cast<const sockaddr*>(&m_address); }
    socklen_t size() const { return m_length; }
    // Whether the folder's handle stands in for a path too long.
    bool throughFolder() const { return m_folder >= 0; }

private:
    sockaddr_un m_address{};
    socklen_t m_length = 0;
    int m_folder = -1;
};

class HandoverServer : public QObject {
    Q_OBJECT
public:
    explicit HandoverServer(QObject* parent = nullptr);
    // Stops listening and removes the socket file, if it is still the one this server made.
    ~HandoverServer() override;

    // Listens at `path`, only for this user. A socket file of ours left there by a copy that
    // crashed is removed first; anything else there (another user's socket, a file that is no
    // socket) is left alone and the listening fails, with errorString() saying why.
    bool listen(const QString& path);
    QString errorString() const { return m_error; }
    // Connections open now, waiting for their line (for tests).
    int pendingPeers() const { return static_cast<int>(m_peers.size()); }

signals:
    // A peer's line, without its line end. The connection is already closed.
    void lineReceived(const QByteArray& line);

private:
    struct Peer;
    void close();
    void acceptPeers();
    void readPeer(quint64 id);
    void dropPeer(quint64 id);
    bool fail(const QString& what);

    int m_fd = -1;
    QString m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    QSocketNotifier* m_notifier = nullptr;
    std::map<quint64, std::unique_ptr<Peer>> m_peers;
    quint64 m_lastPeer = 0;
    QString m_error;
};

enum class HandoverReach {
    Answered,    // connected, wrote the request, and the running copy closed the connection
    Silent,      // connected, but the other side neither took the request nor closed in time
    Unreachable, // no socket there, nobody listening, or one that is not this user's
};

// One try at handing `request` over to the copy listening at `path`, waiting up to `replyMs`
// for it to take the request. Never raises SIGPIPE.
HandoverReach reachHandover(const QString& path, const QByteArray& request, int replyMs);

} // namespace vz
