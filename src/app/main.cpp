#include "app/modMain.h"
#include "platform/SessionEnd.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    modMain::ChoosePlatform();
    // The lower-case name becomes the window class that desktops match windows by.
    QApplication::setApplicationName(QStringLiteral("pinleaf"));
    QApplication::setOrganizationName(QStringLiteral("Pinleaf"));
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pinleaf"));

    SessionEnd* sessionEnd = SessionEnd::install(&app);
    QObject::connect(sessionEnd, &SessionEnd::ending, &app, &modMain::EndOfLogon,
                     Qt::QueuedConnection);

    // Qt has taken its own options out of argv; what is left is the note file, if any.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A lost display ends the process from inside the event loop: the last change still goes to
    // the running copy first.
    QObject::connect(sessionEnd, &SessionEnd::displayLost, &app, &modMain::WritePendingChanges,
                     Qt::DirectConnection);
    modMain::Main(modMain::CommandLineText(arguments));
    const int status = app.exec();
    if (modMain::SessionEnding()) {
        // Every note is on disk and the session is going: tearing down thousands of windows one
        // by one would only keep the session waiting.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    modMain::EndOfRun();
    return status;
}
