#include "platform/single_instance.h"

#include "platform/desktop_identity.h"
#include "platform/wayland_activation.h"
#include "platform/window_system.h"
#include "platform/x11_activation.h"
#include "store/event_store.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace vz {

namespace {

const QByteArray ActivateRequest = "activate";
const char ActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";
// Launchers that speak the X11 startup notification protocol (GTK's, among them those of the
// desktops' menus and docks) pass the token here, under Wayland too.
const char StartupIdVariable[] = "DESKTOP_STARTUP_ID";
// How long a later start keeps trying to reach a running copy that holds the lock: the copy
// may have taken the lock an instant ago and not be listening yet.
constexpr int ReachTimeoutMs = 5000;
constexpr int RetryDelayMs = 100;
constexpr int ReplyTimeoutMs = 2000;

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

SingleInstance::~SingleInstance() = default;

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

bool SingleInstance::claim() {
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(QLatin1String(LockFileName)));
    // A running copy holds its lock for as long as it runs, however long that is; only a lock
    // whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_lock.reset();
        // Whether or not the holder answers, it runs: this start must not touch the store.
        askRunningCopy(ReachTimeoutMs);
        return false;
    }
    // The lock cannot be made here (a folder we may not write): the socket alone tells.
    m_lock.reset();
    if (askRunningCopy(0))
        return false;
    listen();
    return true;
}

bool SingleInstance::listen() {
    const QString name = serverName(m_folder);
    // We are the store's only copy, so a socket left behind by a crashed one is stale.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return m_server->listen(name);
}

bool SingleInstance::askRunningCopy(int patienceMs) {
    const QString name = serverName(m_folder);
    // A token is one word; anything after a line break would be a second request.
    QByteArray token = activationToken().split('\n').front().simplified().split(' ').front();
    // A start from a terminal under Wayland: with a token that no user input backs, the
    // running copy can at least ask for attention.
    if (token.isEmpty() && compositorPlacesWindows())
        token = compositorActivationToken(DesktopId).simplified().split(' ').front();
    const QByteArray request = ActivateRequest + ' ' + token + '\n';
    const QDeadlineTimer deadline(patienceMs);
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(RetryDelayMs)) {
            socket.write(request);
            socket.waitForBytesWritten(ReplyTimeoutMs);
            // The running copy closes the connection once it has the request.
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(ReplyTimeoutMs);
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(RetryDelayMs);
    }
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine(1024).trimmed();
            socket->disconnectFromServer();
            if (line == ActivateRequest || line.startsWith(ActivateRequest + ' '))
                emit activationRequested(
                    QString::fromUtf8(line.mid(ActivateRequest.size()).trimmed()));
        });
    }
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
