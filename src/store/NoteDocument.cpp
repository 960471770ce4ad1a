#include "store/NoteDocument.h"

#include "platform/CrLfText.h"
#include "store/FileRead.h"
#include "store/NoteSchema.h"
#include "store/XmlDeclaration.h"
#include "store/modNote.h"

#include <QStringDecoder>

#include <pugixml.hpp>

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

namespace {

// Comments and processing instructions stay in the tree, so one standing among the notes makes
// the document incomplete. Whitespace-only text is kept everywhere, as the appender keeps it:
// inside a note it is part of the text (a note of nothing but spaces or line breaks reads back
// as it was, and so do blanks between elements nested in a field, which a character reference
// may have spelled); among the notes it is skipped.
// The declaration is checked as the appender checks it: a store whose declaration the appender
// refuses (`standalone+"yes"`, or one inside an element) must not read whole either.
constexpr unsigned ReadFlags = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                               pugi::parse_declaration | pugi::parse_ws_pcdata;

// Everything in a document that is appended to stays as it was written (comments, whitespace,
// line ends), so the notes already there come back out unchanged apart from entity spelling.
constexpr unsigned AppendFlags =
    (pugi::parse_full | pugi::parse_ws_pcdata) & ~(pugi::parse_eol | pugi::parse_wconv_attribute);

const char* const AbsorbedTarget = "pinleaf-absorbed";

// The bytes handed to the parser and the encoding to parse them in.
struct Prepared {
    QByteArray bytes;
    pugi::xml_encoding encoding = pugi::encoding_auto;
    bool transcoded = false; // single-byte text turned into UTF-8 here
};

bool startsWithWideText(const QByteArray& b) {
    // Byte-order marks of UTF-16 and UTF-32, or '<' as a wide character without one.
    return b.startsWith("\xFE\xFF") || b.startsWith("\xFF\xFE") ||
           b.startsWith(QByteArray("\0\0\xFE\xFF", 4)) || b.startsWith(QByteArray("\0<", 2)) ||
           b.startsWith(QByteArray("<\0", 2));
}

// pugixml turns a UTF-32 code unit above U+10FFFF into bytes that a rewrite reads back as some
// other character, '<' among them, so an append would break the store. Such a document is not
// text in its encoding and does not read.
bool hasInvalidUtf32(const QByteArray& b) {
    const bool le =
        b.startsWith(QByteArray("\xFF\xFE\0\0", 4)) || b.startsWith(QByteArray("<\0\0\0", 4));
    const bool be =
        b.startsWith(QByteArray("\0\0\xFE\xFF", 4)) || b.startsWith(QByteArray("\0\0\0<", 4));
    if (!le && !be)
        return false;
    for (qsizetype i = 0; i + 4 <= b.size(); i += 4) {
        const auto byte = [&](qsizetype k) { return quint32(quint8(b.at(i + k))); };
        const quint32 unit = le ? byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24
                                : byte(3) | byte(2) << 8 | byte(1) << 16 | byte(0) << 24;
        if (unit > 0x10FFFF)
            return true;
    }
    return false;
}

// A character reference to CR or LF anywhere in the document ("&#13;", "&#x0A;", ...).
bool hasLineBreakReference(const QByteArray& bytes) {
    for (qsizetype at = bytes.indexOf("&#"); at >= 0; at = bytes.indexOf("&#", at + 2)) {
        qsizetype i = at + 2;
        const bool hex = i < bytes.size() && (bytes[i] == 'x' || bytes[i] == 'X');
        if (hex)
            ++i;
        while (i < bytes.size() && bytes[i] == '0')
            ++i;
        const qsizetype end = bytes.indexOf(';', i);
        if (end < 0)
            return false;
        const QByteArray digits = bytes.mid(i, end - i).toLower();
        if (hex ? (digits == "a" || digits == "d") : (digits == "10" || digits == "13"))
            return true;
    }
    return false;
}

bool isXmlBlank(const char* text) {
    return std::strspn(text, " \t\r\n") == std::strlen(text);
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The encoding named in the XML declaration, lower case; empty when none is declared.
QString declaredEncoding(const QByteArray& bytes) {
    const QByteArray head = bytes.left(512);
    qsizetype start = 0;
    while (start < head.size() && std::strchr(" \t\r\n", head[start]))
        ++start;
    if (!head.mid(start).startsWith("<?xml"))
        return QString();
    const QByteArray declaration = head.mid(start, head.indexOf("?>", start) - start);
    const qsizetype key = declaration.indexOf("encoding");
    if (key < 0)
        return QString();
    qsizetype i = key + 8;
    while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '='))
        ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
        return QString();
    const qsizetype end = declaration.indexOf(declaration[i], i + 1);
    if (end < 0)
        return QString();
    return QString::fromLatin1(declaration.mid(i + 1, end - i - 1)).trimmed().toLower();
}

