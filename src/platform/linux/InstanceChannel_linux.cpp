// The channel's socket lives in the user's runtime folder, named for the display and the notes
// folder, so that runs with another display or another home (tests among them) never meet.
#include "platform/InstanceChannel.h"
#include "platform/NotesFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The display part of a name: only characters that a file name holds as they are.
constexpr qsizetype MaxDisplayTagLength = 32;

bool isPrivateFolder(const QString& path, QString* why) {
    struct stat st {};
    if (!QDir::isAbsolutePath(path) || ::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        *why = QStringLiteral("%1 is not there").arg(path);
        return false;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) {
        *why = QStringLiteral("%1 is not a folder of this user's alone").arg(path);
        return false;
    }
    return true;
}

// $XDG_RUNTIME_DIR when it is the user's own and private; else a folder of the user's own in
// the temporary folder, made private on first use and checked like the other.
QString runtimeFolder(QString* why) {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime, why))
        return runtime;
    const QString own =
        QDir::tempPath() + QStringLiteral("/pinleaf-") + QString::number(::geteuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        *why = QStringLiteral("%1: %2").arg(own, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    return isPrivateFolder(own, why) ? own : QString();
}

QString displayTag() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("nodisplay");
    for (QChar& c : display) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u':' && c != u'.' && c != u'-')
            c = u'_';
    }
    return display.right(MaxDisplayTagLength);
}

} // namespace

InstanceChannel::Address InstanceChannel::address() {
    Address a;
    const QString folder = runtimeFolder(&a.error);
    if (folder.isEmpty())
        return a;
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(NotesFolder::path()), QCryptographicHash::Sha256)
            .toHex()
            .left(8);
    a.name = folder + QStringLiteral("/pinleaf-") + displayTag() + u'-' +
             QString::fromLatin1(hash) + QStringLiteral(".socket");
    a.lockPath = a.name + QStringLiteral(".lock");
    return a;
}

// Nothing there, or a socket of this user's: another user's file is neither used nor removed.
bool InstanceChannel::mayUse(const QString& name, QString* why) {
    struct stat st {};
    if (::lstat(QFile::encodeName(name).constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid())
        return true;
    if (why)
        *why = QStringLiteral("%1 is not a socket of this user's").arg(name);
    return false;
}

void InstanceChannel::removeStale(const QString& name) {
    QLocalServer::removeServer(name);
}

// The kernel's word on who listens, whatever the file says.
bool InstanceChannel::peerIsThisUser(const QLocalSocket& socket) {
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::geteuid();
}
