#include "note/modRTB.h"

#include "platform/RichTextBox.h"

namespace modRTB {

// Spaces per step of indent.
constexpr int SpacesPerIndent = 5;

void AppendFormattedLine(const QString& text, qint32 color, qint16 size, RichTextBox& box,
                         qint16 indent) {
    box.setSelStart(int(box.text().length()));
    box.setSelColor(quint32(color));
    box.setSelFontSize(size);
    // The indent is counted in 16 bits, as the callers give it; a negative one adds nothing.
    const qint16 spaces = qint16(indent * SpacesPerIndent);
    box.setSelText(QString(qMax<int>(spaces, 0), u' ') + text + QStringLiteral("\r\n"));
}

} // namespace modRTB
