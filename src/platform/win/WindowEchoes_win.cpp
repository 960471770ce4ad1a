// Windows reports a window's moves without round trips of its own: nothing is held back here.
#include "platform/WindowEchoes.h"

namespace WindowEchoes {
void holdMoves(QWidget*) {}
bool moveHeld(QWidget*, const QPoint&) {
    return false;
}
void releaseMoves(QWidget*) {}
void skipStateEcho(QWidget*) {}
} // namespace WindowEchoes
