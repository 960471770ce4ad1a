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

} // namespace TopLevel
