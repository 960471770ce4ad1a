#include "platform/PlainText.h"

QString asPlainTooltip(const QString& text) {
    if (text.isEmpty())
        return QString();
    // Wrapped in a paragraph the tooltip is always taken as rich text: the escapes turn back into
    // the characters they stand for, and nothing in `text` is read as a tag.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}
