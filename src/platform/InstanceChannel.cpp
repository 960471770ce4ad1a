#include "platform/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

namespace {
const QByteArray TakenAnswer = QByteArrayLiteral("taken\n");
const QByteArray RefusedAnswer = QByteArrayLiteral("refused\n");

std::shared_ptr<QLockFile> takeLock(const QString& path, int timeoutMs) {
    auto lock = std::make_shared<QLockFile>(path);
    if (!lock->tryLock(timeoutMs))
        return {};
    return lock;
}

int remaining(const QDeadlineTimer& deadline) {
    return int(std::max<qint64>(0, deadline.remainingTime()));
}

enum class Probe { Connected, Nobody, Failed };

// Connecting is the only way to tell a listening program from a socket that a killed one left.
Probe connectTo(QLocalSocket& socket, const QString& name, int timeoutMs) {
    socket.connectToServer(name);
    if (socket.waitForConnected(timeoutMs))
        return Probe::Connected;
    switch (socket.error()) {
    case QLocalSocket::ServerNotFoundError:
    case QLocalSocket::ConnectionRefusedError:
        return Probe::Nobody;
    default:
        // Busy, unreachable or too slow: a program may still be there, so nothing is taken over.
        return Probe::Failed;
    }
}

// One answer line, "taken" or "refused"; empty when none came in time.
QByteArray readAnswer(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > RefusedAnswer.size() || deadline.hasExpired() ||
            !socket.waitForReadyRead(remaining(deadline)))
            return {};
    }
    return socket.readLine(RefusedAnswer.size() + 1);
}
} // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel() = default;

InstanceChannel::HandOff InstanceChannel::handOff(const QList<InstanceRequest>& requests,
                                                  Claim* claim, int timeoutMs) {
    QByteArray lines;
    for (const InstanceRequest& request : requests) {
        const QByteArray line = request.encode();
        if (line.isEmpty())
            return HandOff::Failed;
        lines += line;
    }
    const Address a = address();
    if (a.name.isEmpty())
        return HandOff::Failed;
    const QDeadlineTimer deadline(timeoutMs);
    std::shared_ptr<QLockFile> lock = takeLock(a.lockPath, remaining(deadline));
    if (!lock || !mayUse(a.name, nullptr))
        return HandOff::Failed;
    QLocalSocket socket;
    switch (connectTo(socket, a.name, remaining(deadline))) {
    case Probe::Nobody:
        if (claim)
            *claim = lock;
        return HandOff::NoServer;
    case Probe::Failed:
        return HandOff::Failed;
    case Probe::Connected:
        if (!peerIsThisUser(socket))
            return HandOff::Failed;
        break;
    }
    // The program is there; other starts need not wait while it answers.
    lock.reset();
    socket.write(lines);
    for (qsizetype i = 0; i < requests.size(); ++i) {
        const QByteArray answer = readAnswer(socket, deadline);
        if (answer == RefusedAnswer)
            return HandOff::Refused;
        if (answer != TakenAnswer)
            return HandOff::Failed;
    }
    return HandOff::Taken;
}

bool InstanceChannel::listen(Claim claim, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_server)
        return true;
    const Address a = address();
    if (a.name.isEmpty())
        return fail(a.error);
    if (!claim || !claim->isLocked())
        claim = takeLock(a.lockPath, DefaultTimeoutMs);
    if (!claim)
        return fail(QStringLiteral("the lock %1 could not be taken").arg(a.lockPath));
    QString why;
    if (!mayUse(a.name, &why))
        return fail(why);
    QLocalSocket probe;
    switch (connectTo(probe, a.name, DefaultTimeoutMs)) {
    case Probe::Connected:
        return fail(QStringLiteral("another program listens at %1").arg(a.name));
    case Probe::Failed:
        return fail(probe.errorString());
    case Probe::Nobody:
        break;
    }
    removeStale(a.name);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(a.name)) {
        const QString reason = server->errorString();
        delete server;
        return fail(reason);
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::accept);
    return true;
}

bool InstanceChannel::isListening() const {
    return m_server != nullptr;
}

void InstanceChannel::setHandler(Handler handler) {
    m_handler = std::move(handler);
}

void InstanceChannel::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // A line and its break at most wait in memory, whatever a writer sends.
        socket->setReadBufferSize(InstanceRequest::MaxLineBytes + 1);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A connection that says nothing is not kept open for ever.
        QTimer::singleShot(RequestTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, buffer] { readFrom(socket, *buffer); });
        readFrom(socket, *buffer);
    }
}

void InstanceChannel::readFrom(QLocalSocket* socket, QByteArray& buffer) {
    while (socket->state() == QLocalSocket::ConnectedState) {
        buffer += socket->read(InstanceRequest::MaxLineBytes + 1 - buffer.size());
        const qsizetype end = buffer.indexOf('\n');
        bool taken = false;
        if (end < 0) {
            // Longer than a line may be, with no break in sight: refused.
            if (buffer.size() <= InstanceRequest::MaxLineBytes)
                return;
        } else {
            const InstanceRequest request = InstanceRequest::parse(buffer.left(end));
            buffer.remove(0, end + 1);
            taken = request.isValid() && m_handler && m_handler(request);
        }
        socket->write(taken ? TakenAnswer : RefusedAnswer);
        if (!taken) {
            buffer.clear();
            socket->disconnectFromServer();
            return;
        }
    }
}