bool isLatin1Name(const QString& declared) {
    return declared == u"iso-8859-1" || declared == u"latin1" || declared == u"latin-1" ||
           declared == u"l1" || declared == u"iso8859-1";
}

Prepared prepare(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || startsWithWideText(bytes))
        return {bytes, pugi::encoding_auto, false};
    const QString declared = declaredEncoding(bytes);
    const auto utf8Of = [](const QString& text) {
        return Prepared{text.toUtf8(), pugi::encoding_utf8, true};
    };
    if (isLatin1Name(declared))
        return utf8Of(QString::fromLatin1(bytes));
    if (declared == u"utf-8" || declared == u"utf8" || (declared.isEmpty() && isUtf8(bytes)))
        return {bytes, pugi::encoding_utf8, false};
    // Windows-1252, plain ASCII, no declaration with bytes that are not UTF-8, and encodings
    // that no reader here knows: the code page of the files Windows programs write.
    if (isUtf8(bytes))
        return {bytes, pugi::encoding_utf8, false};
    return utf8Of(FileRead::fromCp1252(bytes));
}

pugi::xml_node childElement(pugi::xml_node parent, const char* name) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && std::strcmp(child.name(), name) == 0)
            return child;
    }
    return {};
}

// All text inside an element, at any depth, entities already decoded by the parser.
// Line breaks are made LF node by node: a CR that ends one text node (a "&#13;") and the LF that
// starts the next are two breaks, as they are once the document has been written again.
struct TextCollector : pugi::xml_tree_walker {
    std::string text;
    bool for_each(pugi::xml_node& node) override {
        if (node.type() != pugi::node_pcdata && node.type() != pugi::node_cdata)
            return true;
        for (const char* c = node.value(); *c; ++c) {
            if (*c == '\r') {
                text += '\n';
                if (c[1] == '\n')
                    ++c;
            } else {
                text += *c;
            }
        }
        return true;
    }
};

QString textContent(pugi::xml_node element) {
    TextCollector collector;
    element.traverse(collector);
    // QString::fromUtf8 drops a U+FEFF that starts the text, taking it for a byte-order mark;
    // here it is the note's own character.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(collector.text.data(), qsizetype(collector.text.size())));
}

// A geometry number in any decimal spelling ("2865", " 300 ", "+5", "2865.0", "1e3"), rounded to
// whole twips with halves to even and kept inside the 32-bit range. False for anything else.
bool toTwips(const QString& text, qint32& out) {
    // Stores hold plain whole numbers; those are read directly.
    const qsizetype n = text.size();
    if (n > 0 && n <= 9) {
        qint32 value = 0;
        qsizetype i = text.front() == QLatin1Char('-') ? 1 : 0;
        const bool negative = i == 1;
        bool digits = i < n;
        for (; digits && i < n; ++i) {
            const char16_t c = text.at(i).unicode();
            digits = c >= u'0' && c <= u'9';
            value = value * 10 + (c - u'0');
        }
        if (digits) {
            out = negative ? -value : value;
            return true;
        }
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    out = qint32(std::clamp(std::nearbyint(value), lo, hi));
    return true;
}

// One note, or nothing when an element is missing or a number does not read.
std::optional<NoteRecord> readNote(pugi::xml_node note, const QString& path) {
    if (note.type() != pugi::node_element)
        return std::nullopt;
    QString texts[std::size(NoteSchema::Fields)];
    for (size_t i = 0; i < std::size(NoteSchema::Fields); ++i) {
        const pugi::xml_node element = childElement(note, NoteSchema::Fields[i]);
        if (!element)
            return std::nullopt;
        texts[i] = textContent(element);
    }
    NoteRecord record;
    // The parser turns every line break into LF; records carry CR LF. A CR that a character
    // reference spelled is a line break too, or it would come back as LF once written.
    record.Data = CrLfText::toCrLf(CrLfText::toDocText(texts[0]));
    record.TimeDate = CrLfText::toDocText(texts[1]);
    record.Color = CrLfText::toDocText(texts[2]);
    if (!toTwips(texts[3], record.Height) || !toTwips(texts[4], record.Width) ||
        !toTwips(texts[5], record.Left) || !toTwips(texts[6], record.Top))
        return std::nullopt;
    record.SourcePath = path;
    return record;
}

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), qsizetype(size));
    }
};

