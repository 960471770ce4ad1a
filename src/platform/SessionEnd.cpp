// The half of SessionEnd that every system shares: the session manager and the lost display.
#include "platform/SessionEnd.h"

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
    // program as well would open every note twice.
    connect(app, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
    // The hint is given on both requests: a logoff that saves only the data ("global", as GNOME
    // asks) brings no saveStateRequest, and Qt would announce its default, restart if running.
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
        emit ending();
    });
    watchTerminationRequests();
}
