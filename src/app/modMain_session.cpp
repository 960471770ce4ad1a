// The autostart entry, topmost placement, the count of loaded windows and the end of a logon.
#include "app/modMain.h"

#include "note/frmMain.h"
#include "platform/Autostart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
bool g_sessionEnding = false;
}

namespace modMain {

void AddRunValue() {
    Autostart::set(QCoreApplication::applicationFilePath());
}

void RemoveRunValue() {
    Autostart::remove();
}

bool SetWindowTopmost(QWidget* window, int mode) {
    if (!window || (mode != 0 && mode != 1))
        return false;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, mode == 0);
    if (QWindow* handle = window->windowHandle()) {
        // Changed in place: setWindowFlags() would hide the window and may recreate it.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
    return true;
}

int LoadedWindowCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            ++count;
    }
    return count;
}

bool SessionEnding() {
    return g_sessionEnding;
}

void EndOfLogon() {
    if (g_sessionEnding)
        return;
    g_sessionEnding = true;
    QList<QPointer<frmMain>> notes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* note = qobject_cast<frmMain*>(w); note && note->isVisible())
            notes.append(note);
    }
    std::sort(notes.begin(), notes.end(),
              [](const QPointer<frmMain>& a, const QPointer<frmMain>& b) {
                  return a->creationIndex() < b->creationIndex();
              });
    for (const QPointer<frmMain>& note : notes) {
        if (note)
            note->closeForLogoff();
    }
    QCoreApplication::exit(0);
}

} // namespace modMain
