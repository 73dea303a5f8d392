#include "platform/handover_socket.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {
namespace {

using Claim = SingleInstance::Claim;

// A peer as any process of the user may make one: a raw connection to the running copy.
int connectTo(const QString& path) {
    const SocketAddress address(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, address.data(), address.size()) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// Whether the running copy, answering on this thread, hangs up on `fd` within `ms`.
bool hungUpOn(int fd, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, 10) > 0) {
            char byte;
            if (::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0)
                return true;
        }
    }
    return false;
}

Claim laterStart(const QString& folder) {
    auto claim = std::async(std::launch::async, [folder] {
        SingleInstance later(folder);
        return later.claim();
    });
    while (claim.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return claim.get();
}

// Whatever a peer sends, the running copy takes at most one line, hangs up, and only a
// well-formed request brings it forward, with a token that can be handed on as it is.
TEST(HandoverSocket, OnlyARequestLineBringsTheCopyForward) {
    struct Case {
        const char* what;
        QByteArray sent;
        bool thenClose;               // the peer closes its side after sending
        std::optional<QString> token; // none: no request
    };
    const Case cases[] = {
        {"a request", "activate token-1\n", false, "token-1"},
        {"without a token", "activate\n", false, ""},
        {"a line end of another system", "activate token-2\r\n", false, "token-2"},
        {"a request and more", "activate token-3\nactivate token-4\n", false, "token-3"},
        {"no line end before closing", "activate token-5", true, std::nullopt},
        {"nothing before closing", "", true, std::nullopt},
        {"another word", "hello\n", false, std::nullopt},
        {"a longer word", "activated\n", false, std::nullopt},
        {"a line too long", "activate " + QByteArray(HandoverLineLimit, 'a') + '\n', false,
         std::nullopt},
        {"far too long, no line end", QByteArray(64 * 1024, 'x'), false, std::nullopt},
        {"a token of control bytes", "activate \x01\x1b[2J\n", false, ""},
        {"a token not ASCII", "activate t\xc3\xb6ken\n", false, ""},
        {"two words", "activate one two\n", false, ""},
    };
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    ASSERT_EQ(running.claim(), Claim::Claimed);
    QSignalSpy asked(&running, &SingleInstance::activationRequested);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        asked.clear();
        const int fd = connectTo(SingleInstance::serverName(dir.path()));
        ASSERT_GE(fd, 0);
        // Not waiting: the running copy answers on this thread, and reads only one line.
        EXPECT_GE(::send(fd, c.sent.constData(), static_cast<std::size_t>(c.sent.size()),
                         MSG_NOSIGNAL | MSG_DONTWAIT),
                  0);
        if (c.thenClose)
            ::shutdown(fd, SHUT_WR);
        EXPECT_TRUE(hungUpOn(fd, 2000));
        ::close(fd);
        QCoreApplication::processEvents();
        ASSERT_EQ(asked.size(), c.token ? 1 : 0);
        if (c.token) {
            EXPECT_EQ(asked.front().front().toString(), *c.token);
        }
    }
}

// A peer that connects and says nothing neither holds up the others nor stays for good.
TEST(HandoverSocket, ASilentPeerIsHungUpOnAndHoldsUpNobody) {
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    ASSERT_EQ(running.claim(), Claim::Claimed);
    const int silent = connectTo(SingleInstance::serverName(dir.path()));
    ASSERT_GE(silent, 0);
    QSignalSpy asked(&running, &SingleInstance::activationRequested);
    EXPECT_EQ(laterStart(dir.path()), Claim::HandedOver);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(hungUpOn(silent, HandoverIdleMs + 2000));
    ::close(silent);
}

