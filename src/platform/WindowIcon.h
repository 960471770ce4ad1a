#pragma once

class QIcon;
class QWidget;

namespace WindowIcon {

// Gives the top-level `window` the icon `set`, now and whenever its native window is made again.
// Every window of the program shows the same icon, so where the window system takes the icon's
// pixels (X11), they are prepared once from the first set given and sent as they are to each
// window, rather than converted again for every window.
void apply(QWidget* window, const QIcon& set);

} // namespace WindowIcon
