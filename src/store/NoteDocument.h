#pragma once
#include "store/NoteRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The note document in bytes: the one format of the notes store, the running copy and note
// files. Pure functions over bytes, so that every reader and writer of the program (and the
// fuzzing harnesses) share them.
namespace NoteDocument {

struct Parsed {
    // Every complete note, in document order.
    QList<NoteRecord> notes;
    // The bytes are well-formed XML with a root element.
    bool wellFormed = false;
    // Well-formed, and every child of the root is a complete note: the document reads whole
    // and may be appended to.
    bool complete = false;
    // The running copies whose notes this copy took over (see storeForm).
    QStringList absorbed;
};

// Reads a document. A note lacking one of its seven elements, or with a geometry text that is
// not a number, is left out (and the document is not complete); comments, processing
// instructions and stray text among the notes make it incomplete too. Encoding: a byte-order
// mark or the declaration decides; a document that declares none and is not UTF-8 is read as
// Windows-1252. A malformed or misplaced declaration, or UTF-32 with a code unit beyond
// U+10FFFF, does not read at all.
Parsed parse(const QByteArray& bytes, const QString& sourcePath = QString());

// A new document of one note, UTF-8 without a byte-order mark.
QByteArray textForm(const NoteRecord& record);

// `existing` with `records` appended after its notes, each as its own NOTE element: what was
// there stays as it was written, apart from entity spelling, and the declaration keeps its
// spelling. A document in a single-byte encoding is rewritten in UTF-8 with its declaration's
// encoding changed to say so, so no character is lost. Nothing when `existing` does not read
// whole (Parsed::complete).
std::optional<QByteArray> append(const QByteArray& existing, const QList<NoteRecord>& records);

// A whole store of `records`: byte for byte what one append per note to no store gives. An empty
// list gives a document with an empty root. A running copy that took over the notes of other
// copies names those files in a processing instruction before the root, so that whoever finds
// both knows their notes are in this one; every reader of the store passes over it.
QByteArray storeForm(const QList<NoteRecord>& records, const QStringList& absorbed = {});

// `existing` with its note at `index` (counted as `parse` counts them) replaced by `record`,
// written as the text form writes a note; every other byte stays as it was. A document in a
// single-byte encoding is first rewritten in UTF-8, as append() does, so the other notes keep
// their text but not their bytes. Nothing when `existing` does not read whole, has no note at
// `index`, or is in UTF-16 or UTF-32.
std::optional<QByteArray> replaceNote(const QByteArray& existing, qsizetype index,
                                      const NoteRecord& record);

// `text` without the characters XML 1.0 forbids in text: controls other than tab, LF and CR,
// lone surrogates, U+FFFE and U+FFFF.
QString XmlSafe(const QString& text);

} // namespace NoteDocument
