// The channel is a named pipe for this user in this logon session (fast user switching and
// remote sessions each have their own), named for the notes folder as well. The pipe takes the
// user's own access rights; it goes away with the program that made it, so nothing is stale.
#include "platform/InstanceChannel.h"
#include "platform/NotesFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include <iterator>

#include <windows.h>

namespace {
// The user a process runs as, as the bytes of its security identifier.
QByteArray userOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    QByteArray sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray info(qsizetype(size), '\0');
    if (size && GetTokenInformation(token, TokenUser, info.data(), size, &size)) {
        PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
        if (IsValidSid(user))
            sid = QByteArray(static_cast<const char*>(user), qsizetype(GetLengthSid(user)));
    }
    CloseHandle(token);
    return sid;
}

QString userName() {
    wchar_t name[256 + 1] = {};
    DWORD size = DWORD(std::size(name));
    if (!GetUserNameW(name, &size))
        return QStringLiteral("user");
    QString user = QString::fromWCharArray(name);
    for (QChar& c : user) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'.' && c != u'-')
            c = u'_';
    }
    return user;
}
} // namespace

InstanceChannel::Address InstanceChannel::address() {
    Address a;
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) {
        a.error = QStringLiteral("the session could not be told (%1)").arg(GetLastError());
        return a;
    }
    const QByteArray hash =
        QCryptographicHash::hash(NotesFolder::path().toLower().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(8);
    a.name =
        QStringLiteral("pinleaf-%1-%2-%3").arg(userName()).arg(session).arg(QLatin1String(hash));
    // The temporary folder is the user's own.
    a.lockPath = QDir::tempPath() + u'/' + a.name + QStringLiteral(".lock");
    return a;
}

// A pipe's name can be taken by anyone first; its access rights are this user's only when this
// user made it. So the program that answers must run as this user.
bool InstanceChannel::peerIsThisUser(const QLocalSocket& socket) {
    ULONG pid = 0;
    if (!GetNamedPipeServerProcessId(reinterpret_cast<HANDLE>(socket.socketDescriptor()), &pid))
        return false;
    HANDLE server = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!server)
        return false;
    const QByteArray theirs = userOf(server);
    CloseHandle(server);
    return !theirs.isEmpty() && theirs == userOf(GetCurrentProcess());
}

bool InstanceChannel::mayUse(const QString&, QString*) {
    return true;
}

void InstanceChannel::removeStale(const QString&) {}
