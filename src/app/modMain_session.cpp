// The session: a save that keeps the program running, and the end of a logon, where every note
// is stored in one write and every window closed.
#include "app/modMain.h"

#include "app/modMain_internal.h"
#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "platform/SessionEnd.h"
#include "store/RunningCopy.h"
#include "store/modNote.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>

#include <cstdio>

namespace modMain {

void SaveSession() {
    if (SessionEnd::isEnding())
        return;
    // The running copy is the session's saved state: a start after a crash or a kill opens its
    // notes. The store is written only when the session really ends; written now as well, the
    // next start would open every note twice.
    if (RunningCopy* copy = TheRunningCopy())
        copy->writeNow();
    Autostart::setForThisProgram();
}

void EndOfLogon() {
    if (SessionEnd::isEnding())
        return;
    SessionEnd::markEnding();
    // Every note, the ones start-up has not opened yet included, in one write of the store. The
    // running copy is brought up to date first: if the store cannot be written it is what the
    // next start finds.
    const QList<NoteRecord> records = OpenNoteRecords();
    RunningCopy* copy = TheRunningCopy();
    if (copy) {
        copy->writeNow();
        // The windows close next; the copy must keep the notes they held.
        copy->freeze();
    }
    QString error;
    const bool stored = modNote::AppendNotesToStore(records, &error);
    Autostart::setForThisProgram();
    // The program ends on its own below; without this every closing window would first look
    // through all the others for one still open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QList<QPointer<frmMain>> notes;
    for (frmMain* note : OpenNoteWindows())
        notes.append(note);
    for (const QPointer<frmMain>& note : notes) {
        if (note)
            note->closeForLogoff(true);
    }
    WaitingNotes().clear();
    if (stored) {
        if (copy)
            copy->discard();
    } else {
        std::fprintf(stderr,
                     "pinleaf: the notes store %s could not be written (%s); the notes are kept "
                     "in %s for the next start\n",
                     qPrintable(modNote::StorePath()), qPrintable(error),
                     copy ? qPrintable(copy->path()) : "no other file");
    }
    QCoreApplication::exit(stored ? 0 : 1);
}

} // namespace modMain
