// Adding notes to the notes store.
#include "platform/AtomicFile.h"
#include "store/FileRead.h"
#include "store/modNote.h"
#include "store/modNote_internal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

constexpr int LockTimeoutMs = 10000;

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

namespace modNote {

// Renames an unreadable file to "<name>.unreadable-<local time>", never over a file; when that
// name and its numbered variants up to MaxSetAsideNumber are all taken, the file stays.
constexpr int MaxSetAsideNumber = 9999;

bool detail::SetAside(const QString& store) {
    const QString base = store + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2;; ++n) {
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            break;
        if (n > MaxSetAsideNumber)
            return false;
        name = base + u'-' + QString::number(n);
    }
    return QFile::rename(store, name);
}

bool detail::LockStore(QLockFile& lock) {
    // Only a living holder counts: the age of a lock says nothing about its owner.
    lock.setStaleLockTime(0);
    return lock.tryLock(LockTimeoutMs);
}

QString detail::StoreLockPath() {
    return StorePath() + QStringLiteral(".lock");
}

void AppendNoteToStore(const NoteRecord& record) {
    AppendNotesToStore({record});
}

bool AppendNotesToStore(const QList<NoteRecord>& records, QString* error) {
    const QString store = StorePath();
    if (!AtomicFile::makePrivateFolder(StoreFolder(), error))
        return false;
    // Copies of Pinleaf that end together append one after another: the lock covers the whole
    // read, append and write.
    QLockFile lock(detail::StoreLockPath());
    if (!detail::LockStore(lock))
        return fail(error, QCoreApplication::translate("modNote",
                                                       "Another Pinleaf holds the notes store."));
    std::optional<QByteArray> bytes;
    if (FileRead::FileExists(store)) {
        QString readError;
        const std::optional<QByteArray> old =
            FileRead::readRegularFile(store, FileRead::MaxNoteFileBytes, &readError);
        if (old)
            bytes = NoteDocument::append(*old, records);
        // Never write over a store that cannot be read: keep it for the user and start anew.
        if (!bytes && !detail::SetAside(store))
            return fail(error,
                        QCoreApplication::translate(
                            "modNote", "The unreadable notes store could not be set aside."));
    }
    if (!bytes)
        bytes = NoteDocument::storeForm(records);
    return AtomicFile::write(store, *bytes, AtomicFile::Access::Private, error);
}

QString ClosedNotesPath() {
    return StoreFolder() + QStringLiteral("/closed-notes.pnf");
}

void KeepClosedNote(const NoteRecord& record) {
    const QString path = ClosedNotesPath();
    if (!AtomicFile::makePrivateFolder(StoreFolder()))
        return;
    // Two copies closing notes at once must not drop each other's.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!detail::LockStore(lock))
        return;
    QList<NoteRecord> notes;
    if (FileRead::FileExists(path)) {
        const NoteDocument::Parsed parsed = ReadDocument(path);
        if (parsed.complete)
            notes = parsed.notes;
        else if (!detail::SetAside(path))
            return;
    }
    notes << record;
    if (notes.size() > MaxClosedNotes)
        notes.remove(0, notes.size() - MaxClosedNotes);
    for (NoteRecord& n : notes)
        n.SourcePath.clear();
    AtomicFile::write(path, NoteDocument::storeForm(notes), AtomicFile::Access::Private);
}

} // namespace modNote
