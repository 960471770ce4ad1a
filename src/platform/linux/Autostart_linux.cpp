// The autostart entry of the freedesktop.org autostart rules:
// $XDG_CONFIG_HOME/autostart/pinleaf.desktop.
#include "platform/Autostart.h"

#include "platform/AtomicFile.h"
#include "platform/linux/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An entry is a few hundred bytes; anything far larger is not one the desktop wrote.
constexpr qint64 MaxEntryBytes = 64 * 1024;

// What the user chose in the entry that exists, if any. Only a regular file is read, so a FIFO
// in its place never blocks.
DesktopEntry::UserChoice existingChoice(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxEntryBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DesktopEntry::userChoice(QString::fromUtf8(file.read(MaxEntryBytes)));
}

bool writeEntry(const QString& executable, const DesktopEntry::UserChoice& choice) {
    const QString path = Autostart::location();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return AtomicFile::write(path, DesktopEntry::autostartEntry(executable, choice).toUtf8(),
                             AtomicFile::Access::Shared);
}

} // namespace

namespace Autostart {

QString location() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/pinleaf.desktop");
}

// A user who switched starting at login off in the desktop's settings keeps that choice: the
// entry is written again (its program path may have moved) with the switch as it was.
bool set(const QString& executable) {
    return writeEntry(executable, existingChoice(location()));
}

bool isEnabled() {
    return !existingChoice(location()).switchedOff();
}

// Switched off, the entry says so in both ways desktops read; switched on, in neither.
bool setEnabled(bool on) {
    DesktopEntry::UserChoice choice;
    choice.hidden = !on;
    choice.gnomeDisabled = !on;
    return writeEntry(QCoreApplication::applicationFilePath(), choice);
}

bool isSet() {
    return QFileInfo::exists(location());
}

// An entry the user switched off starts nothing, and it is where the desktop keeps that choice:
// it stays, so the next start does not switch starting at login on again.
bool remove() {
    const QString path = location();
    if (!QFileInfo::exists(path) || existingChoice(path).switchedOff())
        return true;
    return QFile::remove(path);
}

} // namespace Autostart
