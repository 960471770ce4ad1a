// The part of the autostart entry that is the same on every system.
#include "platform/Autostart.h"

#include <QCoreApplication>

namespace Autostart {

bool setForThisProgram() {
    return set(QCoreApplication::applicationFilePath());
}

} // namespace Autostart
