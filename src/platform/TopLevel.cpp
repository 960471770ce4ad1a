#include "platform/TopLevel.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

namespace TopLevel {

bool SetWindowTopmost(QWidget* window, int mode) {
    if (!window || (mode != Topmost && mode != NotTopmost))
        return false;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, mode == Topmost);
    if (flags == window->windowFlags())
        return true;
    if (QWindow* handle = window->windowHandle()) {
        // Changed in place: setWindowFlags() would hide the window and may recreate it.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
    return true;
}

int LoadedWindowCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        const bool window = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
        if (w->isVisible() && window && !qobject_cast<QMessageBox*>(w))
            ++count;
    }
    return count;
}

} // namespace TopLevel
