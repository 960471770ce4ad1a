#pragma once

class QWidget;

// Reports the window system sends back about a change the program made to its own window. On X11
// Qt answers several of them with round trips to the X server, though the program knows already
// what they say. Elsewhere these functions do nothing.
namespace WindowEchoes {

// While the program drags a window it moves the window itself and knows where it is; each move
// reported back would cost Qt four round trips (where the window is, and where its frame is).
// Between holdMoves() and releaseMoves() those reports are left unread for the window;
// releaseMoves() has the window system confirm the window's place once.
void holdMoves(QWidget* window);
void releaseMoves(QWidget* window);

// Qt writes the window's states (such as "above others") just before it maps the window, and
// reads them back when the window system reports the write. Called as the window is shown, this
// leaves that first report of the states unread: it says what the window was just given.
void skipStateEcho(QWidget* window);

} // namespace WindowEchoes
