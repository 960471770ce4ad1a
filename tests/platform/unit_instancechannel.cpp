#include "TestHome.h"
#include "platform/InstanceChannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {
using HandOff = InstanceChannel::HandOff;
using Kind = InstanceRequest::Kind;

// The client side blocks, so it runs on a thread of its own while this one serves.
template <typename F> auto onThread(F work) {
    decltype(work()) result{};
    std::unique_ptr<QThread> thread(QThread::create([&] { result = work(); }));
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(5);
    thread->wait();
    return result;
}

HandOff handOff(const QList<InstanceRequest>& requests, int timeoutMs = 3000) {
    return onThread([&] { return InstanceChannel::handOff(requests, nullptr, timeoutMs); });
}

// Writes raw bytes to the listening program; what it answered, and "|closed" when it closed the
// connection.
QByteArray exchange(const QByteArray& bytes) {
    return onThread([&] {
        QLocalSocket socket;
        socket.connectToServer(InstanceChannel::address().name);
        if (!socket.waitForConnected(2000))
            return QByteArray("no connection");
        socket.write(bytes);
        socket.waitForBytesWritten(2000);
        QByteArray answer;
        while (socket.waitForReadyRead(1500))
            answer += socket.readAll();
        answer += socket.readAll();
        if (socket.state() != QLocalSocket::ConnectedState)
            answer += "|closed";
        return answer;
    });
}

// A line of exactly `bytes` bytes that asks to open an absolute path.
QByteArray openLineOf(qsizetype bytes) {
    QByteArray line = "open " + QDir::rootPath().toUtf8();
    return line + QByteArray(bytes - line.size(), 'a');
}
} // namespace

// The requests a later start hands to the running program, and the channel between the two in
// one process: the lock, the one listener, the answers, the limits on what is read.
class InstanceChannelTest : public QObject {
    Q_OBJECT
private slots:
    void requestLines() {
        const QString root = QDir::rootPath();
        const QByteArray rootBytes = root.toUtf8();
        const struct {
            QByteArray line;
            Kind kind;
            QString path;
        } cases[] = {
            {"new", Kind::New, {}},
            {"open " + rootBytes + "notes/a.pnf", Kind::Open, root + "notes/a.pnf"},
            {"open " + rootBytes + "caf\xc3\xa9 x.pnf", Kind::Open,
             root + QString::fromUtf8("caf\xc3\xa9 x.pnf")},
            {openLineOf(InstanceRequest::MaxLineBytes), Kind::Open,
             QString::fromUtf8(openLineOf(InstanceRequest::MaxLineBytes).mid(5))},
            {openLineOf(InstanceRequest::MaxLineBytes + 1), Kind::Invalid, {}},
            {"", Kind::Invalid, {}},
            {"New", Kind::Invalid, {}},
            {"new ", Kind::Invalid, {}},
            {"new\r", Kind::Invalid, {}},
            {"\xef\xbb\xbfnew", Kind::Invalid, {}},
            {"open", Kind::Invalid, {}},
            {"open ", Kind::Invalid, {}},
            {"open notes/a.pnf", Kind::Invalid, {}},
            {"open  " + rootBytes + "a.pnf", Kind::Invalid, {}},
            {"OPEN " + rootBytes + "a.pnf", Kind::Invalid, {}},
            {"delete " + rootBytes + "a.pnf", Kind::Invalid, {}},
            {"open " + rootBytes + "a\tb.pnf", Kind::Invalid, {}},
            {"open " + rootBytes + QByteArray("a\0b.pnf", 7), Kind::Invalid, {}},
            {"open " + rootBytes + "\xff\xfe.pnf", Kind::Invalid, {}},
            {"open " + rootBytes + "\xc0\xaf.pnf", Kind::Invalid, {}},
            {"open " + rootBytes + "\xed\xa0\x80.pnf", Kind::Invalid, {}},
        };
        for (const auto& c : cases) {
            const InstanceRequest r = InstanceRequest::parse(c.line);
            QVERIFY2(r.kind == c.kind && r.path == c.path, c.line.left(40).constData());
            // What reads back is written back the same; nothing else is written at all.
            QCOMPARE(r.encode(), r.isValid() ? c.line + '\n' : QByteArray());
        }
        for (const QString& path : {QString("notes/a.pnf"), root + "a\nnew", root + "a\r.pnf"})
            QVERIFY(InstanceRequest::open(path).encode().isEmpty());
    }