// Appends CR LF, an element `name` holding `text`, and CR LF to `parent`. The writer escapes
// markup; characters XML cannot carry are dropped here, as in the text form.
void addTextElement(pugi::xml_node parent, const char* name, const QString& text) {
    parent.append_child(pugi::node_pcdata).set_value("\r\n");
    parent.append_child(name).text().set(NoteDocument::XmlSafe(text).toStdString().c_str());
    parent.append_child(pugi::node_pcdata).set_value("\r\n");
}

void appendNote(pugi::xml_node root, const NoteRecord& record) {
    root.append_child(pugi::node_pcdata).set_value("\r\n");
    pugi::xml_node note = root.append_child(NoteSchema::Note);
    addTextElement(note, NoteSchema::Data, record.Data);
    addTextElement(note, NoteSchema::TimeDate, record.TimeDate);
    addTextElement(note, NoteSchema::Color, record.Color);
    addTextElement(note, NoteSchema::Height, QString::number(record.Height));
    addTextElement(note, NoteSchema::Width, QString::number(record.Width));
    addTextElement(note, NoteSchema::Left, QString::number(record.Left));
    addTextElement(note, NoteSchema::Top, QString::number(record.Top));
    root.append_child(pugi::node_pcdata).set_value("\r\n");
}

bool isWide(pugi::xml_encoding e) {
    return e != pugi::encoding_utf8 && e != pugi::encoding_latin1 && e != pugi::encoding_auto;
}

// The document with each top-level node on a line of its own, as in the text form: in UTF-8,
// or in the wide encoding it was read in, which holds every character too.
QByteArray serialise(pugi::xml_document& document, pugi::xml_encoding encoding, bool bom) {
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_pcdata)
            node = document.insert_child_after(pugi::node_pcdata, node);
        node.set_value("\r\n");
    }
    ByteWriter out;
    unsigned format = pugi::format_raw | pugi::format_no_declaration;
    if (bom)
        format |= pugi::format_write_bom;
    document.save(out, "", format, isWide(encoding) ? encoding : pugi::encoding_utf8);
    return out.bytes;
}

bool startsWithByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFE\xFF") ||
           bytes.startsWith("\xFF\xFE");
}

} // namespace

namespace NoteDocument {

std::optional<QByteArray> appendUnchecked(const QByteArray& existing,
                                          const QList<NoteRecord>& records);

QString XmlSafe(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(c);
            out.append(text.at(++i));
            continue;
        }
        const char16_t u = c.unicode();
        if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u < 0xD800) ||
            (u >= 0xE000 && u <= 0xFFFD))
            out.append(c);
    }
    return out;
}

Parsed parse(const QByteArray& bytes, const QString& sourcePath) {
    Parsed result;
    if (hasInvalidUtf32(bytes))
        return result;
    const Prepared in = prepare(bytes);
    pugi::xml_document document;
    if (!document.load_buffer(in.bytes.constData(), size_t(in.bytes.size()), ReadFlags,
                              in.encoding))
        return result;
    const pugi::xml_node root = document.document_element();
    if (!root)
        return result;
    result.wellFormed = true;
    for (pugi::xml_node node = document.first_child(); node != root; node = node.next_sibling()) {
        if (node.type() == pugi::node_pi && std::strcmp(node.name(), AbsorbedTarget) == 0)
            result.absorbed += QString::fromUtf8(node.value()).split(u' ', Qt::SkipEmptyParts);
    }
    result.complete = true;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        // Blanks among the notes are no note and no fault. Only XML's own blanks count: any
        // other character is stray text.
        if (child.type() == pugi::node_pcdata && isXmlBlank(child.value()))
            continue;
        if (std::optional<NoteRecord> note = readNote(child, sourcePath))
            result.notes << *note;
        else
            result.complete = false;
    }
    return result;
}

QByteArray textForm(const NoteRecord& record) {
    // Colour and date are escaped like the text, and characters XML cannot carry are dropped
    // from all three, so every document written here reads back.
    const auto text = [](const QString& s) { return modNote::EscapeXml(XmlSafe(s)); };
    const auto number = [](qint32 n) { return QString::number(n); };
    const QString crlf = QStringLiteral("\r\n");
    const auto open = [](const char* name) {
        return QStringLiteral("<") + QLatin1String(name) + QLatin1Char('>');
    };
    const auto close = [](const char* name) {
        return QStringLiteral("</") + QLatin1String(name) + QLatin1Char('>');
    };
    const auto line = [&](const char* name, const QString& value) {
        return open(name) + value + close(name) + crlf;
    };
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" standalone=\"yes\"?>") + crlf;
    s += open(NoteSchema::Root) + crlf;
    s += open(NoteSchema::Note) + crlf;
    // A new document gives the colour before the text; an appended note gives the fields in
    // NoteSchema::Fields' order. The reader takes them in any order.
    s += line(NoteSchema::Color, text(record.Color));
    s += line(NoteSchema::Data, text(record.Data));
    s += line(NoteSchema::TimeDate, text(record.TimeDate));
    s += line(NoteSchema::Height, number(record.Height));
    s += line(NoteSchema::Width, number(record.Width));
    s += line(NoteSchema::Left, number(record.Left));
    s += line(NoteSchema::Top, number(record.Top));
    s += close(NoteSchema::Note) + crlf;
    s += close(NoteSchema::Root) + crlf;
    return s.toUtf8();
}

