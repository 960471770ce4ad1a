#pragma once

class QWidget;

// Services of the desktop that a note window asks for.
namespace Desktop {
// A drop shadow around the borderless window. On Linux desktops the compositor draws window
// shadows itself, so there is nothing to ask for.
void addDropShadow(QWidget* window);
} // namespace Desktop
