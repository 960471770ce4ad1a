#pragma once
#include <QString>

// The text box shows callers a plain text whose line breaks are CR LF pairs, while its document
// keeps every break as one character. These helpers translate texts and positions between the
// two. A "document text" here is the document's characters with each break written as '\n'.
namespace CrLfText {

// "\r\n", lone "\n" and lone "\r" each become one '\n'.
QString toDocText(const QString& text);
// Every '\n' becomes "\r\n".
QString toCrLf(const QString& docText);

// A position in the CR LF text for a document position, clamped to the text.
int toCrLfPos(const QString& docText, int docPos);
// A document position for a position in the CR LF text, clamped to the text. A position
// between the CR and the LF of one break maps to the start of that break.
int toDocPos(const QString& docText, int crlfPos);

} // namespace CrLfText
