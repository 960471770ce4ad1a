// The autostart entry of the freedesktop.org autostart rules:
// $XDG_CONFIG_HOME/autostart/pinleaf.desktop.
#include "platform/Autostart.h"

#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = DesktopEntry::autostartEntry(executable).toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool remove() {
    const QString path = location();
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace Autostart
