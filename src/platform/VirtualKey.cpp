#include "platform/VirtualKey.h"

#include <Qt>

namespace VirtualKey {

int fromQtKey(int qtKey) {
    // Letters and digits share their codes with Windows.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Shift+Tab: still the Tab key
        return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Return;
    case Qt::Key_Shift:
        return Shift;
    case Qt::Key_Control:
        return Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return Alt;
    case Qt::Key_Pause:
        return Pause;
    case Qt::Key_CapsLock:
        return CapsLock;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_PageUp:
        return PageUp;
    case Qt::Key_PageDown:
        return PageDown;
    case Qt::Key_End:
        return End;
    case Qt::Key_Home:
        return Home;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Print:
        return PrintScreen;
    case Qt::Key_Insert:
        return Insert;
    case Qt::Key_Delete:
        return Delete;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return Windows;
    case Qt::Key_Menu:
        return Apps;
    case Qt::Key_NumLock:
        return NumLock;
    case Qt::Key_ScrollLock:
        return ScrollLock;
    default:
        return 0;
    }
}

} // namespace VirtualKey
