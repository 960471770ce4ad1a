#pragma once
#include "app/NoteRecord.h"

#include <QList>
#include <QString>

// The notes store and note files: one small XML document format for both.
namespace modNote {

// Replaces & " ' < > by their entities, ampersand first.
QString EscapeXml(const QString& text);

// Writes `record` as a new one-note document. An empty `path` asks the user with the save
// dialog. A given path must name an existing file; it is replaced atomically. Returns the full
// path written, or "none" when nothing was written.
QString SaveNoteFile(const NoteRecord& record, const QString& path);

// Adds `record` to the notes store, creating the store when there is none.
void AppendNoteToStore(const NoteRecord& record);

// Reads every note of the store (fromStore), of the document at `path`, or, with an empty path,
// of the file the user picks in the open dialog. Empty on any failure or a cancelled dialog.
QList<NoteRecord> ReadNotes(bool fromStore, const QString& path);

// Full path of the notes store in the per-user data folder.
QString StorePath();

} // namespace modNote