std::optional<QByteArray> append(const QByteArray& existing, const QList<NoteRecord>& records) {
    // The reader and the appender agree: a document that does not read whole is never added to,
    // or every note appended later would vanish with it.
    if (!parse(existing).complete)
        return std::nullopt;
    return appendUnchecked(existing, records);
}

// append() without the check, for documents written here.
std::optional<QByteArray> appendUnchecked(const QByteArray& existing,
                                          const QList<NoteRecord>& records) {
    const Prepared in = prepare(existing);
    // A line break spelled as a character reference beside a real one ("&#13;" CR LF) would be
    // written back as a bare character and read as another number of breaks. Such a document
    // (never one written here) is appended to with its line ends made LF, as the reader sees
    // them; every other keeps its bytes.
    const unsigned flags = startsWithWideText(in.bytes) || hasLineBreakReference(in.bytes)
                               ? AppendFlags | pugi::parse_eol
                               : AppendFlags;
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(in.bytes.constData(), size_t(in.bytes.size()), flags, in.encoding);
    if (!parsed || !document.document_element())
        return std::nullopt;
    if (in.transcoded) {
        const pugi::xml_node declaration = document.first_child();
        if (declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
            declaration.attribute("encoding").set_value("UTF-8");
    }
    const pugi::xml_node root = document.document_element();
    for (const NoteRecord& record : records)
        appendNote(root, record);
    QByteArray out = serialise(document, parsed.encoding, startsWithByteOrderMark(existing));
    // The declaration stays as the store spelled it; pugixml would write it its own way.
    out = XmlDeclaration::keepSpelling(
        out, isWide(parsed.encoding) ? parsed.encoding : pugi::encoding_utf8, in.bytes,
        document.first_child());
    // The reader finds the encoding with a pattern of its own, which takes for a declaration
    // some text that the parser does not ("<?xml\x9d ... encoding=..." is a processing
    // instruction to it), so none was changed above; and the rewrite drops text before the
    // first tag ("+<?xml-x encoding=...") that hid such a one from the pattern. And a character
    // reference beyond Unicode ("&#99999999999;") comes out as bytes that are not UTF-8, for
    // which the reader would take the whole store for Windows-1252. A byte-order mark then tells
    // the next read that the UTF-8 written here is UTF-8.
    if (!isWide(parsed.encoding) && (isLatin1Name(declaredEncoding(out)) || !isUtf8(out)) &&
        !startsWithByteOrderMark(out))
        out.prepend("\xEF\xBB\xBF");
    return out;
}

QByteArray storeForm(const QList<NoteRecord>& records, const QStringList& absorbed) {
    QByteArray bytes;
    if (records.isEmpty())
        bytes = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<" + QByteArray(NoteSchema::Root) +
                ">\r\n</" + QByteArray(NoteSchema::Root) + ">\r\n";
    else if (records.size() == 1)
        bytes = textForm(records.first());
    else
        bytes = appendUnchecked(textForm(records.first()), records.mid(1)).value_or(QByteArray());
    if (!absorbed.isEmpty()) {
        // File names of ours hold no "?>"; anything else is left out rather than let it end the
        // instruction early.
        QStringList names;
        for (const QString& name : absorbed) {
            if (!name.contains(QLatin1String("?>")) && !name.contains(u' ') && !name.isEmpty())
                names << name;
        }
        const qsizetype afterDeclaration = bytes.indexOf("\r\n") + 2;
        bytes.insert(afterDeclaration, "<?" + QByteArray(AbsorbedTarget) + ' ' +
                                           names.join(u' ').toUtf8() + "?>\r\n");
    }
    return bytes;
}

} // namespace NoteDocument

namespace NoteDocument::detail {

bool readsAsUtf8(const QByteArray& bytes) {
    const Prepared in = prepare(bytes);
    return !in.transcoded && !startsWithWideText(in.bytes) && !hasInvalidUtf32(in.bytes);
}

} // namespace NoteDocument::detail
