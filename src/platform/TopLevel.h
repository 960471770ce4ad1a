#pragma once

class QWidget;

// The program's top-level windows as the window system sees them.
namespace TopLevel {

// The placements SetWindowTopmost takes: above every ordinary window, or among them.
inline constexpr int Topmost = 0;
inline constexpr int NotTopmost = 1;

// Topmost puts the window into the topmost band, NotTopmost takes it out; any other mode does
// nothing. True when the placement was handed to the window system.
bool SetWindowTopmost(QWidget* window, int mode);

// The number of windows Pinleaf has loaded: note windows and open dialog windows such as the
// About dialog. A message box (a notice or a question) is no loaded window: it only says
// something, so closing the last note while one is open is still closing the last window.
int LoadedWindowCount();

// A window the user put out of sight (the tray's "Hide All Notes") is hidden but still open: it
// is counted as a loaded window, and the program does not end while windows are away, even when
// no window is left on screen. bringBack shows it again where it was.
void putAway(QWidget* window);
void bringBack(QWidget* window);
bool isPutAway(const QWidget* window);
// Shown, or put away.
bool isOpen(const QWidget* window);
// How many windows are put away.
int putAwayCount();

// A notice or a question, shown after this: it stands in the topmost band with the notes, so no
// note hides it, and comes back above a note that opens while it is shown.
void keepAboveNotes(QWidget* dialog);

// A note window, each time it is shown: it floats on a tiling window manager, which would
// otherwise tile it (it asks for its size alone while it is mapped and takes back its bounds
// once it is on screen), and it leaves the notices and questions above itself.
void manageAsNote(QWidget* note);
// Before a note changes its size: the size it asked for alone while being mapped is given up at
// once, so the change is not held back.
void sizeFreely(QWidget* note);

} // namespace TopLevel
