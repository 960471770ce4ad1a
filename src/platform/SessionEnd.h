#pragma once
#include <QObject>

class QGuiApplication;

// Tells the program that the user's logon is ending: the session manager's request to save
// (commitDataRequest) and the system's termination requests (on POSIX systems the signals
// SIGTERM, SIGHUP and SIGINT) all arrive here as one `ending` signal on the user-interface
// thread.
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
    void ending();
    // The display went away under the program (the X server ended first), which the toolkit
    // answers by ending the process at once. Emitted on the user-interface thread just before
    // that, while everything is still in place: connect directly and do only what must be
    // saved.
    void displayLost();

private:
    explicit SessionEnd(QObject* parent);
    void setUp(QGuiApplication* app);
    // The system's own termination requests, turned into `ending`; one implementation per
    // system.
    void watchTerminationRequests();
};
