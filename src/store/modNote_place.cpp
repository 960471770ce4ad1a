// "&Save" of a note into its own place in its note file, which may hold other notes.
#include "platform/AtomicFile.h"
#include "store/FileRead.h"
#include "store/modNote.h"
#include "store/modNote_internal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

namespace {

bool sameNote(NoteRecord a, NoteRecord b) {
    a.SourcePath.clear();
    b.SourcePath.clear();
    return a == b;
}

// Where the note that `place` remembers stands in `notes` now: at its index, or else as the
// only note equal to it. -1 when it is not there, or not there alone.
qsizetype findNote(const QList<NoteRecord>& notes, const modNote::NoteFilePlace& place) {
    if (!place.known())
        return -1;
    if (place.index < notes.size() && sameNote(notes.at(place.index), place.held))
        return place.index;
    qsizetype found = -1;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        if (!sameNote(notes.at(i), place.held))
            continue;
        if (found >= 0)
            return -1;
        found = i;
    }
    return found;
}

} // namespace

namespace modNote {

PlaceSave SaveNoteInPlace(const NoteRecord& record, const QString& path, NoteFilePlace& place,
                          FileProblem* problem) {
    const auto fail = [&](PlaceSave result, const QString& reason) {
        if (problem)
            *problem = {path, reason};
        return result;
    };
    if (const QString reason = detail::CannotReplace(path); !reason.isEmpty())
        return fail(PlaceSave::Failed, reason);
    // The read, the change and the write are one step for every Pinleaf that writes the file.
    // Where no lock can be made (a folder that takes no file), the write says why.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!detail::LockStore(lock) && lock.error() == QLockFile::LockFailedError)
        return fail(PlaceSave::Failed, QCoreApplication::translate(
                                           "modNote", "Another Pinleaf is writing this file."));

    QString reason;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        // Gone meanwhile: nothing else of the file can be lost, so the note makes it anew.
        const QByteArray bytes = NoteDocument::textForm(record);
        if (!AtomicFile::write(path, bytes, AtomicFile::Access::Shared, &reason))
            return fail(PlaceSave::Failed, reason);
        place = detail::PlaceOfOnlyNote(bytes);
        return PlaceSave::Written;
    }
    const std::optional<QByteArray> old =
        FileRead::readRegularFile(path, FileRead::MaxNoteFileBytes, &reason);
    if (!old)
        return fail(PlaceSave::Failed, reason);
    const NoteDocument::Parsed parsed = NoteDocument::parse(*old);
    if (!parsed.complete)
        return fail(PlaceSave::NotInPlace,
                    QCoreApplication::translate(
                        "modNote",
                        "The file no longer reads as a note file: it was changed since this note "
                        "was read from it."));
    const qsizetype index = findNote(parsed.notes, place);
    if (index < 0)
        return fail(PlaceSave::NotInPlace,
                    place.known()
                        ? QCoreApplication::translate(
                              "modNote", "The file was changed since this note was read from it, "
                                         "and it no longer holds the note as it was read.")
                        : QCoreApplication::translate(
                              "modNote", "Pinleaf does not know which of the file's notes "
                                         "this note is."));
    const std::optional<QByteArray> bytes = NoteDocument::replaceNote(*old, index, record);
    if (!bytes)
        return fail(PlaceSave::NotInPlace,
                    QCoreApplication::translate("modNote",
                                                "Pinleaf cannot write the note into this file "
                                                "without changing its other notes (a file in "
                                                "UTF-16 or UTF-32 is not written into)."));
    if (!AtomicFile::write(path, *bytes, AtomicFile::Access::Shared, &reason))
        return fail(PlaceSave::Failed, reason);
    place = {index, NoteDocument::parse(*bytes).notes.value(index)};
    return PlaceSave::Written;
}

} // namespace modNote
