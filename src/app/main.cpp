#include "BuildConfig.h"
#include "app/CaptureKey.h"
#include "app/NoteTray.h"
#include "app/Translations.h"
#include "app/modMain.h"
#include "platform/Desktop.h"
#include "platform/DisplayCheck.h"
#include "platform/InstanceChannel.h"
#include "platform/SessionEnd.h"
#include "store/UserFolders.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const QLatin1String NewOption("--new");

// The option names stay out of the translated texts.
QString helpText() {
    return QCoreApplication::translate(
               "main",
               "Usage: pinleaf [%1] [NOTE-FILE.pnf]\n\n"
               "Puts coloured notes on your desktop. With no argument Pinleaf opens the notes\n"
               "kept at your last logoff (or one new note); with a note file, it opens that\n"
               "file's first note. When Pinleaf is running already, the note file or the new\n"
               "note opens there and this command ends at once. Every command is on the\n"
               "notes' right-click menus.\n\n")
               .arg(NewOption) +
           QStringLiteral("  %1      ").arg(NewOption) +
           QCoreApplication::translate("main", "open a new note as well") +
           QStringLiteral("\n  --help     ") +
           QCoreApplication::translate("main", "show this text") +
           QStringLiteral("\n  --version  ") +
           QCoreApplication::translate("main", "show the version") + u'\n';
}

// "--help" and "--version" alone answer on the terminal; any other command line is a note file
// or nothing, as always.
bool answeredOnTheTerminal(int argc, char** argv) {
    if (argc != 2)
        return false;
    const QByteArray arg(argv[1]);
    if (arg == "--version") {
        std::printf("Pinleaf %s\n", BuildConfig::Version);
        return true;
    }
    if (arg == "--help" || arg == "-h") {
        // A core application only, so that the help needs no display.
        QCoreApplication core(argc, argv);
        Translations::install(QLocale::system());
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return true;
    }
    return false;
}

// A note file or "--new" goes to the program already running for this user in this session,
// before this start makes a display connection or meets the session manager. When nobody
// listens, `claim` keeps the lock so that this start listens before another start looks.
bool handedToRunningProgram(int argc, char** argv, InstanceChannel::Claim* claim) {
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const QList<InstanceRequest> requests = modMain::RequestsOfCommandLine(given);
    if (requests.isEmpty())
        return false;
    QCoreApplication core(argc, argv);
    // The notes folder names the channel; it must be the one this start would use.
    UserFolders::IgnoreRelativeLocations();
    return InstanceChannel::handOff(requests, claim) == InstanceChannel::HandOff::Taken;
}

// The tray's "New Note" shows the capture shortcut, and its tooltip what keeps the shortcut from
// working.
void installTrayAfterStartUp(QApplication* app, CaptureKey* capture) {
    if (modMain::OpeningNotes()) {
        QTimer::singleShot(0, app, [app, capture] { installTrayAfterStartUp(app, capture); });
        return;
    }
    if (SessionEnd::isEnding())
        return;
    NoteTray* tray = NoteTray::install(app);
    tray->setCaptureShortcut(capture->sequence());
    tray->setShortcutProblem(capture->problem());
    QObject::connect(capture, &CaptureKey::problemChanged, tray, &NoteTray::setShortcutProblem);
}

} // namespace

int main(int argc, char** argv) {
    if (answeredOnTheTerminal(argc, argv))
        return 0;
    // The lower-case name becomes the window class that desktops match windows by. No display
    // name is set: Qt would append it to the title of every window, dialogs included.
    QCoreApplication::setApplicationName(QStringLiteral("pinleaf"));
    QCoreApplication::setOrganizationName(QStringLiteral("Pinleaf"));
    InstanceChannel::Claim claim;
    if (handedToRunningProgram(argc, argv, &claim))
        return 0;
    Desktop::choosePlatform();
    // Without a window system Qt would end the program with an abort and a core dump.
    if (QString why; !DisplayCheck::canStart(argc, argv, &why)) {
        std::fprintf(stderr,
                     "Pinleaf: no display was found (%s); notes need a desktop to show on.\n",
                     why.toLocal8Bit().constData());
        return 1;
    }
    QApplication app(argc, argv);
    // The executable's version, as the About dialog and the manifest read it.
    QApplication::setApplicationVersion(QLatin1String(BuildConfig::Version));
    Translations::install(QLocale::system());

    SessionEnd* sessionEnd = SessionEnd::install(&app);
    QObject::connect(sessionEnd, &SessionEnd::ending, &app, &modMain::EndOfLogon,
                     Qt::QueuedConnection);
    QObject::connect(sessionEnd, &SessionEnd::saveRequested, &app, &modMain::SaveSession,
                     Qt::DirectConnection);
    QObject::connect(sessionEnd, &SessionEnd::endingNow, &app, &modMain::EndOfLogon,
                     Qt::DirectConnection);

    // Qt has taken its own options out of argv; what is left is the note file, if any, and
    // options Pinleaf does not take, which are named and left out.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    QStringList ignored;
    const QStringList arguments = modMain::WithoutOptions(given, &ignored);
    for (const QString& option : ignored)
        std::fprintf(stderr,
                     "Pinleaf: ignoring the option \"%s\" (pinleaf --help lists the options).\n",
                     option.toLocal8Bit().constData());
    // A lost display ends the process from inside the event loop: the last change still goes to
    // the running copy first.
    QObject::connect(sessionEnd, &SessionEnd::displayLost, &app, &modMain::WritePendingChanges,
                     Qt::DirectConnection);
    modMain::Main(modMain::CommandLineText(arguments), modMain::AsksForNewNote(given));
    // Later starts of this session hand their requests here, which wait for the notes. Only
    // now: the first note window may have restarted the program (the Windows manifest), and a
    // program that ends at once must not have been the one listening.
    modMain::ListenForRequests(std::move(claim));
    // A new note from any program: the capture shortcut, taken once the event loop runs.
    CaptureKey* capture = CaptureKey::start(&app);
    // The tray icon appears wherever the desktop has a tray, once start-up's notes are open, so
    // that it does not hold them up.
    installTrayAfterStartUp(&app, capture);
    const int status = QApplication::exec();
    if (SessionEnd::isEnding()) {
        // Every note is on disk and the session is going: tearing down thousands of windows one
        // by one would only keep the session waiting.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    modMain::EndOfRun();
    return status;
}
