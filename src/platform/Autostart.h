#pragma once
#include <QString>

// The entry that starts Pinleaf at the user's next logon, with no arguments.
namespace Autostart {
// Points the entry at `executable`; false when it could not be written.
bool set(const QString& executable);
// Points the entry at the running executable.
bool setForThisProgram();
// Removes the entry; false only when one exists and could not be removed.
bool remove();
// True while the entry is there.
bool isSet();
// The user's own switch for starting at login, which the desktop's settings also show: the entry
// still comes and goes with the notes, and keeps the switch as the user left it. On by default.
bool isEnabled();
// Sets the switch, writing the entry for the running executable; false when it could not be
// written.
bool setEnabled(bool on);
// Where the entry lives (for the user's information and for tests).
QString location();
} // namespace Autostart
