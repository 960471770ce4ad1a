#pragma once
#include <QObject>

class QGuiApplication;

// Tells the program what the user's session asks of it, on the user-interface thread.
//
// `saveRequested`: the session manager asks for the session's state (commitDataRequest,
// saveStateRequest). That is a checkpoint as often as a logoff, and Qt does not say which, so it
// never ends the program by itself.
//
// `ending`: the logon is ending. It comes from the window system's request to end the program
// (a session manager's Die, the end of a Windows session), from the system's termination
// requests (on POSIX systems the signals SIGTERM, SIGHUP and SIGINT), and from the connection to
// the session manager breaking (the session manager goes with the session).
//
// `endingNow`: the logon is ending and the system ends the process as soon as the handler
// returns. Windows asks a program to save only when its session ends (WM_QUERYENDSESSION, which
// Qt turns into commitDataRequest), and ends it right after the answer: there a save request is
// the end of the logon, handled before the answer.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // Creates the one watcher of the application; later calls return the same object.
    static SessionEnd* install(QGuiApplication* app);

    // True once the program has begun to end the logon (markEnding); close requests then store
    // notes without asking, and nothing new is opened.
    static bool isEnding();
    static void markEnding();

signals:
    // Emitted while the session manager waits for the answer, which Qt gives as soon as the
    // signal returns: connect directly and save before returning.
    void saveRequested();
    void ending();
    // Connect directly: the process may be gone once the signal returns.
    void endingNow();
    // The display went away under the program (the X server ended first), which the toolkit
    // answers by ending the process at once. Emitted on the user-interface thread just before
    // that, while everything is still in place: connect directly and do only what must be
    // saved.
    void displayLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SessionEnd(QObject* parent);
    void setUp(QGuiApplication* app);
    // The system's own termination requests and the session manager's connection, turned into
    // `ending`; one implementation per system.
    void watchTerminationRequests();
    // True where a save request comes only as the session ends; one implementation per system.
    static bool saveEndsTheSession();
};
