#pragma once
#include <QString>

// Texts of freedesktop.org desktop entries.
namespace DesktopEntry {

// One argument of an Exec key: quoted when it holds a reserved character, with the characters
// that the quoting rules name escaped, and percent signs doubled.
QString quoteExecArgument(const QString& arg);

// Escapes a value of type string: backslash, newline, tab and carriage return.
QString escapeValue(const QString& value);

// What the user decided about an autostart entry that exists: desktop settings switch starting
// at login off with Hidden=true or X-GNOME-Autostart-enabled=false in its [Desktop Entry] group.
struct UserChoice {
    bool hidden = false;
    bool gnomeDisabled = false;
    bool switchedOff() const { return hidden || gnomeDisabled; }
};
UserChoice userChoice(const QString& entry);

// The whole autostart entry that runs `executable` without arguments, keeping `choice`.
QString autostartEntry(const QString& executable, UserChoice choice = {});

} // namespace DesktopEntry
