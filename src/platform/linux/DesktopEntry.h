#pragma once
#include <QString>

// Texts of freedesktop.org desktop entries.
namespace DesktopEntry {

// One argument of an Exec key: quoted when it holds a reserved character, with the characters
// that the quoting rules name escaped, and percent signs doubled.
QString quoteExecArgument(const QString& arg);

// Escapes a value of type string: backslash, newline, tab and carriage return.
QString escapeValue(const QString& value);

// The whole autostart entry that runs `executable` without arguments.
QString autostartEntry(const QString& executable);

} // namespace DesktopEntry
