// Note files as the program opens them: a file on disk read through modNote, then a note saved
// over it and opened again.
#include "FuzzCheck.h"
#include "Harnesses.h"

#include "store/modNote.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// One folder for the whole run; every input is written to the same file in it.
const QString& notePath() {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("fuzz.pnf"));
    return path;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

namespace Fuzz {

int noteFile(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString& path = notePath();
    FUZZ_CHECK(writeFile(path, bytes));

    // The file read is the bytes parsed: nothing lost or added between disk and reader.
    QString error;
    const NoteDocument::Parsed read = modNote::ReadDocument(path, &error);
    const NoteDocument::Parsed direct = NoteDocument::parse(bytes, path);
    FUZZ_CHECK(read.wellFormed == direct.wellFormed && read.complete == direct.complete);
    FUZZ_CHECK(read.notes == direct.notes);
    FUZZ_CHECK(read.wellFormed || !error.isEmpty());

    // Opening a note file gives all of its notes or none.
    const QList<NoteRecord> opened = modNote::ReadNotes(false, path);
    FUZZ_CHECK(opened == (read.complete ? read.notes : QList<NoteRecord>()));
    if (opened.isEmpty())
        return 0;

    // "&Save" of the last note in its own place: the other notes read as before and the note as
    // written; where it cannot be written in place, the file stays byte for byte.
    const qsizetype last = opened.size() - 1;
    modNote::NoteFilePlace place{last, opened.last()};
    NoteRecord changed = opened.last();
    changed.Data += QStringLiteral("\r\n&<]]>");
    const modNote::PlaceSave saved = modNote::SaveNoteInPlace(changed, path, place);
    const QList<NoteRecord> after = modNote::ReadNotes(false, path);
    if (saved == modNote::PlaceSave::Written) {
        NoteRecord written = FuzzCheck::written(changed);
        written.SourcePath = path;
        FUZZ_CHECK(after.size() == opened.size() && after.mid(0, last) == opened.mid(0, last));
        FUZZ_CHECK(after.last() == written && place.index == last);
    } else {
        QFile file(path);
        FUZZ_CHECK(saved == modNote::PlaceSave::NotInPlace && file.open(QIODevice::ReadOnly));
        FUZZ_CHECK(file.readAll() == bytes);
    }

    // "Save" over the opened file, then open it again: the note comes back as it was.
    NoteRecord expected = FuzzCheck::written(opened.first());
    FUZZ_CHECK(modNote::SaveNoteFile(opened.first(), path) == path);
    const QList<NoteRecord> reopened = modNote::ReadNotes(false, path);
    expected.SourcePath = path;
    FUZZ_CHECK(reopened.size() == 1);
    FUZZ_CHECK(reopened.first() == expected);
    return 0;
}

} // namespace Fuzz
