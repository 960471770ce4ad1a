// The Windows half of SessionEnd. The end of a logon comes as the system's end-session messages,
// which Qt turns into commitDataRequest (the common half). A console's Ctrl+C, Ctrl+Break or
// close, for a program started from one, ends the logon as the POSIX signals do elsewhere.
#include "platform/SessionEnd.h"

#include <QMetaObject>

#include <windows.h>

namespace {
SessionEnd* g_watcher = nullptr;

// Runs on a thread of the system's: the event loop is asked to end the logon. For a console that
// closes, the process is ended as soon as the handler returns, so the handler waits a little for
// the event loop to have stored the notes (which ends the process first).
BOOL WINAPI onConsoleEvent(DWORD event) {
    if (!g_watcher)
        return FALSE;
    QMetaObject::invokeMethod(g_watcher, &SessionEnd::ending, Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        Sleep(5000);
    return TRUE;
}
} // namespace

void SessionEnd::watchTerminationRequests() {
    g_watcher = this;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

bool SessionEnd::saveEndsTheSession() {
    return true;
}
