// The append of the end of a logon: a note added to a store that is already there.
#include "FuzzCheck.h"
#include "Harnesses.h"

#include "store/NoteDocument.h"

#include <algorithm>
#include <cstring>

namespace {

// Separates the record's texts in the input; a private-use character no note needs.
constexpr char16_t FieldSeparator = 0xE000;
constexpr qsizetype GeometryBytes = 4 * sizeof(qint32);

// The input's first byte is the length of the record part that follows it; the rest is the
// existing document. The record part ends with its four geometry numbers as raw 32-bit values
// (when long enough); before them, read as UTF-16 so that any code unit can occur, its texts
// Data, TimeDate and Color, separated by FieldSeparator.
NoteRecord recordOf(const QByteArray& part) {
    NoteRecord record;
    QByteArray texts = part;
    if (part.size() >= GeometryBytes) {
        const char* numbers = part.constData() + part.size() - GeometryBytes;
        std::memcpy(&record.Height, numbers, sizeof(qint32));
        std::memcpy(&record.Width, numbers + 4, sizeof(qint32));
        std::memcpy(&record.Left, numbers + 8, sizeof(qint32));
        std::memcpy(&record.Top, numbers + 12, sizeof(qint32));
        texts.chop(GeometryBytes);
    }
    QString text(texts.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), texts.constData(), size_t(text.size()) * sizeof(char16_t));
    const QStringList fields = text.split(QChar(FieldSeparator));
    record.Data = fields.value(0);
    record.TimeDate = fields.value(1);
    record.Color = fields.value(2);
    return record;
}

} // namespace

namespace Fuzz {

int append(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype recordBytes = std::min<qsizetype>(data[0], input.size() - 1);
    const NoteRecord record = recordOf(input.mid(1, recordBytes));
    const QByteArray existing = input.mid(1 + recordBytes);

    const NoteDocument::Parsed before = NoteDocument::parse(existing);
    const std::optional<QByteArray> appended = NoteDocument::append(existing, {record});
    // A store that does not read whole is never added to; one that does always is.
    FUZZ_CHECK(appended.has_value() == before.complete);
    if (!appended)
        return 0;

    // The notes that were there come back unchanged, followed by the new one.
    const NoteDocument::Parsed after = NoteDocument::parse(*appended);
    FUZZ_CHECK(after.complete);
    FUZZ_CHECK(after.notes.size() == before.notes.size() + 1);
    FUZZ_CHECK(after.notes.first(before.notes.size()) == before.notes);
    FUZZ_CHECK(after.notes.last() == FuzzCheck::written(record));

    // Appending to no store at all gives the store form of that one note.
    const std::optional<QByteArray> fresh =
        NoteDocument::append(NoteDocument::storeForm({}), {record});
    FUZZ_CHECK(fresh.has_value());
    FUZZ_CHECK(NoteDocument::parse(*fresh).notes == QList<NoteRecord>{FuzzCheck::written(record)});
    return 0;
}

} // namespace Fuzz
