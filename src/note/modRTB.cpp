#include "note/modRTB.h"

#include "platform/RichTextBox.h"

#include <QTextBlock>
#include <QTextCursor>

namespace modRTB {

// Spaces per step of indent.
constexpr int SpacesPerIndent = 5;

void AppendFormattedLine(const QString& text, qint32 color, qint16 size, RichTextBox& box,
                         qint16 indent) {
    box.setSelStart(int(box.text().length()));
    box.setSelColor(quint32(color));
    box.setSelFontSize(size);
    // The line's break ends its paragraph, so an empty line is as high as its own size. The text
    // box keeps an empty paragraph's look in the break before it, which is the line above's:
    // the line's look goes there as well.
    QTextCursor end = box.textCursor();
    if (end.block().length() == 1)
        end.setBlockCharFormat(end.charFormat());
    // The indent is counted in 16 bits, as the callers give it; a negative one adds nothing.
    const qint16 spaces = qint16(indent * SpacesPerIndent);
    box.setSelText(QString(qMax<int>(spaces, 0), u' ') + text + QStringLiteral("\r\n"));
}

} // namespace modRTB
