// Start-up: which note windows open.
#include "app/modMain.h"
#include "app/modMain_internal.h"

#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "store/RunningCopy.h"
#include "store/UserFolders.h"
#include "store/modNote.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

namespace {

// Windows opened in one turn of the event loop: a large store opens while a logoff or a
// signal can still be heard between batches.
constexpr int OpenBatch = 25;

bool g_batchScheduled = false;
// Said once the notes are on screen.
QString g_storeNotice;

void openWaitingBatch() {
    g_batchScheduled = false;
    if (SessionEnd::isEnding())
        return;
    QList<NoteRecord>& waiting = modMain::WaitingNotes();
    for (int i = 0; i < OpenBatch && !waiting.isEmpty(); ++i) {
        // Taken from the queue and given its window in one step, so every copy written
        // meanwhile holds each note exactly once.
        frmMain::openStoredNote(waiting.takeFirst());
    }
    if (!waiting.isEmpty()) {
        g_batchScheduled = true;
        QTimer::singleShot(0, &openWaitingBatch);
        return;
    }
    if (!g_storeNotice.isEmpty()) {
        Notice::show(QCoreApplication::translate("modMain", "Notes store could not be read"),
                     g_storeNotice);
        g_storeNotice.clear();
    }
}

QString unreadableStoreText(const QString& store) {
    return QCoreApplication::translate(
               "modMain", "Pinleaf could not read its notes store. The file was left exactly as "
                          "it was, so nothing in it is lost; the notes in it that could be read "
                          "are open.\n\n%1\n\nThe next time you log off it is set aside under a "
                          "name ending in \".unreadable-\" and a new store is started.")
        .arg(store);
}

QString unwritableFolderText(const QString& folder, const QString& reason) {
    return QCoreApplication::translate(
               "modMain", "Pinleaf cannot write to its notes folder:\n\n%1\n\n%2\n\nUntil this is "
                          "fixed, your notes are not kept when Pinleaf ends or the session "
                          "ends.")
        .arg(folder, reason);
}

} // namespace

namespace modMain {

frmMain* OpenNoteFile(const QString& path) {
    const QList<NoteRecord> notes = modNote::ReadNotes(false, path);
    if (notes.isEmpty())
        return nullptr;
    // Only the first note of a file opens.
    return frmMain::openStoredNote(notes.first(), notes.first().SourcePath);
}

QString CommandLineText(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

QString NoteFileFromCommandLine(const QString& text) {
    QString t = text;
    if (t.startsWith(QLatin1Char('"')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char('"')))
        t.chop(1);
    if (t.right(3).compare(QLatin1String("pnf"), Qt::CaseInsensitive) != 0)
        return QString();
    return t;
}

bool OpeningNotes() {
    return !WaitingNotes().isEmpty();
}

void Main(const QString& commandLine, bool newNoteAsked) {
    UserFolders::IgnoreRelativeLocations();
    QString folderError;
    RunningCopy* copy = StartRunningCopy(&folderError);
    QList<NoteRecord>& waiting = WaitingNotes();
    bool opened = false;
    if (!commandLine.isEmpty()) {
        const QString path = NoteFileFromCommandLine(commandLine);
        if (!path.isEmpty())
            opened = OpenNoteFile(QFileInfo(path).absoluteFilePath()) != nullptr;
    } else {
        const modNote::StoreClaim claim = modNote::ClaimStore(copy ? copy->path() : QString());
        waiting += claim.notes;
        if (claim.unreadable)
            g_storeNotice = unreadableStoreText(modNote::StorePath());
    }
    if (copy) {
        // Notes of runs that crashed or were killed open once; their copies go only when this
        // run's copy holds them.
        const QList<NoteRecord> orphans = copy->adoptOrphans();
        waiting += orphans;
        if (copy->hasOrphans() && copy->writeNow())
            copy->releaseOrphans();
    }
    if (newNoteAsked)
        TakeRequest(InstanceRequest::newNote());
    else if (!opened && waiting.isEmpty())
        (new frmMain)->show();
    // Opens what waits, the first batch now, and then says what start-up has to say.
    if (!g_batchScheduled)
        openWaitingBatch();
    // While notes are open the program comes back at the next login, also after a power cut.
    Autostart::setForThisProgram();
    if (!copy)
        Notice::show(QCoreApplication::translate("modMain", "Notes cannot be kept"),
                     unwritableFolderText(modNote::StoreFolder(), folderError));
}

} // namespace modMain
