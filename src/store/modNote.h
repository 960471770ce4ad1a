#pragma once
#include "store/NoteDocument.h"
#include "store/NoteRecord.h"

#include <QList>
#include <QString>

// The notes store and note files: one small XML document format for both.
namespace modNote {

// Replaces & " ' < > by their entities, ampersand first.
QString EscapeXml(const QString& text);

// Why a note file the user chose was not read or written: its path and a sentence for the user.
// Both stay empty when nothing was chosen (a cancelled dialog).
struct FileProblem {
    QString path;
    QString reason;
    bool isEmpty() const { return path.isEmpty(); }
};

// Which note of its file a note window holds: its place among the file's notes and that note
// as the file held it when it was last read or written there. Unknown for a note that was
// never read from its file or written to it here.
struct NoteFilePlace {
    qsizetype index = -1;
    NoteRecord held;
    bool known() const { return index >= 0; }
};

// Writes `record` as a new one-note document. An empty `path` asks the user with the save
// dialog, which asks before it replaces a file. The file is replaced atomically, or written
// again when it has gone meanwhile; a read-only file or a folder is never replaced. Returns the
// full path written, or "none" when nothing was written; `problem` then says why, unless the
// user cancelled. `place` becomes the place of the note in the file written.
QString SaveNoteFile(const NoteRecord& record, const QString& path, FileProblem* problem = nullptr,
                     NoteFilePlace* place = nullptr);

// The save dialog for note files, which asks before it replaces a file; empty when cancelled.
QString AskForSaveFile();

// How a note went back into its own file.
enum class PlaceSave {
    Written,
    // Nothing was written, because the note's place is not known or the file no longer holds the
    // note there (it changed behind the note's back), or it is in UTF-16 or UTF-32; `problem`
    // says which. The note must go elsewhere: nothing of the file may be lost.
    NotInPlace,
    // The file could not be read or written (a folder, read-only, a full disk); `problem` says why.
    Failed,
};

// "&Save": writes `record` in place of the note that `place` names in the note file `path`,
// keeping every other byte of the file. The note is looked for at its index, or else as the one
// note of the file equal to it (a file whose oldest notes were dropped, as the closed-notes
// file drops them). A file that is gone is written anew with this note alone. On success
// `place` names the note as now written.
PlaceSave SaveNoteInPlace(const NoteRecord& record, const QString& path, NoteFilePlace& place,
                          FileProblem* problem = nullptr);

// Adds `record` to the notes store, creating the store when there is none.
void AppendNoteToStore(const NoteRecord& record);

// Adds every record, in order, to the notes store in one write under the store's lock: the same
// bytes as one AppendNoteToStore per record. A store that does not read whole is first set
// aside as "pinleaf.dat.unreadable-<time>" and a new store takes the notes. True when the store
// holds them all; otherwise the store is as it was and `error` says why.
bool AppendNotesToStore(const QList<NoteRecord>& records, QString* error = nullptr);

// Reads every note of the store (fromStore), of the document at `path`, or, with an empty path,
// of the file the user picks in the open dialog. Empty on any failure, a cancelled dialog, or a
// document that does not read whole; `problem` then says why, unless the user cancelled.
QList<NoteRecord> ReadNotes(bool fromStore, const QString& path, FileProblem* problem = nullptr);

// The document at `path` as far as it reads (regular files of at most
// FileRead::MaxNoteFileBytes only); `error` says why nothing could be read.
NoteDocument::Parsed ReadDocument(const QString& path, QString* error = nullptr);

// What start-up found in the store.
struct StoreClaim {
    QList<NoteRecord> notes;
    // The store exists but does not read whole; it stays where it was, byte for byte, and
    // `notes` holds the notes of it that are complete.
    bool unreadable = false;
};

// Takes the notes of the store for this run. Under the store's lock the store is read and, when
// it reads whole, renamed to `claimedPath` (this run's running copy), so a note that another copy
// appends meanwhile is never lost and two copies starting together never both take it. A store
// that cannot be read stays where it is.
StoreClaim ClaimStore(const QString& claimedPath);

// Adds a note the user closed to the closed-notes file beside the store, a note file that keeps
// the most recent MaxClosedNotes; "&Open" reads it like any other. Failures are silent: the
// user asked for the note to go.
inline constexpr int MaxClosedNotes = 100;
void KeepClosedNote(const NoteRecord& record);
QString ClosedNotesPath();

// Full path of the notes store in the notes folder (platform/NotesFolder), and that folder.
QString StorePath();
QString StoreFolder();

} // namespace modNote
