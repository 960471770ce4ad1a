// Linux has no visual-styles manifest; these are the file operations as far as its file systems
// have the attributes: read-only is the lack of write permission, hidden a name that starts with
// a dot, and nothing stands for system or archive.
#include "platform/ManifestPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {
constexpr QFileDevice::Permissions WriteBits = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                               QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Quoted as QProcess::splitCommand reads it back: in double quotes, a quote as three.
QString quotedArgument(QString arg) {
    if (!arg.isEmpty() && !arg.contains(QLatin1Char(' ')) && !arg.contains(QLatin1Char('\t')) &&
        !arg.contains(QLatin1Char('"')))
        return arg;
    arg.replace(QLatin1String("\""), QLatin1String("\"\"\""));
    return QLatin1Char('"') + arg + QLatin1Char('"');
}
} // namespace

void SystemManifestPlatform::initCommonControls() {}

QString SystemManifestPlatform::executableFolder() const {
    return QCoreApplication::applicationDirPath();
}

ProgramVersion SystemManifestPlatform::executableVersion() const {
    return ProgramVersion::current();
}

// Not the application's display name: set, Qt would append it to every window title.
QString SystemManifestPlatform::fileDescription() const {
    return QStringLiteral("Pinleaf");
}

QString SystemManifestPlatform::commandLineArguments() const {
    QStringList args = QCoreApplication::arguments().mid(1);
    for (QString& arg : args)
        arg = quotedArgument(arg);
    return args.join(QLatin1Char(' '));
}

QString SystemManifestPlatform::findFile(const QString& path, int attributeMask) const {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return QString();
    const bool hidden = info.fileName().startsWith(QLatin1Char('.'));
    if (hidden && !(attributeMask & FileAttribute::Hidden))
        return QString();
    return info.fileName();
}

bool SystemManifestPlatform::setAttributes(const QString& path, int attributes) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    QFileDevice::Permissions permissions = QFile::permissions(path);
    if (attributes & FileAttribute::ReadOnly)
        permissions &= ~WriteBits;
    else
        permissions |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    return QFile::setPermissions(path, permissions);
}

bool SystemManifestPlatform::deleteFile(const QString& path) {
    return QFile::remove(path);
}
