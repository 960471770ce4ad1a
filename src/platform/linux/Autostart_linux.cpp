// The autostart entry of the freedesktop.org autostart rules:
// $XDG_CONFIG_HOME/autostart/pinleaf.desktop.
#include "platform/Autostart.h"

#include "platform/AtomicFile.h"
#include "platform/linux/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Autostart {

QString location() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/pinleaf.desktop");
}

bool set(const QString& executable) {
    const QString path = location();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return AtomicFile::write(path, DesktopEntry::autostartEntry(executable).toUtf8(),
                             AtomicFile::Access::Shared);
}

bool remove() {
    const QString path = location();
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace Autostart
