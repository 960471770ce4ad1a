// The reader of the notes store, the running copies and note files, over any bytes.
#include "FuzzCheck.h"
#include "Harnesses.h"

#include "store/NoteDocument.h"

namespace {

// Data keeps every line break as a CR LF pair.
bool onlyCrLfBreaks(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n'))
            return false;
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            return false;
    }
    return true;
}

} // namespace

namespace Fuzz {

int storeReader(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString source = QStringLiteral("/notes/fuzz.pnf");
    const NoteDocument::Parsed parsed = NoteDocument::parse(bytes, source);

    FUZZ_CHECK(!parsed.complete || parsed.wellFormed);
    FUZZ_CHECK(parsed.wellFormed || parsed.notes.isEmpty());
    QList<NoteRecord> expected;
    for (const NoteRecord& note : parsed.notes) {
        FUZZ_CHECK(note.SourcePath == source);
        FUZZ_CHECK(onlyCrLfBreaks(note.Data));
        expected << FuzzCheck::written(note);
    }

    // What was read, written as a store and read again, is what was read: notes restored at a
    // logon are kept unchanged at the next logoff.
    const NoteDocument::Parsed again = NoteDocument::parse(NoteDocument::storeForm(expected));
    FUZZ_CHECK(again.complete);
    FUZZ_CHECK(again.notes == expected);
    if (!expected.isEmpty()) {
        const NoteDocument::Parsed single =
            NoteDocument::parse(NoteDocument::textForm(expected.first()));
        FUZZ_CHECK(single.complete && single.notes.size() == 1);
        FUZZ_CHECK(single.notes.first() == expected.first());
    }
    return 0;
}

} // namespace Fuzz
