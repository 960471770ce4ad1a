// One note of a document written again in its own place, the rest of the document untouched.
#include "store/NoteDocument.h"
#include "store/NoteDocument_internal.h"
#include "store/NoteSchema.h"

#include <pugixml.hpp>

#include <cstring>

namespace {

// The structure the reader sees, with nothing converted in place: every node starts where the
// parser found it, so its offset is an offset into the bytes.
constexpr unsigned LocateFlags = (pugi::parse_full | pugi::parse_ws_pcdata) &
                                 ~(pugi::parse_eol | pugi::parse_escapes |
                                   pugi::parse_wconv_attribute | pugi::parse_wnorm_attribute);

bool isBlank(const char* text) {
    return std::strspn(text, " \t\r\n") == std::strlen(text);
}

// Where the markup of `node` begins in the parsed bytes: pugixml knows where its name or its
// value begins. -1 when that is not known.
qsizetype markupStart(pugi::xml_node node) {
    const ptrdiff_t at = node.offset_debug();
    if (at < 0)
        return -1;
    switch (node.type()) {
    case pugi::node_pcdata:
        return at;
    case pugi::node_element:
        return at - 1; // "<" name
    case pugi::node_pi:
        return at - 2; // "<?" name
    case pugi::node_comment:
        return at - 4; // "<!--" text
    case pugi::node_cdata:
        return at - 9; // "<![CDATA[" text
    default:
        return -1;
    }
}

struct Span {
    qsizetype start = -1;
    qsizetype end = -1;
};

// The bytes of the note at `index` among the root's notes: from its "<" to the end of its
// closing tag, found as the start of whatever follows it.
Span locateNote(const QByteArray& bytes, qsizetype index) {
    pugi::xml_document document;
    if (!document.load_buffer(bytes.constData(), size_t(bytes.size()), LocateFlags,
                              pugi::encoding_utf8))
        return {};
    const pugi::xml_node root = document.document_element();
    pugi::xml_node note;
    qsizetype seen = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata && isBlank(child.value()))
            continue;
        if (seen++ == index) {
            note = child;
            break;
        }
    }
    if (note.type() != pugi::node_element)
        return {};
    Span span{markupStart(note), -1};
    if (const pugi::xml_node next = note.next_sibling()) {
        span.end = markupStart(next);
    } else {
        // The last node of the root: the root's closing tag follows, the last "</" before
        // whatever comes after the root (text outside the root is no node and holds no "<").
        qsizetype limit = bytes.size();
        if (const pugi::xml_node after = root.next_sibling())
            limit = markupStart(after);
        span.end = limit < 0 ? -1 : bytes.lastIndexOf("</", limit - 1);
    }
    if (span.start < 0 || span.end <= span.start || span.end > bytes.size() ||
        bytes.at(span.start) != '<' || bytes.at(span.end - 1) != '>')
        return {};
    return span;
}

// The NOTE element of the text form of `record`, without the line break after it.
QByteArray noteElement(const NoteRecord& record) {
    const QByteArray text = NoteDocument::textForm(record);
    const QByteArray open = '<' + QByteArray(NoteSchema::Note) + '>';
    const QByteArray close = "</" + QByteArray(NoteSchema::Note) + '>';
    // The text is escaped, so the first opening and the last closing tag are the note's own.
    const qsizetype from = text.indexOf(open);
    const qsizetype to = text.lastIndexOf(close) + close.size();
    return text.mid(from, to - from);
}

bool sameNote(NoteRecord a, NoteRecord b) {
    a.SourcePath.clear();
    b.SourcePath.clear();
    return a == b;
}

} // namespace

namespace NoteDocument {

std::optional<QByteArray> replaceNote(const QByteArray& existing, qsizetype index,
                                      const NoteRecord& record) {
    const Parsed before = parse(existing);
    if (!before.complete || index < 0 || index >= before.notes.size())
        return std::nullopt;
    QByteArray base = existing;
    if (!detail::readsAsUtf8(base)) {
        // A single-byte document becomes UTF-8 first, so the new note can hold any character.
        base = append(existing, {}).value_or(QByteArray());
        if (!detail::readsAsUtf8(base))
            return std::nullopt;
    }
    const Span span = locateNote(base, index);
    if (span.start < 0)
        return std::nullopt;
    QByteArray out = base.left(span.start) + noteElement(record) + base.mid(span.end);
    // Whatever the document held, it must now read as before with only that note new.
    const Parsed after = parse(out);
    const Parsed alone = parse(textForm(record));
    if (!after.complete || after.notes.size() != before.notes.size() || alone.notes.size() != 1)
        return std::nullopt;
    for (qsizetype i = 0; i < after.notes.size(); ++i) {
        if (!sameNote(after.notes.at(i), i == index ? alone.notes.first() : before.notes.at(i)))
            return std::nullopt;
    }
    if (after.absorbed != before.absorbed)
        return std::nullopt;
    return out;
}

} // namespace NoteDocument
