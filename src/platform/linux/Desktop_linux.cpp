#include "platform/Desktop.h"

#include <QByteArray>
#include <QtGlobal>

namespace Desktop {
void choosePlatform() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}
void addDropShadow(QWidget*) {}
void useVisualStyles() {}
} // namespace Desktop
