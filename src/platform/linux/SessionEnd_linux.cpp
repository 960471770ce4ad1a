#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
SessionEnd* g_instance = nullptr;
QtMessageHandler g_previousHandler = nullptr;

// Qt's X11 platform ends the process with exit() as soon as it finds the connection broken,
// after saying so; the message is the last moment at which the notes can still be written.
void watchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static bool lost = false;
    if (!lost && message.startsWith(QLatin1String("The X11 connection broke"))) {
        lost = true;
        if (g_instance)
            emit g_instance->displayLost();
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// Runs in signal context: only writes one byte for the event loop to find.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
}
} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {}

SessionEnd* SessionEnd::install(QGuiApplication* app) {
    static SessionEnd* instance = nullptr;
    if (!instance) {
        instance = new SessionEnd(app);
        instance->setUp(app);
        g_instance = instance;
        g_previousHandler = qInstallMessageHandler(watchMessages);
    }
    return instance;
}

void SessionEnd::setUp(QGuiApplication* app) {
    // The notes come back through the autostart entry; a session manager that restarted the
    // program as well would open every note twice. The hint is given on both requests: a logoff
    // that saves only the data ("global", as GNOME asks) brings no saveStateRequest, and Qt
    // would announce its default, restart if running.
    connect(app, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
        emit ending();
    });

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    ::fcntl(g_pipe[0], F_SETFL, ::fcntl(g_pipe[0], F_GETFL) | O_NONBLOCK);
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buf[16];
        while (::read(g_pipe[1], buf, sizeof buf) > 0) {
        }
        emit ending();
    });
    ::fcntl(g_pipe[1], F_SETFL, ::fcntl(g_pipe[1], F_GETFL) | O_NONBLOCK);

    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &sa, nullptr);
}
