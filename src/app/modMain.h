#pragma once
#include "platform/InstanceChannel.h"
#include "store/NoteRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class RunningCopy;

// Start-up and the end of the logon: which notes open, and how they are all stored.
namespace modMain {

// The end of the user's logon: every note, in the order the windows were created, is stored
// in one write, then every window closes without asking. The program ends with status 0, or 1
// when the store could not be written (the running copy then keeps the notes for the next start).
void EndOfLogon();

// The notes of this run as the store keeps them: every note window in the order the windows
// were created, then the notes still waiting for a window while start-up opens them.
QList<NoteRecord> OpenNoteRecords();

// This run's running copy; null until Main has run or when the notes folder cannot hold one.
RunningCopy* TheRunningCopy();

// A clean end of the program (its last window closed, not a logoff): the running copy and the
// autostart entry go.
void EndOfRun();

// The session manager asks for the session to be saved: a checkpoint, or the save before the
// session ends. The running copy holds the notes as they are now and the autostart entry is in
// place; the program keeps running, since only what follows (EndOfLogon) ends it.
void SaveSession();

// The process is ending without a clean end (a lost display): a change not yet written to the
// running copy is written now.
void WritePendingChanges();

// The arguments without the options (by then Qt has taken its own): every argument before a "--"
// that begins with "-" (a lone "-" aside) and names no existing file, and the "--". `ignored`
// gets those options, in order, except "--new", which Pinleaf takes.
QStringList WithoutOptions(const QStringList& arguments, QStringList* ignored);

// The command-line text: the program's arguments joined by single spaces.
QString CommandLineText(const QStringList& arguments);

// The note file that a command-line text names: surrounding quotes removed (the first and the
// last character, each once), and only when it ends in "pnf" in any case; empty otherwise.
QString NoteFileFromCommandLine(const QString& text);

// Opens the notes of start-up: the note file named on the command line, or every note of the
// notes store; then the notes of runs that did not end cleanly; or else one blank note. Notes are
// opened from the event loop a batch at a time, so a logoff meanwhile is still heard. With
// `newNoteAsked` ("--new") a blank note opens after them whatever else opened.
void Main(const QString& commandLine, bool newNoteAsked = false);

// True while start-up still has notes waiting for their windows.
bool OpeningNotes();

// "--new" before any "--": a blank note is asked for beside the others.
bool AsksForNewNote(const QStringList& arguments);

// What a command line (the program's arguments as given, before Qt takes its own) asks of a
// program already running: the note file's first note for a note file (by its absolute path),
// then a blank note for "--new". Empty when it asks for neither, names a file that is no note
// file, or holds another option (Qt's own among them), which only a start of its own can follow.
QList<InstanceRequest> RequestsOfCommandLine(const QStringList& arguments);

// Listens for the requests of later starts in this session, unless another program does. Uses
// the lock that the start's own hand-off kept, if any.
void ListenForRequests(InstanceChannel::Claim claim);

// Takes a request of a later start: true unless the logon is ending. A blank note opens as "&New"
// makes one, the note file's first note as the command line opens it; each is brought to the
// front, in the order the requests came, once start-up has opened its notes.
bool TakeRequest(const InstanceRequest& request);

} // namespace modMain
