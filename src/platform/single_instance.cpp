#include "platform/single_instance.h"

#include "platform/desktop_identity.h"
#include "platform/handover_socket.h"
#include "platform/wayland_activation.h"
#include "platform/window_system.h"
#include "platform/x11_activation.h"
#include "store/event_store.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace vz {

namespace {

const QByteArray ActivateRequest = "activate";
const char ActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";
// Launchers that speak the X11 startup notification protocol (GTK's, among them those of the
// desktops' menus and docks) pass the token here, under Wayland too.
const char StartupIdVariable[] = "DESKTOP_STARTUP_ID";
// How long a later start keeps trying to reach a running copy that holds the lock: the copy
// may have taken the lock an instant ago and not be listening yet.
constexpr int ReachTimeoutMs = 3000;

const char BlockedMessage[] =
    "Another copy of the program (process %1) holds the event list in %2 but does not answer. "
    "End that copy, or wait until it answers, and start the program again.";
const char NotTakenOverMessage[] =
    "The lock %1 could not be taken over. Remove it if no copy of the program runs, and start "
    "the program again.";

// The copy that holds its store's lock, for keepLock(): one per process.
SingleInstance* lockHolder = nullptr;
constexpr int RetryDelayMs = 100;
constexpr int ReplyTimeoutMs = 5000;

// Read as the program starts, before the application object exists: Qt's X11 plugin takes the
// startup id out of the environment when it connects.
const QByteArray givenActivationToken = qgetenv(ActivationTokenVariable).trimmed();
const QByteArray givenStartupId = qgetenv(StartupIdVariable).trimmed();

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace

SingleInstance::SingleInstance(const QString& storeFolder, QObject* parent)
    : QObject(parent), m_folder(storeFolder) {}

SingleInstance::~SingleInstance() {
    if (lockHolder == this)
        lockHolder = nullptr;
}

QByteArray SingleInstance::activationToken() {
    // Each window system takes its own kind first; a launcher may set both.
    const bool wayland = compositorPlacesWindows();
    const QByteArray& preferred = wayland ? givenActivationToken : givenStartupId;
    return preferred.isEmpty() ? (wayland ? givenStartupId : givenActivationToken) : preferred;
}

QString SingleInstance::alreadyRunningLine() const {
    const QString store =
        QDir(canonicalFolder(m_folder))
            .filePath(QString::fromUtf8(StoreFileName.data(),
                                        static_cast<qsizetype>(StoreFileName.size())));
    return QStringLiteral("Vizevavoz 98 is already running with the events in %1.").arg(store);
}

QString SingleInstance::serverName(const QString& storeFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(canonicalFolder(storeFolder).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    // In the user's runtime folder, so the socket is private and gone at logout.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("vorurer-") + QString::fromLatin1(hash));
}

SingleInstance::Claim SingleInstance::claim() {
    QDir().mkpath(m_folder);
    const QString lockPath = QDir(m_folder).filePath(QLatin1String(LockFileName));
    m_lock = std::make_unique<QLockFile>(lockPath);
    // A running copy holds its lock for as long as it runs, however long that is; only a lock
    // whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return claimed();
    if (m_lock->error() != QLockFile::LockFailedError) {
        // The lock cannot be made here (a folder we may not write): the socket alone tells.
        m_lock.reset();
        switch (askRunningCopy(0)) {
        case Reach::Answered:
            return Claim::HandedOver;
        case Reach::Silent:
            return blocked(0);
        case Reach::Unreachable:
            break;
        }
        listen();
        return Claim::Claimed;
    }

    qint64 pid = 0;
    QString host, application;
    const bool readable = m_lock->getLockInfo(&pid, &host, &application);
    if (readable && !host.isEmpty() && host != QSysInfo::machineHostName()) {
        // Written on another computer that shares the folder: no socket reaches a copy there,
        // and no process here tells whether it still runs. Only the user knows.
        if (!m_question || !m_question(host, pid)) {
            m_lock.reset();
            return Claim::Declined;
        }
        if (takeOver())
            return claimed();
        m_blockedReason = QString::fromLatin1(NotTakenOverMessage).arg(lockPath);
        m_lock.reset();
        return Claim::Blocked;
    }
    // An empty or garbled lock names nobody to ask. It is stale unless a live copy holds the
    // file open (one that made it an instant ago and is still writing it).
    if (!readable && takeOver())
        return claimed();
    // A copy that answers comes to the front; this start must not touch the store.
    if (askRunningCopy(ReachTimeoutMs) == Reach::Answered) {
        m_lock.reset();
        return Claim::HandedOver;
    }
    // Nobody answers: a process of that number that is not our copy (the number was used again
    // after a crash) does not hold the file open, and then the lock is taken over.
    if (takeOver())
        return claimed();
    return blocked(pid);
}

SingleInstance::Claim SingleInstance::blocked(qint64 pid) {
    m_blockedReason = QString::fromLatin1(BlockedMessage)
                          .arg(pid > 0 ? QString::number(pid) : QStringLiteral("unknown"),
                               QDir::toNativeSeparators(m_folder));
    m_lock.reset();
    return Claim::Blocked;
}

SingleInstance::Claim SingleInstance::claimed() {
    lockHolder = this;
    listen();
    return Claim::Claimed;
}

bool SingleInstance::takeOver() {
    // Removal fails while a live process on this computer holds the file; so does the lock.
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

void SingleInstance::keepLock() {
    if (lockHolder)
        lockHolder->renewLock();
}

void SingleInstance::renewLock() {
    if (!m_lock)
        return;
    const QString lockPath = QDir(m_folder).filePath(QLatin1String(LockFileName));
    if (QFileInfo::exists(lockPath))
        return;
    auto fresh = std::make_unique<QLockFile>(lockPath);
    fresh->setStaleLockTime(0);
    if (!fresh->tryLock(0))
        return;
    // The old lock's object would remove the new file of the same name when destroyed, so it
    // is left alone: it holds nothing but an open handle of the removed file.
    (void)m_lock.release();
    m_lock = std::move(fresh);
}

bool SingleInstance::listen() {
    m_server = new HandoverServer(this);
    connect(m_server, &HandoverServer::lineReceived, this, &SingleInstance::answer);
    // Without the socket this copy still runs; a later start then finds it silent and says so.
    if (m_server->listen(serverName(m_folder)))
        return true;
    std::fprintf(stderr, "%s\n", m_server->errorString().toLocal8Bit().constData());
    return false;
}

SingleInstance::Reach SingleInstance::askRunningCopy(int patienceMs) {
    const QString name = serverName(m_folder);
    // A token is one word; anything after a line break would be a second request.
    QByteArray token = activationToken().split('\n').front().simplified().split(' ').front();
    // A start from a terminal under Wayland: with a token that no user input backs, the
    // running copy can at least ask for attention.
    if (token.isEmpty() && compositorPlacesWindows())
        token = compositorActivationToken(DesktopId).simplified().split(' ').front();
    // One the running copy would refuse as too long is better left out: the copy still comes
    // forward, or asks for attention.
    if (token.size() + ActivateRequest.size() + 2 > HandoverLineLimit)
        token.clear();
    const QByteArray request = ActivateRequest + ' ' + token + '\n';
    const QDeadlineTimer deadline(patienceMs);
    while (true) {
        switch (reachHandover(name, request, ReplyTimeoutMs)) {
        case HandoverReach::Answered:
            return Reach::Answered;
        case HandoverReach::Silent:
            return Reach::Silent;
        case HandoverReach::Unreachable:
            break;
        }
        if (deadline.hasExpired())
            return Reach::Unreachable;
        QThread::msleep(RetryDelayMs);
    }
}

void SingleInstance::answer(const QByteArray& received) {
    const QByteArray line = received.trimmed();
    if (line != ActivateRequest && !line.startsWith(ActivateRequest + ' '))
        return;
    QByteArray token = line.mid(ActivateRequest.size()).trimmed();
    // Tokens and startup ids are printable ASCII; anything else would be handed on to the
    // window system as it is. The copy still comes forward, without one.
    const bool printable =
        std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < '\x7f'; });
    emit activationRequested(printable ? QString::fromLatin1(token) : QString());
}

void bringToFront(QWidget* window, const QString& token) {
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    if (compositorPlacesWindows()) {
        // Without the later start's token a Wayland compositor lets no program take the focus;
        // the window asks for the user's attention instead.
        if (token.isEmpty()) {
            QApplication::alert(window);
            return;
        }
        qputenv(ActivationTokenVariable, token.toUtf8());
    } else if (activateForStartup(window->windowHandle(), token.toUtf8())) {
        return;
    }
    window->activateWindow();
    if (QWindow* handle = window->windowHandle())
        handle->requestActivate();
}

} // namespace vz
