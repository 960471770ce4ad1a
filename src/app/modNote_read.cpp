// Reading notes from the store or a note file.
#include "app/modNote.h"
#include "app/modNote_internal.h"
#include "platform/CrLfText.h"

#include <QFile>

#include <charconv>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// Comments and processing instructions stay in the tree, so one standing among the notes fails
// the read. Whitespace-only text between elements is dropped, but kept when it is all an element
// holds, so a note of nothing but spaces or line breaks reads back as it was.
constexpr unsigned ReadFlags =
    pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata_single;

pugi::xml_node childElement(pugi::xml_node parent, const char* name) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && std::strcmp(child.name(), name) == 0)
            return child;
    }
    return {};
}

// All text inside an element, at any depth, entities already decoded by the parser.
struct TextCollector : pugi::xml_tree_walker {
    std::string text;
    bool for_each(pugi::xml_node& node) override {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        return true;
    }
};

QString textContent(pugi::xml_node element) {
    TextCollector collector;
    element.traverse(collector);
    return QString::fromStdString(collector.text);
}

// A whole decimal number in the 32-bit range, with an optional leading '-'. XML whitespace around
// it is allowed, as a hand-formatted file may put the number on a line of its own; a '+', any
// other character or an out-of-range value fails.
bool toInt32(const QString& text, qint32& out) {
    const std::string utf8 = text.toStdString();
    std::string_view s(utf8);
    const auto isXmlSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isXmlSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isXmlSpace(s.back()))
        s.remove_suffix(1);
    qint32 value = 0;
    const char* end = s.data() + s.size();
    const auto [stop, error] = std::from_chars(s.data(), end, value);
    if (s.empty() || error != std::errc() || stop != end)
        return false;
    out = value;
    return true;
}

} // namespace

namespace modNote {

namespace detail {

QList<NoteRecord> ParseNotes(const pugi::xml_document& document, const QString& path) {
    const pugi::xml_node root = document.document_element();
    if (!root || !root.first_child())
        return {};
    static const char* const names[] = {"DATA",  "TIMEDATE", "COLOR", "HEIGHT",
                                        "WIDTH", "LEFT",     "TOP"};
    QList<NoteRecord> notes;
    // Every child of the root is a note, whatever its kind or name: all or nothing.
    for (pugi::xml_node note = root.first_child(); note; note = note.next_sibling()) {
        QString texts[std::size(names)];
        for (size_t i = 0; i < std::size(names); ++i) {
            const pugi::xml_node element = childElement(note, names[i]);
            if (!element)
                return {};
            texts[i] = textContent(element);
        }
        NoteRecord record;
        // The parser turns every line break into LF; records carry CR LF.
        record.Data = CrLfText::toCrLf(CrLfText::toDocText(texts[0]));
        record.TimeDate = texts[1];
        record.Color = texts[2];
        if (!toInt32(texts[3], record.Height) || !toInt32(texts[4], record.Width) ||
            !toInt32(texts[5], record.Left) || !toInt32(texts[6], record.Top))
            return {};
        record.SourcePath = path;
        notes << record;
    }
    return notes;
}

} // namespace detail

QList<NoteRecord> ReadNotes(bool fromStore, const QString& path) {
    QString source = fromStore ? StorePath() : path;
    if (source.isEmpty()) {
        source = detail::AskForNoteFile(false);
        if (source.isEmpty())
            return {};
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    pugi::xml_document document;
    if (!document.load_buffer(bytes.constData(), size_t(bytes.size()), ReadFlags))
        return {};
    return detail::ParseNotes(document, source);
}

} // namespace modNote
