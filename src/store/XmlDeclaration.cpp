#include "store/XmlDeclaration.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <optional>

namespace {

// A declaration is at most a few dozen characters; this much of a document is read for it.
constexpr qsizetype SearchedBytes = 64 * 1024;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::optional<QStringConverter::Encoding> converterFor(pugi::xml_encoding encoding) {
    switch (encoding) {
    case pugi::encoding_utf8:
        return QStringConverter::Utf8;
    case pugi::encoding_utf16_le:
        return QStringConverter::Utf16LE;
    case pugi::encoding_utf16_be:
        return QStringConverter::Utf16BE;
    case pugi::encoding_utf32_le:
        return QStringConverter::Utf32LE;
    case pugi::encoding_utf32_be:
        return QStringConverter::Utf32BE;
    default:
        return std::nullopt;
    }
}

// The pseudo-attributes of two declarations are the same names with the same values, in order.
bool sameAttributes(const pugi::xml_node& a, const pugi::xml_node& b) {
    pugi::xml_attribute x = a.first_attribute();
    pugi::xml_attribute y = b.first_attribute();
    for (; x && y; x = x.next_attribute(), y = y.next_attribute()) {
        if (std::strcmp(x.name(), y.name()) != 0 || std::strcmp(x.value(), y.value()) != 0)
            return false;
    }
    return !x && !y;
}

// How pugixml writes `declaration` alone, the way it writes a whole document.
QByteArray writtenAlone(const pugi::xml_node& declaration, pugi::xml_encoding encoding) {
    struct Writer : pugi::xml_writer {
        QByteArray bytes;
        void write(const void* data, size_t size) override {
            bytes.append(static_cast<const char*>(data), qsizetype(size));
        }
    } writer;
    pugi::xml_document alone;
    alone.append_copy(declaration);
    alone.save(writer, "", pugi::format_raw | pugi::format_no_declaration, encoding);
    return writer.bytes;
}

} // namespace

namespace XmlDeclaration {

QString spelled(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    if (!text.mid(start).startsWith(u"<?xml"))
        return QString();
    // The parser ends a declaration at its first "?>", quoted or not.
    const qsizetype end = text.indexOf(u"?>", start);
    return end < 0 ? QString() : text.mid(start, end + 2 - start).toString();
}

QString withEncoding(const QString& declaration, const QString& encoding) {
    // Pseudo-attributes one after another: a name, blanks, "=", blanks, a quoted value.
    qsizetype i = 5;
    while (i < declaration.size()) {
        while (i < declaration.size() && isBlank(declaration[i]))
            ++i;
        const qsizetype nameStart = i;
        while (i < declaration.size() && !isBlank(declaration[i]) && declaration[i] != u'=' &&
               declaration[i] != u'?')
            ++i;
        const QStringView name = QStringView(declaration).mid(nameStart, i - nameStart);
        while (i < declaration.size() && (isBlank(declaration[i]) || declaration[i] == u'='))
            ++i;
        if (name.isEmpty() || i >= declaration.size() ||
            (declaration[i] != u'"' && declaration[i] != u'\''))
            break;
        const qsizetype valueStart = i + 1;
        const qsizetype valueEnd = declaration.indexOf(declaration[i], valueStart);
        if (valueEnd < 0)
            break;
        if (name == u"encoding") {
            QString out = declaration;
            return out.replace(valueStart, valueEnd - valueStart, encoding);
        }
        i = valueEnd + 1;
    }
    return declaration;
}

QByteArray keepSpelling(const QByteArray& written, pugi::xml_encoding encoding,
                        const QByteArray& source, const pugi::xml_node& declaration) {
    const std::optional<QStringConverter::Encoding> converter = converterFor(encoding);
    if (!converter || declaration.type() != pugi::node_declaration)
        return written;
    QStringDecoder decode(*converter);
    const QString head = decode(source.left(SearchedBytes));
    QString spelling = spelled(head);
    if (spelling.isEmpty())
        return written;
    if (const pugi::xml_attribute name = declaration.attribute("encoding"))
        spelling = withEncoding(spelling, QString::fromUtf8(name.value()));
    // The spelling must say what the tree says, or the document would change its meaning.
    const QByteArray check = spelling.toUtf8() + "<r/>";
    pugi::xml_document parsed;
    if (!parsed.load_buffer(check.constData(), size_t(check.size()),
                            pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8) ||
        !sameAttributes(parsed.first_child(), declaration))
        return written;
    QStringEncoder encode(*converter);
    const QByteArray bom = encode.encode(QStringView(u"\uFEFF"));
    const QByteArray ours = encode.encode(spelling);
    const QByteArray theirs = writtenAlone(declaration, encoding);
    const qsizetype at = written.startsWith(bom) ? bom.size() : 0;
    if (written.mid(at, theirs.size()) != theirs)
        return written;
    QByteArray out = written;
    return out.replace(at, theirs.size(), ours);
}

} // namespace XmlDeclaration
