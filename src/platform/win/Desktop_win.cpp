// The Windows desktop's services for a note window: the drop shadow of the window class and the
// visual-styles manifest that gives the standard controls their themed look.
#include "platform/Desktop.h"

#include "platform/modXPStyle.h"

#include <QWidget>

#include <windows.h>

namespace Desktop {

void choosePlatform() {}

// The shadow is a style of the window class, shared by every window of that class: set once, it
// stays for all notes.
void addDropShadow(QWidget* window) {
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    const ULONG_PTR style = GetClassLongPtrW(hwnd, GCL_STYLE);
    if (!(style & CS_DROPSHADOW))
        SetClassLongPtrW(hwnd, GCL_STYLE, LONG_PTR(style | CS_DROPSHADOW));
}

void useVisualStyles() {
    bool restart = true;
    bool overwrite = true;
    modXPStyle::EnsureStyleManifest(restart, overwrite);
}

} // namespace Desktop