// The socket file of a copy that crashed is replaced; anything else there is left alone, and
// this copy runs on without the hand-over rather than remove what is not its own.
TEST(HandoverSocket, OnlyAStaleSocketOfThisUserIsReplaced) {
    struct Case {
        const char* what;
        enum { StaleSocket, PlainFile, OthersSocket } left;
        bool listens;
    };
    std::vector<Case> cases = {
        {"a socket of a copy that crashed", Case::StaleSocket, true},
        {"a file that is no socket", Case::PlainFile, false},
    };
    // Only the superuser can leave a socket of another user.
    if (::geteuid() == 0)
        cases.push_back({"another user's socket", Case::OthersSocket, false});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("socket");
        if (c.left == Case::PlainFile) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("kept");
        } else {
            // Bound and closed without removing the file, as a crash leaves it.
            const SocketAddress address(path);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            ASSERT_EQ(::bind(fd, address.data(), address.size()), 0);
            ::close(fd);
            if (c.left == Case::OthersSocket) {
                ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
            }
        }
        {
            HandoverServer server;
            EXPECT_EQ(server.listen(path), c.listens);
            EXPECT_EQ(server.errorString().isEmpty(), c.listens)
                << server.errorString().toStdString();
            struct stat now {};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &now), 0);
            EXPECT_EQ(S_ISSOCK(now.st_mode), c.left != Case::PlainFile);
            if (c.listens) {
                EXPECT_EQ(now.st_mode & 0777, 0700u); // this user's only
            }
        }
        // A listening server takes its file with it; what it did not make stays.
        EXPECT_EQ(QFile::exists(path), !c.listens);
    }
}

// sun_path holds 107 bytes and the terminating zero; longer paths go through the folder.
TEST(HandoverSocket, APathOfAnyLengthHasAnAddress) {
    QTemporaryDir dir;
    const int room = static_cast<int>(sizeof(sockaddr_un::sun_path)) - 1;
    const QString base = dir.path() + '/';
    const QString deep = base + QString(150, 'f') + '/' + QString(150, 'g');
    ASSERT_TRUE(QDir().mkpath(deep));
    struct Case {
        QString path;
        bool valid;
        bool throughFolder;
    };
    const Case cases[] = {
        {base + QString(room - base.size(), 'a'), true, false},
        {base + QString(room + 1 - base.size(), 'b'), true, true},
        {deep + "/socket", true, true},
        {base + "missing/" + QString(200, 'd'), false, false}, // no folder to go through
        {base + QString(200, 'e'), false, true},               // the name alone does not fit
        {QString(), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.size());
        const SocketAddress address(c.path);
        EXPECT_EQ(address.isValid(), c.valid);
        EXPECT_EQ(address.throughFolder(), c.throughFolder);
    }
    // And the long one is a real place: a server there is reached.
    HandoverServer server;
    ASSERT_TRUE(server.listen(deep + "/socket")) << server.errorString().toStdString();
    EXPECT_TRUE(QFile::exists(deep + "/socket"));
    const int fd = connectTo(deep + "/socket");
    EXPECT_GE(fd, 0);
    ::close(fd);
}

// A runtime folder deep enough that the socket's path overflows sun_path still hands over.
TEST(HandoverSocket, ALongRuntimeFolderStillHandsOver) {
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QString(60, 'r') + '/' + QString(60, 's'));
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_TRUE(
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString store = dir.filePath("store");
    const QString path = SingleInstance::serverName(store);
    ASSERT_TRUE(path.startsWith(runtime));
    ASSERT_GT(QFile::encodeName(path).size(),
              static_cast<qsizetype>(sizeof(sockaddr_un::sun_path)));
    {
        SingleInstance running(store);
        ASSERT_EQ(running.claim(), Claim::Claimed);
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(laterStart(store), Claim::HandedOver);
    }
    EXPECT_FALSE(QFile::exists(path));
    if (wasSet)
        qputenv("XDG_RUNTIME_DIR", saved);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

// A copy built on Qt's local socket, still running when a newer one starts, is reached with
// the same request at the same place.
TEST(HandoverSocket, ACopyOnQtsLocalSocketIsReached) {
    QTemporaryDir dir;
    QLocalServer older;
    older.setSocketOptions(QLocalServer::UserAccessOption);
    ASSERT_TRUE(older.listen(SingleInstance::serverName(dir.path())));
    QByteArray received;
    QObject::connect(&older, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = older.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [&received, socket] {
            if (!socket->canReadLine())
                return;
            received = socket->readLine();
            socket->disconnectFromServer();
        });
    });
    // The later start claims the store's lock in vain: the test holds it for the older copy.
    QLockFile lock(QDir(dir.path()).filePath(LockFileName));
    lock.setStaleLockTime(0);
    ASSERT_TRUE(lock.tryLock(0));
    EXPECT_EQ(laterStart(dir.path()), Claim::HandedOver);
    EXPECT_TRUE(received.startsWith("activate")) << received.toStdString();
    EXPECT_TRUE(received.endsWith('\n'));
}

} // namespace
} // namespace vz
