#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>

#include <pugixml.hpp>

// The XML declaration of a document as its writer spelled it. pugixml keeps a declaration's
// pseudo-attributes but not their spacing or quotes, and writes them back its own way.
namespace XmlDeclaration {

// The declaration that starts `text` (after blanks): from "<?xml" to the first "?>". Empty when
// the text does not start with one.
QString spelled(QStringView text);

// `declaration` with the value of its encoding pseudo-attribute made `encoding`, everything else
// as it was; unchanged when it names no encoding.
QString withEncoding(const QString& declaration, const QString& encoding);

// `written`, a document pugixml wrote in `encoding` whose first node is `declaration`, with that
// declaration spelled as it is in `source`, the bytes the document was read from (in the same
// encoding): spacing and quotes as they were, the encoding's name as the tree now has it.
// `written` unchanged when the spelling in `source` does not say what the tree says.
QByteArray keepSpelling(const QByteArray& written, pugi::xml_encoding encoding,
                        const QByteArray& source, const pugi::xml_node& declaration);

} // namespace XmlDeclaration
