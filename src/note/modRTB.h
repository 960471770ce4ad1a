#pragma once
#include <QString>
#include <QtGlobal>

class RichTextBox;

// Writing formatted text into a note's text box.
namespace modRTB {

// Appends one line to the end of `box`: `indent` levels of five spaces, `text` and a line break,
// in colour `color` (0x00BBGGRR) at `size` points. Bold, italic and underline are those the box
// has at its end. An empty text still appends an empty line in that colour and size.
void AppendFormattedLine(const QString& text, qint32 color, qint16 size, RichTextBox& box,
                         qint16 indent);

} // namespace modRTB