    // A start that finds nobody keeps the lock until it listens: a start meanwhile waits and
    // gives up rather than listen too. Then there is one listener, and every request reaches it
    // in order, answered; a refused one ends the connection, and nothing after it is read.
    void oneListenerTakesTheRequests() {
        InstanceChannel::Claim claim;
        QCOMPARE(InstanceChannel::handOff({InstanceRequest::newNote()}, &claim), HandOff::NoServer);
        QVERIFY(claim && claim->isLocked());
        QCOMPARE(handOff({InstanceRequest::newNote()}, 300), HandOff::Failed);
        InstanceChannel first;
        QList<InstanceRequest> taken;
        first.setHandler([&](const InstanceRequest& r) {
            taken << r;
            return !r.path.endsWith("refused.pnf");
        });
        QVERIFY(first.listen(std::move(claim)));
        QVERIFY(!claim);
        InstanceChannel second;
        QString why;
        QVERIFY(!second.listen({}, &why) && !second.isListening());
        QVERIFY2(why.contains("another program"), qPrintable(why));

        const InstanceRequest a = InstanceRequest::open(QDir::rootPath() + "a.pnf");
        const InstanceRequest refused = InstanceRequest::open(QDir::rootPath() + "refused.pnf");
        QCOMPARE(handOff({a, InstanceRequest::newNote()}), HandOff::Taken);
        QCOMPARE(taken, QList<InstanceRequest>({a, InstanceRequest::newNote()}));
        taken.clear();
        QCOMPARE(handOff({InstanceRequest::newNote(), refused, a}), HandOff::Refused);
        QCOMPARE(taken, QList<InstanceRequest>({InstanceRequest::newNote(), refused}));
        // A request the line cannot carry is not sent at all.
        taken.clear();
        QCOMPARE(handOff({InstanceRequest::open("relative.pnf")}), HandOff::Failed);
        QVERIFY(taken.isEmpty());
    }

    // What the program reads off the wire: one line at most 64 KiB long, nothing else.
    void linesOnTheWire() {
        InstanceChannel channel;
        QList<InstanceRequest> taken;
        channel.setHandler([&](const InstanceRequest& r) {
            taken << r;
            return true;
        });
        QVERIFY(channel.listen());
        const QByteArray longest = openLineOf(InstanceRequest::MaxLineBytes);
        const std::pair<QByteArray, QByteArray> cases[] = {
            {"new\nnew\n", "taken\ntaken\n"},
            {longest + "\nnew\n", "taken\ntaken\n"},
            {openLineOf(InstanceRequest::MaxLineBytes + 1) + "\nnew\n", "refused\n|closed"},
            // Too long is refused before the line ends.
            {QByteArray(InstanceRequest::MaxLineBytes + 1, 'n'), "refused\n|closed"},
            {"new\nhello\nnew\n", "taken\nrefused\n|closed"},
            {"new", ""},
        };
        for (const auto& [bytes, answer] : cases) {
            taken.clear();
            QCOMPARE(exchange(bytes), answer);
            QCOMPARE(taken.size(), answer.count("taken"));
        }
    }

    // The listener gone, a start finds nobody; a program that takes a connection and never
    // answers holds a start up for the time the start allows, no longer.
    void nobodyOrNoAnswer() {
        QCOMPARE(handOff({InstanceRequest::newNote()}), HandOff::NoServer);
        QLocalServer silent;
        QVERIFY(silent.listen(InstanceChannel::address().name));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(handOff({InstanceRequest::newNote()}, 700), HandOff::Failed);
        QVERIFY2(clock.elapsed() >= 600 && clock.elapsed() < 3000,
                 qPrintable(QString::number(clock.elapsed())));
    }
};

PINLEAF_TEST_MAIN(InstanceChannelTest)
#include "unit_instancechannel.moc"
