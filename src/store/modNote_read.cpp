// Reading notes from the store or a note file.
#include "store/FileRead.h"
#include "store/modNote.h"
#include "store/modNote_internal.h"

#include <QCoreApplication>
#include <QFile>

namespace modNote {

NoteDocument::Parsed ReadDocument(const QString& path, QString* error) {
    const std::optional<QByteArray> bytes =
        FileRead::readRegularFile(path, FileRead::MaxNoteFileBytes, error);
    if (!bytes)
        return {};
    NoteDocument::Parsed parsed = NoteDocument::parse(*bytes, path);
    if (!parsed.wellFormed && error)
        *error = QCoreApplication::translate("modNote", "It is not a note document.");
    return parsed;
}

QList<NoteRecord> ReadNotes(bool fromStore, const QString& path, FileProblem* problem) {
    QString source = fromStore ? StorePath() : path;
    if (source.isEmpty()) {
        source = detail::AskForNoteFile(false);
        if (source.isEmpty())
            return {};
    }
    QString reason;
    const NoteDocument::Parsed parsed = ReadDocument(source, &reason);
    if (parsed.complete && !parsed.notes.isEmpty())
        return parsed.notes;
    if (problem) {
        if (parsed.complete)
            reason = QCoreApplication::translate("modNote", "It holds no notes.");
        else if (parsed.wellFormed)
            reason = QCoreApplication::translate(
                "modNote", "Some of its notes are damaged, so none was opened.");
        *problem = {source, reason};
    }
    return {};
}

StoreClaim ClaimStore(const QString& claimedPath) {
    StoreClaim claim;
    const QString store = StorePath();
    if (!FileRead::FileExists(store))
        return claim;
    QLockFile lock(detail::StoreLockPath());
    if (!detail::LockStore(lock))
        return claim;
    if (!FileRead::FileExists(store))
        return claim;
    NoteDocument::Parsed parsed = ReadDocument(store);
    if (!parsed.complete) {
        claim.unreadable = true;
        claim.notes = parsed.notes;
        return claim;
    }
    // An empty store has nothing to take and stays, as a store that yields no note always has.
    if (parsed.notes.isEmpty())
        return claim;
    // Without a running copy to take its place (a notes folder that cannot be written) the store
    // stays as well: its notes open and it is read again next time, rather than lost.
    if (!claimedPath.isEmpty()) {
        // A copy this run wrote before is rewritten with every open note straight after.
        QFile::remove(claimedPath);
        if (!QFile::rename(store, claimedPath))
            return claim;
    }
    claim.notes = parsed.notes;
    return claim;
}

} // namespace modNote
