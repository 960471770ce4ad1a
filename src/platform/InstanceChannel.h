#pragma once
#include "platform/InstanceRequest.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// The one running program of this user in this session, and the way a later start hands its
// request to it: a local socket (a named pipe on Windows) that only this user can reach, named
// for the user, the session or display, and the notes folder. Finding the program and starting
// to listen both happen under a lock file, so two starts at the same moment never both listen,
// nor remove each other's socket.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // Where this session's program listens, and the lock that guards it. An empty name (with
    // the reason in `error`) means there is no private place for it: nothing is handed on and
    // nobody listens.
    struct Address {
        QString name;
        QString lockPath;
        QString error;
    };

    enum class HandOff {
        Taken,    // the running program has every request
        Refused,  // it answered, but would not take one of them
        NoServer, // nobody listens (or a socket is left that nobody listens on)
        Failed,   // no place to talk, another user's socket, the lock or the answer did not come
    };

    // The lock held from a hand-off that found nobody listening until this start listens.
    using Claim = std::shared_ptr<QLockFile>;

    // Answers a request: true when it is taken. Called on the thread the channel lives on.
    using Handler = std::function<bool(const InstanceRequest&)>;

    // How long a start waits for the lock, for the program to connect to and for its answers.
    static constexpr int DefaultTimeoutMs = 4000;
    // How long the program waits for a connection's request before closing it.
    static constexpr int RequestTimeoutMs = 5000;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // This session's address: each system's folder defines it.
    static Address address();

    // Hands every request to the running program over one connection, within `timeoutMs` in
    // all, blocking (no event loop needed). When nobody listens, `claim` (if given) keeps the
    // lock, so that this start can listen before any other start looks.
    static HandOff handOff(const QList<InstanceRequest>& requests, Claim* claim = nullptr,
                           int timeoutMs = DefaultTimeoutMs);

    // Listens for requests unless another program already answers. A socket that nobody listens
    // on is removed first; another user's socket never. Uses `claim` when it holds the lock,
    // else takes the lock for the moment.
    bool listen(Claim claim = {}, QString* error = nullptr);
    bool isListening() const;
    void setHandler(Handler handler);

private:
    void accept();
    void readFrom(QLocalSocket* socket, QByteArray& buffer);

    // Each system's part: whether the file at a socket name (if any) may be used or removed by
    // this user; and removing a socket that nobody listens on.
    static bool mayUse(const QString& name, QString* why);
    static void removeStale(const QString& name);
    // Whether the program at the other end of a connection runs as this user.
    static bool peerIsThisUser(const QLocalSocket& socket);

    QLocalServer* m_server = nullptr;
    Handler m_handler;
};
