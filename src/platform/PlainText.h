#pragma once
#include <QString>

// Qt reads a tooltip as rich text whenever it looks like markup, and rich text may name files to
// load. Text from a note, a file or the clipboard goes through here to show literally.

// A tooltip that shows `text` character for character, spaces and line breaks kept; empty text
// gives an empty tooltip (none is shown).
QString asPlainTooltip(const QString& text);
