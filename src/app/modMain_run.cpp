// This run's notes as a whole: the running copy that mirrors them, the notes that start-up has
// yet to open, and the record of every open note in creation order.
#include "app/modMain.h"
#include "app/modMain_internal.h"

#include "note/NoteActivity.h"
#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "store/RunningCopy.h"
#include "store/modNote.h"

#include <QApplication>

namespace {
// Lives until the process ends: a lost display ends the process from inside the event loop,
// and the last change is written from the exit handler.
RunningCopy* g_copy = nullptr;
QList<NoteRecord> g_waiting;
} // namespace

namespace modMain {

QList<frmMain*> OpenNoteWindows() {
    return frmMain::openNotes();
}

QList<NoteRecord> OpenNoteRecords() {
    QList<NoteRecord> records;
    const QList<frmMain*> notes = OpenNoteWindows();
    records.reserve(notes.size() + g_waiting.size());
    for (const frmMain* note : notes)
        records << note->toRecord();
    return records + g_waiting;
}

QList<NoteRecord>& WaitingNotes() {
    return g_waiting;
}

RunningCopy* TheRunningCopy() {
    return g_copy;
}

RunningCopy* StartRunningCopy(QString* error) {
    if (g_copy)
        return g_copy;
    auto* copy = new RunningCopy(modNote::StoreFolder());
    if (!copy->start(error)) {
        delete copy;
        return nullptr;
    }
    copy->setSource(&OpenNoteRecords);
    QObject::connect(NoteActivity::instance(), &NoteActivity::changed, copy,
                     &RunningCopy::schedule);
    QObject::connect(copy, &RunningCopy::writeFailed, copy, [copy](const QString& reason) {
        Notice::show(QCoreApplication::translate("modMain", "Notes could not be saved"),
                     QCoreApplication::translate(
                         "modMain", "Pinleaf could not write the copy of your open notes that "
                                    "protects them from a crash:\n\n%1\n\n%2\n\nThe last copy "
                                    "that could be written is kept; Pinleaf tries again at your "
                                    "next change.")
                         .arg(copy->path(), reason));
    });
    g_copy = copy;
    return g_copy;
}

void EndOfRun() {
    if (SessionEnd::isEnding())
        return;
    // The program ends by itself once its last window has gone. When the last note closed while
    // the About dialog was still open the entry stayed; with no note left it would only start
    // an empty program at the next login.
    Autostart::remove();
    if (g_copy)
        g_copy->discard();
}

void WritePendingChanges() {
    // At the end of a logon the windows close after the copy was written for the last time.
    if (g_copy && g_copy->isScheduled() && !SessionEnd::isEnding())
        g_copy->writeNow();
}

} // namespace modMain
