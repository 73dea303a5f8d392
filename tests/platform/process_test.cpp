#include "platform/exit_signals.h"
#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace vz {
namespace {

TEST(SingleInstance, TheFirstClaimWinsUntilItEnds) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("store"); // made on the way
    {
        SingleInstance first(folder);
        ASSERT_TRUE(first.claim());
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(LockFileName)));
        SingleInstance second(folder);
        EXPECT_FALSE(second.claim());
        // Another store is another copy.
        SingleInstance elsewhere(dir.filePath("other"));
        EXPECT_TRUE(elsewhere.claim());
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(LockFileName)));
    SingleInstance next(folder);
    EXPECT_TRUE(next.claim());
}

TEST(SingleInstance, ALockWhoseProcessIsGoneIsTakenOver) {
    QTemporaryDir dir;
    QFile lock(dir.filePath(LockFileName));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // No process has this number (it is above every kernel's limit).
    lock.write("2147483646\nvorurer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance instance(dir.path());
    EXPECT_TRUE(instance.claim());
}

TEST(SingleInstance, WhereNoLockCanBeMadeTheSocketAloneTells) {
    QTemporaryDir dir;
    // A file where the folder should be: no lock file can be made in it, whoever runs the test.
    const QString folder = dir.filePath("not-a-folder");
    QFile file(folder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance first(folder);
    ASSERT_TRUE(first.claim());
    SingleInstance second(folder);
    EXPECT_FALSE(second.claim());
}

TEST(SingleInstance, ALaterStartsRequestReachesTheRunningCopy) {
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    ASSERT_TRUE(running.claim());
    QSignalSpy asked(&running, &SingleInstance::activationRequested);
    QLocalSocket later;
    later.connectToServer(SingleInstance::serverName(dir.path()));
    ASSERT_TRUE(later.waitForConnected(2000));
    later.write("activate token-1\n");
    ASSERT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.front().front().toString(), "token-1");
    // Anything else on the socket is not a request.
    QLocalSocket stranger;
    stranger.connectToServer(SingleInstance::serverName(dir.path()));
    ASSERT_TRUE(stranger.waitForConnected(2000));
    stranger.write("hello\n");
    EXPECT_FALSE(asked.wait(300));
    EXPECT_EQ(asked.size(), 1);
}

TEST(ExitSignals, EachEndingSignalArrivesOnTheEventLoop) {
    ExitSignals ending;
    QSignalSpy received(&ending, &ExitSignals::received);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        received.clear();
        std::raise(signal);
        ASSERT_TRUE(received.wait(2000)) << signal;
        EXPECT_EQ(received.front().front().toInt(), signal);
    }
}

} // namespace
} // namespace vz
