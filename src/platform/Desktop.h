#pragma once

class QWidget;

// Services of the desktop that a note window asks for.
namespace Desktop {
// Picks the window system before the application starts, where the user has not: on Linux,
// X11 (through XWayland) on a Wayland desktop, since notes place themselves and Wayland forbids
// that. Elsewhere there is only one.
void choosePlatform();
// A drop shadow around the borderless window. On Linux desktops the compositor draws window
// shadows itself, so there is nothing to ask for.
void addDropShadow(QWidget* window);
// Asks for the desktop's own look of the standard controls, first thing in a note's
// construction. Windows needs the visual-styles manifest for it (which may restart the program);
// Linux desktops need nothing.
void useVisualStyles();
} // namespace Desktop
