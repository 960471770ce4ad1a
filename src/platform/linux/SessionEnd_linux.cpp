// The POSIX half of SessionEnd: SIGTERM, SIGHUP and SIGINT end the logon, and so does the
// connection to the session manager breaking. The signal handler only writes a byte to a socket
// pair; a socket notifier brings it to the event loop.
#include "platform/SessionEnd.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#ifdef PINLEAF_HAVE_ICE
#include <X11/ICE/ICElib.h>
#endif

namespace {
int g_pipe[2] = {-1, -1};
SessionEnd* g_watcher = nullptr;

// Runs in signal context: only writes one byte for the event loop to find.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
}

void setNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

#ifdef PINLEAF_HAVE_ICE
// The session manager's connection broke: it ended, and the session with it (a session manager
// is the session's own process). The default handler of the ICE library would end the program
// at once with exit(), before any note is stored. Called on the user-interface thread, inside
// Qt's reading of that connection, which reads nothing more afterwards; the end of the logon
// runs from the event loop right after.
void onSessionManagerLost(IceConn) {
    static bool lost = false;
    if (lost || !g_watcher)
        return;
    lost = true;
    emit g_watcher->ending();
}
#endif
} // namespace

void SessionEnd::watchTerminationRequests() {
    g_watcher = this;
#ifdef PINLEAF_HAVE_ICE
    IceSetIOErrorHandler(onSessionManagerLost);
#endif
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    setNonBlocking(g_pipe[0]);
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buf[16];
        while (::read(g_pipe[1], buf, sizeof buf) > 0) {
        }
        emit ending();
    });
    setNonBlocking(g_pipe[1]);

    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &sa, nullptr);
}

// An X session manager asks for checkpoints as well as for the end of the session.
bool SessionEnd::saveEndsTheSession() {
    return false;
}
