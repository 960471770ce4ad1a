// The requests of later starts: "pinleaf --new" and "pinleaf file.pnf" while this program runs
// hand their request over and end, and this program opens the note.
#include "app/modMain.h"
#include "app/modMain_internal.h"

#include "note/frmMain.h"
#include "platform/SessionEnd.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

namespace {

// How often a request that came during start-up looks whether the notes are all open.
constexpr int StartUpPollMs = 50;

QList<InstanceRequest> g_pending;
bool g_scheduled = false;

void toFront(frmMain* note) {
    note->raise();
    note->activateWindow();
}

void openRequested(const InstanceRequest& request) {
    // A blank note as the tray makes one: aside from a note already where new notes open.
    if (request.kind == InstanceRequest::Kind::New) {
        frmMain::openCapturedNote(QString());
        return;
    }
    // The rules of the command line: a name ending in "pnf", a file that reads whole.
    const QString path = modMain::NoteFileFromCommandLine(request.path);
    if (path.isEmpty())
        return;
    if (frmMain* note = modMain::OpenNoteFile(path))
        toFront(note);
}

void runPending() {
    g_scheduled = false;
    if (SessionEnd::isEnding()) {
        g_pending.clear();
        return;
    }
    // After the notes of start-up, so that they do not open over the requested note.
    if (modMain::OpeningNotes()) {
        g_scheduled = true;
        QTimer::singleShot(StartUpPollMs, &runPending);
        return;
    }
    while (!g_pending.isEmpty() && !SessionEnd::isEnding())
        openRequested(g_pending.takeFirst());
}

} // namespace

namespace modMain {

QList<InstanceRequest> RequestsOfCommandLine(const QStringList& arguments) {
    QStringList ignored;
    const QStringList kept = WithoutOptions(arguments, &ignored);
    if (!ignored.isEmpty())
        return {};
    QList<InstanceRequest> requests;
    if (!kept.isEmpty()) {
        const QString file = NoteFileFromCommandLine(CommandLineText(kept));
        if (file.isEmpty())
            return {};
        requests << InstanceRequest::open(QFileInfo(file).absoluteFilePath());
    }
    if (AsksForNewNote(arguments))
        requests << InstanceRequest::newNote();
    return requests;
}

void ListenForRequests(InstanceChannel::Claim claim) {
    auto* channel = new InstanceChannel(QCoreApplication::instance());
    channel->setHandler(&TakeRequest);
    // Another program of this session listens already, or there is no private place: this one
    // runs as it always has, on its own.
    if (!channel->listen(std::move(claim)))
        delete channel;
}

bool TakeRequest(const InstanceRequest& request) {
    if (SessionEnd::isEnding() || !request.isValid())
        return false;
    // Opened from the event loop: the answer goes out first, and a note file's read or a new
    // window never runs inside the socket's signal.
    g_pending << request;
    if (!g_scheduled) {
        g_scheduled = true;
        QTimer::singleShot(0, &runPending);
    }
    return true;
}

} // namespace modMain
