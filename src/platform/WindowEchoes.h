#pragma once

class QPoint;
class QWidget;

// Reports the window system sends back about a change the program made to its own window. On X11
// Qt answers several of them with round trips to the X server, though the program knows already
// what they say. Elsewhere these functions do nothing.
namespace WindowEchoes {

// While the program drags a window it moves the window itself and knows where it is; each move
// reported back would cost Qt four round trips (where the window is, and where its frame is).
// Between holdMoves() and releaseMoves() those reports are left unread for the window, and
// moveHeld() moves it (its frame's top-left corner to `framePos`) by one request to the window
// system, without Qt's geometry passes and size hints; it is false when the window's moves are
// not held here, and the caller moves the widget itself. releaseMoves() gives the widget the
// place it was last moved to, and the window system confirms it once.
void holdMoves(QWidget* window);
bool moveHeld(QWidget* window, const QPoint& framePos);
void releaseMoves(QWidget* window);

// Qt writes the window's states (such as "above others") just before it maps the window, and
// reads them back when the window system reports the write. Called as the window is shown, this
// leaves that first report of the states unread: it says what the window was just given.
void skipStateEcho(QWidget* window);

} // namespace WindowEchoes
