// Windows takes a window's icon through Qt, which hands it to the window class and the taskbar.
#include "platform/WindowIcon.h"

#include <QIcon>
#include <QWidget>

namespace WindowIcon {
void apply(QWidget* window, const QIcon& set) {
    window->setWindowIcon(set);
}
} // namespace WindowIcon
