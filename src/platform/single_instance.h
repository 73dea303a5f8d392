// One running copy per store. Two copies writing the same store would each save their own list
// over the other's, so the first start of a store holds a lock file beside it and listens on a
// local socket; a later start finds the lock, asks the running copy through the socket to come
// to the front, and ends without having read or written the store.
//
// A lock never blocks the start for good: one that is empty or cannot be read, or whose copy is
// gone or does not answer and no longer holds the file, is taken over; one written on another
// computer (a synced or portable folder) is taken over when the user says so.
//
//     vz::SingleInstance instance(folder);
//     instance.setForeignLockQuestion(askTheUser);
//     switch (instance.claim()) { … }  // Claimed: run; Blocked: report blockedReason(), end
//     connect(&instance, &vz::SingleInstance::activationRequested, ...);
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;
class QWidget;

namespace vz {

class HandoverServer;

inline constexpr char LockFileName[] = "zadud2.ini.lock";

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed,    // this is the store's one running copy: it holds the lock until destroyed
        HandedOver, // another copy runs and has been asked to come to the front
        Declined,   // the lock is another computer's and the user chose not to open anyway
        Blocked,    // another copy holds the lock but does not answer: see blockedReason()
    };
    // Asked about a lock written on another computer: true opens the store anyway.
    using ForeignLockQuestion = std::function<bool(const QString& host, qint64 pid)>;

    explicit SingleInstance(const QString& storeFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    void setForeignLockQuestion(ForeignLockQuestion question) { m_question = std::move(question); }

    // A lock left by a copy that crashed does not count: its process is gone, so the lock is
    // taken over, and so is a lock that is empty or cannot be read. A lock whose process runs
    // but does not answer within a few seconds is taken over when that process no longer holds
    // the file open; otherwise (a copy stopped or hung) the start is blocked, with the reason
    // for the user.
    Claim claim();
    QString blockedReason() const { return m_blockedReason; }

    // Makes the lock file again when something removed it while this copy runs, so a later start
    // still finds it. Called before each save; does nothing where no lock could be made.
    static void keepLock();

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
    enum class Reach { Answered, Silent, Unreachable };
    bool listen();
    // Tries to reach the running copy for up to `patienceMs`: Answered when it took the request,
    // Silent when it let us connect but never answered (stopped or hung).
    Reach askRunningCopy(int patienceMs);
    Claim blocked(qint64 pid);
    void answer(const QByteArray& line);
    // Removes a lock that no live process on this computer holds open, then locks.
    bool takeOver();
    Claim claimed();
    void renewLock();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    HandoverServer* m_server = nullptr;
    ForeignLockQuestion m_question;
    QString m_blockedReason;
};

// Shows a window in front of the others and gives it the focus, as far as the platform lets a
// program do that for itself: restored if minimised, raised and activated with the later start's
// token. Under Wayland a window without a token cannot take the focus, and asks for attention.
void bringToFront(QWidget* window, const QString& token);

} // namespace vz
