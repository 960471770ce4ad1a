// Windows put out of sight by the user, which stay open while they are away.
#include "platform/TopLevel.h"

#include <QGuiApplication>
#include <QHash>
#include <QObject>
#include <QWidget>

namespace {

// The windows that are away, each with the connection that forgets it when it is destroyed.
QHash<const QWidget*, QMetaObject::Connection>& awayWindows() {
    static QHash<const QWidget*, QMetaObject::Connection> windows;
    return windows;
}

// Whether the program ended with its last window on screen before the first one went away.
bool g_quitOnLastWindowClosed = true;

// Qt ends the program once no window is left on screen; with windows away there are notes
// still open, so that rule is suspended until the last of them is back.
void updateQuitRule() {
    if (awayWindows().isEmpty())
        QGuiApplication::setQuitOnLastWindowClosed(g_quitOnLastWindowClosed);
}

} // namespace

namespace TopLevel {

void putAway(QWidget* window) {
    if (!window || isPutAway(window) || !window->isVisible())
        return;
    if (awayWindows().isEmpty()) {
        g_quitOnLastWindowClosed = QGuiApplication::quitOnLastWindowClosed();
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    awayWindows().insert(window, QObject::connect(window, &QObject::destroyed, [window] {
                             if (awayWindows().remove(window))
                                 updateQuitRule();
                         }));
    window->hide();
}

void bringBack(QWidget* window) {
    if (!window || !isPutAway(window))
        return;
    QObject::disconnect(awayWindows().take(window));
    window->show();
    updateQuitRule();
}

bool isPutAway(const QWidget* window) {
    return awayWindows().contains(window);
}

bool isOpen(const QWidget* window) {
    return window->isVisible() || isPutAway(window);
}

int putAwayCount() {
    return int(awayWindows().size());
}

} // namespace TopLevel
