#pragma once
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Start-up utilities shared by the note window and the start-up routine.
namespace modMain {

// True for an existing path that is not a folder; false when missing, a folder, or on error.
bool FileExists(const QString& path);

// The whole text of a file: UTF-8 (a byte-order mark dropped), with bytes that are not UTF-8 read
// in the system's 8-bit encoding. Nothing for a path that is not a regular readable file or for a
// file larger than 16 MiB.
std::optional<QString> ReadWholeFile(const QString& path);

// Sets the autostart entry that brings Pinleaf back at the next logon.
void AddRunValue();
// Removes it; failures are ignored.
void RemoveRunValue();

// Mode 0 puts the window into the topmost band, mode 1 takes it out; any other mode does
// nothing. True when the placement was handed to the window system.
bool SetWindowTopmost(QWidget* window, int mode);

// The number of windows Pinleaf has loaded: note windows and open dialog windows.
int LoadedWindowCount();

// True once the end of the user's logon has begun; close requests then store notes silently.
bool SessionEnding();

// The end of the user's logon: every note window, in the order the windows were created,
// stores its note without asking and closes; then the program ends with status 0.
void EndOfLogon();

// The command-line text: the program's arguments joined by single spaces.
QString CommandLineText(const QStringList& arguments);

// The note file that a command-line text names: surrounding quotes removed (the first and the
// last character, each once), and only when it ends in "pnf" in any case; empty otherwise.
QString NoteFileFromCommandLine(const QString& text);

// Opens the notes of start-up: the note file named on the command line, every note of the notes
// store, or one blank note.
void Main(const QString& commandLine);

// On a Wayland session with an X server at hand, notes run on the X server: they place
// themselves on the screen, which Wayland does not allow. A platform the user chose stands.
void ChoosePlatform();

} // namespace modMain
