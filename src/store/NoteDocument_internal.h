#pragma once
// Shared by the NoteDocument*.cpp files only.
#include <QByteArray>

namespace NoteDocument::detail {

// The parser takes the bytes as they are, as UTF-8: neither a wide encoding nor a single-byte
// one that the reader first turns into UTF-8. Offsets into what it parsed are then offsets into
// the bytes.
bool readsAsUtf8(const QByteArray& bytes);

} // namespace NoteDocument::detail
