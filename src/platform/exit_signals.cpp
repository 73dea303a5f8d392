#include "platform/exit_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vz {

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};
int s_pipe[2] = {-1, -1};

extern "C" void onEndingSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request to end; nothing is lost by dropping this one.
    if (::write(s_pipe[1], &byte, 1) < 0) {
    }
    errno = savedErrno;
}

} // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pipe) != 0)
        return;
    for (const int fd : s_pipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ExitSignals::drain);

    struct sigaction action = {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
}

ExitSignals::~ExitSignals() {
    delete m_notifier;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
    for (int& fd : s_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void ExitSignals::drain() {
    char bytes[16];
    const ssize_t count = ::read(s_pipe[0], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i)
        emit received(static_cast<unsigned char>(bytes[i]));
}

} // namespace vz
