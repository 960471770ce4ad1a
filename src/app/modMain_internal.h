#pragma once
// Shared by the modMain_*.cpp files only.
#include "store/NoteRecord.h"

#include <QList>
#include <QString>

class frmMain;
class RunningCopy;

namespace modMain {

// The open note windows (on screen or put away) in the order they were created.
QList<frmMain*> OpenNoteWindows();

// The notes start-up has read but not yet given a window, in order.
QList<NoteRecord>& WaitingNotes();

// Opens the first note of the note file at `path` (absolute); null when the file does not read
// whole or holds no note.
frmMain* OpenNoteFile(const QString& path);

// Starts this run's running copy once; null when the notes folder cannot hold it.
RunningCopy* StartRunningCopy(QString* error);

} // namespace modMain
