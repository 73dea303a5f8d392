#include "platform/exit_signals.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>
#include <optional>

namespace vz {
namespace {

using Claim = SingleInstance::Claim;

// A later start, as another process makes it: it claims from a thread of its own while this
// thread answers on its event loop, as a running copy does.
Claim laterStart(const QString& folder) {
    auto claim = std::async(std::launch::async, [folder] {
        SingleInstance later(folder);
        return later.claim();
    });
    while (claim.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return claim.get();
}

QByteArray lockText(qint64 pid, const QString& application, const QString& host) {
    return QByteArray::number(pid) + '\n' + application.toUtf8() + '\n' + host.toUtf8() + '\n';
}

// Locks that no answering copy holds, as a crash, a sync tool or another computer leave them.
// None blocks the start for good; one from another computer waits for the user's word.
TEST(SingleInstance, LocksNobodyAnswersForNeverBlockTheStartForGood) {
    const QString here = QSysInfo::machineHostName();
    // This test's own process looks like a running copy that does not answer.
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    struct Case {
        const char* what;
        QByteArray lock;
        bool answer; // the user's word about another computer's lock
        Claim expected;
        QString askedHost; // empty: the user is not asked
    };
    const Case cases[] = {
        {"empty", "", false, Claim::Claimed, {}},
        {"garbage", "\x01\x02 not a lock\n", false, Claim::Claimed, {}},
        {"a number that is no process",
         lockText(2147483646, "vorurer", here),
         false,
         Claim::Claimed,
         {}},
        {"a live process that is not a copy holding the file",
         lockText(QCoreApplication::applicationPid(), self, here),
         false,
         Claim::Claimed,
         {}},
        {"another computer's, opened anyway", lockText(4242, "vorurer", "far-away"), true,
         Claim::Claimed, "far-away"},
        {"another computer's, not opened", lockText(4242, "vorurer", "far-away"), false,
         Claim::Declined, "far-away"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(LockFileName);
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(c.lock);
        lock.close();
        SingleInstance instance(dir.path());
        QString askedHost;
        qint64 askedPid = 0;
        instance.setForeignLockQuestion([&](const QString& host, qint64 pid) {
            askedHost = host;
            askedPid = pid;
            return c.answer;
        });
        EXPECT_EQ(instance.claim(), c.expected);
        EXPECT_EQ(askedHost, c.askedHost);
        EXPECT_EQ(askedPid, c.askedHost.isEmpty() ? 0 : 4242);
        QFile after(lockPath);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        // Taken over means ours now; declined means left exactly as it was.
        if (c.expected == Claim::Claimed)
            EXPECT_TRUE(after.readAll().startsWith(
                QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        else
            EXPECT_EQ(after.readAll(), c.lock);
    }
}

// A copy that holds the lock file open but does not answer (stopped or hung: its socket takes
// the connection, or there is none) is never pushed aside: the start ends, saying why.
TEST(SingleInstance, AHeldLockWhoseCopyDoesNotAnswerBlocksWithAReason) {
    for (const bool listening : {true, false}) {
        SCOPED_TRACE(listening ? "hung copy" : "no socket");
        QTemporaryDir dir;
        std::optional<SingleInstance> hung;
        std::optional<QLockFile> held;
        if (listening) {
            hung.emplace(dir.path());
            ASSERT_EQ(hung->claim(), Claim::Claimed); // and this thread never answers
        } else {
            held.emplace(dir.filePath(LockFileName));
            held->setStaleLockTime(0);
            ASSERT_TRUE(held->tryLock(0));
        }
        SingleInstance instance(dir.path());
        EXPECT_EQ(instance.claim(), Claim::Blocked);
        EXPECT_TRUE(
            instance.blockedReason().contains(QString::number(QCoreApplication::applicationPid())))
            << instance.blockedReason().toStdString();
        EXPECT_TRUE(QFile::exists(dir.filePath(LockFileName)));
    }
}

TEST(SingleInstance, ALockFileRemovedWhileRunningIsMadeAgain) {
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(LockFileName);
    {
        SingleInstance running(dir.path());
        ASSERT_EQ(running.claim(), Claim::Claimed);
        ASSERT_TRUE(QFile::remove(lockPath));
        SingleInstance::keepLock();
        EXPECT_TRUE(QFile::exists(lockPath));
        SingleInstance::keepLock(); // present: left alone
        EXPECT_EQ(laterStart(dir.path()), Claim::HandedOver);
    }
    // The copy ends: its new lock goes with it.
    EXPECT_FALSE(QFile::exists(lockPath));
}

TEST(SingleInstance, TheFirstClaimWinsUntilItEnds) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("store"); // made on the way
    {
        SingleInstance first(folder);
        ASSERT_EQ(first.claim(), Claim::Claimed);
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(LockFileName)));
        EXPECT_EQ(laterStart(folder), Claim::HandedOver);
        // Another store is another copy.
        SingleInstance elsewhere(dir.filePath("other"));
        EXPECT_EQ(elsewhere.claim(), Claim::Claimed);
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(LockFileName)));
    SingleInstance next(folder);
    EXPECT_EQ(next.claim(), Claim::Claimed);
}

TEST(SingleInstance, ALockWhoseProcessIsGoneIsTakenOver) {
    QTemporaryDir dir;
    QFile lock(dir.filePath(LockFileName));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // No process has this number (it is above every kernel's limit).
    lock.write("2147483646\nvorurer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance instance(dir.path());
    EXPECT_EQ(instance.claim(), Claim::Claimed);
}

TEST(SingleInstance, WhereNoLockCanBeMadeTheSocketAloneTells) {
    QTemporaryDir dir;
    // A file where the folder should be: no lock file can be made in it, whoever runs the test.
    const QString folder = dir.filePath("not-a-folder");
    QFile file(folder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance first(folder);
    ASSERT_EQ(first.claim(), Claim::Claimed);
    EXPECT_EQ(laterStart(folder), Claim::HandedOver);
}

TEST(SingleInstance, ALaterStartsRequestReachesTheRunningCopy) {
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    ASSERT_EQ(running.claim(), Claim::Claimed);
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
