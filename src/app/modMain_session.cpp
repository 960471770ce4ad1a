// The autostart entry, topmost placement, the count of loaded windows and the end of a logon.
#include "app/modMain.h"

#include "app/modMain_internal.h"
#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "store/RunningCopy.h"
#include "store/modNote.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

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
    AddRunValue();
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
