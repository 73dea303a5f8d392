// The signals that ask a program to end (SIGTERM from a logout or a service manager, SIGHUP when
// the terminal or session goes, SIGINT from Ctrl+C), delivered to the event loop so they can end
// the program the way its own Exit does, saving first. The handler itself only writes one byte
// into a pipe, which is all a signal handler may safely do; the rest runs on the event loop.
//
//     vz::ExitSignals ending;
//     connect(&ending, &vz::ExitSignals::received, &window, &TfrmMain::endSession);
#pragma once

#include <QObject>

class QSocketNotifier;

namespace vz {

class ExitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object per process. Destroying it restores the defaults.
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

signals:
    void received(int signal);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vz
