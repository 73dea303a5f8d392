// One running copy per store. Two copies writing the same store would each save their own list
// over the other's, so the first start of a store holds a lock file beside it and listens on a
// local socket; a later start finds the lock, asks the running copy through the socket to come
// to the front, and ends without having read or written the store.
//
//     vz::SingleInstance instance(folder);
//     if (!instance.claim())
//         return 0;                       // the running copy has been brought to the front
//     connect(&instance, &vz::SingleInstance::activationRequested, ...);
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

namespace vz {

inline constexpr char LockFileName[] = "zadud2.ini.lock";

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& storeFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the store's one running copy: it then holds the lock until destroyed and
    // answers later starts. False when another copy runs; that copy has been asked to come to the
    // front (or could not be reached, and then still runs). A lock left by a copy that crashed
    // does not count: its process is gone, so the lock is taken over.
    bool claim();

    // The token this start was given to bring a window to the front with: the activation
    // token, else the launcher's startup id; empty for a start from a terminal.
    static QByteArray activationToken();

    // What a start that found another copy running tells its terminal: that it runs, and the
    // store it keeps the events in.
    QString alreadyRunningLine() const;

    // The local socket's full name for a store folder (for tests and diagnostics).
    static QString serverName(const QString& storeFolder);

signals:
    // A later start asked for the window. `token` is that start's activation token, if it had
    // one, which lets a compositor hand the focus over.
    void activationRequested(const QString& token);

private:
    bool listen();
    // Tries to reach the running copy for up to `patienceMs`; true when it took the request.
    bool askRunningCopy(int patienceMs);
    void answer();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

// Shows a window in front of the others and gives it the focus, as far as the platform lets a
// program do that for itself: restored if minimised, raised and activated with the later start's
// token. Under Wayland a window without a token cannot take the focus, and asks for attention.
void bringToFront(QWidget* window, const QString& token);

} // namespace vz
