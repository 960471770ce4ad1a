#pragma once
// Shared by the modNote_*.cpp files only.
#include "store/modNote.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace modNote::detail {

// The open (or, with `save`, the save) dialog for note files; empty when nothing was chosen.
QString AskForNoteFile(bool save);

// Why the file at `path` must not be replaced (a folder, a read-only file); empty when it may.
QString CannotReplace(const QString& path);

// The place of the one note of a document just written.
NoteFilePlace PlaceOfOnlyNote(const QByteArray& written);

// The lock that every reader and writer of the store holds while it works on it. Another
// Pinleaf holds it for milliseconds; one left behind by a copy that died is noticed at once.
bool LockStore(QLockFile& lock);
QString StoreLockPath();

// Renames a file that cannot be read to "<name>.unreadable-<local time>", never over another
// file, so that it is kept for the user and a new one can take its place.
bool SetAside(const QString& store);

} // namespace modNote::detail
