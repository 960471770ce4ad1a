#pragma once

class QWidget;

// While the program drags a window it moves the window itself and knows where it is. On X11 each
// move the window system reports back costs Qt several round trips to the X server (where the
// window is, and where its frame is), several times a drag's own cost. Between hold() and
// release() those reports are left unread for the window; release() has the window system
// confirm the window's place once. Elsewhere both do nothing.
namespace QuietMoves {

void hold(QWidget* window);
void release(QWidget* window);

} // namespace QuietMoves
