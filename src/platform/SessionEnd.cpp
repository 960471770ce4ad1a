// The half of SessionEnd that every system shares: the session manager and the lost display.
#include "platform/SessionEnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace {
SessionEnd* g_instance = nullptr;
QtMessageHandler g_previousHandler = nullptr;
bool g_ending = false;

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
} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {}

SessionEnd* SessionEnd::install(QGuiApplication* app) {
    if (!g_instance) {
        g_instance = new SessionEnd(app);
        g_instance->setUp(app);
        g_previousHandler = qInstallMessageHandler(watchMessages);
    }
    return g_instance;
}

bool SessionEnd::isEnding() {
    return g_ending;
}

void SessionEnd::markEnding() {
    g_ending = true;
}

void SessionEnd::setUp(QGuiApplication* app) {
    // The notes come back through the autostart entry; a session manager that restarted the
    // program as well would open every note twice. The hint is given on both requests: a save of
    // the data only ("global", as GNOME asks) brings no saveStateRequest, a save of the state
    // only ("local") no commitDataRequest, and Qt would announce its default, restart if
    // running.
    const auto save = [this](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
        if (saveEndsTheSession())
            emit endingNow();
        else
            emit saveRequested();
    };
    connect(app, &QGuiApplication::commitDataRequest, this, save);
    connect(app, &QGuiApplication::saveStateRequest, this, save);
    // The window system's request to end the program reaches the application as a spontaneous
    // Quit event (a session manager's Die on X11). Left to Qt it would close every window the
    // ordinary way, as if the user had closed them all; it ends the logon instead. The
    // program's own quit (its last window closed) is not spontaneous.
    app->installEventFilter(this);
    watchTerminationRequests();
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && event->spontaneous() && watched == parent()) {
        emit ending();
        return true;
    }
    return false;
}
