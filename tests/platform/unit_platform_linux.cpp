// The Linux implementations' own rules: which mounts are drives and of what kind, the machine's
// memory, the autostart entry as the freedesktop.org Desktop Entry rules want it, and the socket
// that later starts hand their requests through.
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/Autostart.h"
#include "platform/InstanceChannel.h"
#include "platform/NotesFolder.h"
#include "platform/SystemInfo.h"
#include "platform/UrlOpener.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/LinuxDrives.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// A socket file at `name` that nobody listens on, as a killed program leaves it.
void leaveStaleSocket(const QString& name) {
    QLocalServer server;
    QVERIFY(server.listen(name + ".made"));
    QVERIFY(QFile::rename(name + ".made", name));
}
} // namespace

class PlatformLinuxTest : public QObject {
    Q_OBJECT
private slots:
    void mountRules() {
        const QByteArray text =
            "22 27 0:21 / /proc rw - proc proc rw\n"
            "31 23 0:28 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
            "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
            "51 50 0:41 / /run/user/1000 rw shared:5 - tmpfs tmpfs rw\n"
            "52 50 8:17 / /run/media/ann/MY\\040STICK rw - vfat /dev/sdb1 rw\n"
            "53 27 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro\n"
            "54 27 0:50 / /var/lib/docker/overlay2/ab/merged rw - overlay overlay rw\n"
            "55 27 254:0 /var/lib/docker/containers/x/hosts /etc/hosts rw - ext4 /dev/vda rw\n"
            "56 27 8:2 /@home /home rw - btrfs /dev/sda2 rw\n"
            "57 27 0:60 / /mnt/nas rw - nfs4 server:/export rw\n"
            "58 27 0:61 / /tmp rw - tmpfs tmpfs rw\n"
            "59 27 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
            "60 27 0:62 / /home/ann/remote rw - fuse.sshfs ann@host: rw\n"
            "61 27 0:63 / /home/ann/vault rw - fuse.gocryptfs /x rw\n"
            "broken line\n";
        const QList<LinuxDrives::Mount> mounts = LinuxDrives::parseMountInfo(text);
        QCOMPARE(mounts.size(), 14);
        QCOMPARE(mounts[7].fsRoot, QString("/var/lib/docker/containers/x/hosts"));
        QStringList drives;
        for (const LinuxDrives::Mount& m : mounts) {
            if (LinuxDrives::isUserDrive(m))
                drives << m.mountPoint + u' ' +
                              QString::number(LinuxDrives::driveType(m.fsType, m.mountPoint,
                                                                     m.mountPoint == "/home"));
        }
        QCOMPARE(drives,
                 QStringList({"/ 3", "/run/media/ann/MY STICK 2", "/home 2", "/mnt/nas 4", "/tmp 6",
                              "/media/cdrom 5", "/home/ann/remote 4", "/home/ann/vault 0"}));
        // An overlay or a squashfs image as the whole root is the machine's drive.
        QVERIFY(LinuxDrives::isUserDrive({"0:30", "/", "/", "overlay", "overlay"}));
        QCOMPARE(LinuxDrives::driveType("fuseblk", "/data", false), qint32(DriveFixed));
    }

    // The real machine: total memory as /proc/meminfo's first line gives it in kB, the root's
    // drive readable, the drives sorted.
    void realMachine() {
        QFile meminfo("/proc/meminfo");
        QVERIFY(meminfo.open(QIODevice::ReadOnly));
        const QByteArray total = meminfo.readLine().simplified().split(' ').value(1);
        QCOMPARE(makeNativeSystemInfo()->memoryStatus().totalPhys, total.toULongLong() * 1024);
        const QList<DriveInfo> drives = makeNativeSystemInfo()->drives();
        QVERIFY(std::any_of(drives.begin(), drives.end(), [](const DriveInfo& d) {
            return d.rootPath == "/" && d.readable && d.totalBytes >= d.freeBytes;
        }));
        for (qsizetype i = 1; i < drives.size(); ++i)
            QVERIFY(drives[i - 1].rootPath < drives[i].rootPath);
    }

    // Spaces, quotes, dollars, backquotes, backslashes and percent signs in the program's path
    // survive into the Exec line, which is then escaped once more as a string value.
    void autostartExecIsQuoted() {
        const std::pair<QString, QString> quoted[] = {
            {"/usr/bin/pinleaf", "/usr/bin/pinleaf"},
            {"/opt/my apps/pinleaf", "\"/opt/my apps/pinleaf\""},
            {"/opt/a\"b$c`d\\e/pinleaf", "\"/opt/a\\\"b\\$c\\`d\\\\e/pinleaf\""},
            {"/opt/100%/pinleaf", "/opt/100%%/pinleaf"}};
        for (const auto& [path, exec] : quoted)
            QCOMPARE(DesktopEntry::quoteExecArgument(path), exec);
        const QString entry = DesktopEntry::autostartEntry("/opt/x y\\z/pinleaf");
        QVERIFY(entry.startsWith("[Desktop Entry]\n") && entry.contains("\nType=Application\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/x y\\\\\\\\z/pinleaf\"\n"));
    }

    // The desktop's opener is watched: the address reaches xdg-open whole as one argument, and
    // an end that says no program took it is reported from the event loop, with the reason; a
    // clean end is not.
    void openerReportsWhatXdgOpenSays() {
        QTemporaryDir bin;
        const QString args = bin.filePath("args");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        const QUrl url("mailto:a@example.com?subject=Pinleaf Note&Body=x%26y%0D%0A");
        for (const auto& [status, reason] :
             QList<std::pair<int, QString>>{{0, ""}, {3, "found no program"}, {4, "(status 4)"}}) {
            QFile::remove(args);
            QFile script(bin.filePath("xdg-open"));
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" >'" + QFile::encodeName(args) +
                         "'\nexit " + QByteArray::number(status) + "\n");
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QStringList reasons;
            QVERIFY(DesktopUrlOpener().open(url, [&](const QString& r) { reasons << r; }));
            QVERIFY(reasons.isEmpty());
            QTRY_VERIFY(QFile::exists(args) && QFileInfo(args).size() > 0);
            QTRY_COMPARE(reasons.size(), status ? 1 : 0);
            if (!status)
                QTest::qWait(200);
            QCOMPARE(reasons.size(), status ? 1 : 0);
            QVERIFY2(reasons.value(0).contains(reason), qPrintable(reasons.value(0)));
            QFile sent(args);
            QVERIFY(sent.open(QIODevice::ReadOnly));
            QCOMPARE(sent.readAll(), "1\n" + url.toEncoded() + "\n");
        }
        qputenv("PATH", path);
        QCOMPARE(DesktopUrlOpener().maxAddressBytes(), 131071);
    }

    // Starting at login switched off in the desktop's settings (Hidden=true, or GNOME's
    // X-GNOME-Autostart-enabled=false, in the entry's main group) stays off when the entry is
    // written again with a mended program path, and the entry stays when the last note closes.
    void autostartKeepsTheUserChoice() {
        using Choice = std::pair<bool, bool>; // hidden, switched off for GNOME
        const std::pair<QString, Choice> entries[] = {
            {"[Desktop Entry]\nHidden=true\n", {true, false}},
            {"[Desktop Entry]\nName=x\nHidden = 1\n", {true, false}},
            {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", {false, true}},
            {"[Desktop Entry]\nX-GNOME-Autostart-enabled=0\nHidden=false\n", {false, true}},
            {"[Desktop Entry]\nHidden=true\nHidden=false\nX-GNOME-Autostart-enabled=true\n",
             {false, false}},
            {"[Desktop Entry]\n#Hidden=true\nHidden[de]=true\nHidden=maybe\n", {false, false}},
            {"Hidden=true\n[Other Group]\nHidden=true\n[Desktop Entry]\nName=x\n", {false, false}},
        };
        for (const auto& [text, choice] : entries) {
            const DesktopEntry::UserChoice read = DesktopEntry::userChoice(text);
            QVERIFY2(read.hidden == choice.first && read.gnomeDisabled == choice.second,
                     qPrintable(text));
        }
        const QString path = Autostart::location();
        QDir().mkpath(QFileInfo(path).absolutePath());
        for (const bool off : {true, false}) {
            writeBytes(path, off ? "[Desktop Entry]\nExec=/old/pinleaf\nHidden=true\n"
                                   "X-GNOME-Autostart-enabled=false\n"
                                 : "[Desktop Entry]\nExec=/old/pinleaf\n");
            QVERIFY(Autostart::set("/new/pinleaf"));
            const QString written = QString::fromUtf8(readBytes(path));
            QVERIFY2(written.contains("\nExec=/new/pinleaf\n") && !written.contains("/old/"),
                     qPrintable(written));
            QCOMPARE(written.contains("\nHidden=true\n"), off);
            QCOMPARE(written.contains("\nX-GNOME-Autostart-enabled=false\n"), off);
            QCOMPARE(DesktopEntry::userChoice(written).switchedOff(), off);
            QVERIFY(Autostart::remove());
            QCOMPARE(QFile::exists(path), off);
        }
    }

    // The socket's name: in the private runtime folder (else a private folder of the user's
    // own), and apart for every display and notes folder.
    void instanceAddress() {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        const InstanceChannel::Address a = InstanceChannel::address();
        QVERIFY2(a.name.startsWith(runtime + "/pinleaf-") && a.name.endsWith(".socket") &&
                     a.lockPath == a.name + ".lock",
                 qPrintable(a.name));
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", ":7.0");
        const QString seven = InstanceChannel::address().name;
        qputenv("DISPLAY", "host/x:8");
        const QString other = InstanceChannel::address().name;
        NotesFolder::setOverride(TestHome::root() + "/elsewhere");
        const QString elsewhere = InstanceChannel::address().name;
        NotesFolder::setOverride({});
        QVERIFY2(seven.contains("-:7.0-") && other.contains("-host_x:8-"), qPrintable(other));
        QCOMPARE(QSet<QString>({a.name, seven, other, elsewhere}).size(), 4);
        // A runtime folder that others may look into is not used.
        QFile::setPermissions(runtime, QFile::permissions(runtime) | QFile::ExeOther);
        const QString fallback = InstanceChannel::address().name;
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("DISPLAY", display);
        const QString own = QDir::tempPath() + "/pinleaf-" + QString::number(::geteuid());
        QVERIFY2(fallback.startsWith(own + "/pinleaf-"), qPrintable(fallback));
        struct stat st {};
        QVERIFY(::lstat(QFile::encodeName(own).constData(), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0);
    }

    // A socket that nobody listens on is taken over; one of another user, or a file that is not
    // a socket, is neither used nor removed.
    void staleAndForeignSockets() {
        const QString name = InstanceChannel::address().name;
        for (const bool foreign : {false, true}) {
            leaveStaleSocket(name);
            if (foreign)
                QVERIFY(::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
            InstanceChannel::Claim claim;
            QCOMPARE(InstanceChannel::handOff({InstanceRequest::newNote()}, &claim),
                     foreign ? InstanceChannel::HandOff::Failed
                             : InstanceChannel::HandOff::NoServer);
            InstanceChannel channel;
            channel.setHandler([](const InstanceRequest&) { return true; });
            QCOMPARE(channel.listen(std::move(claim)), !foreign);
            QVERIFY(QFile::exists(name));
            if (foreign) {
                QCOMPARE(InstanceChannel::handOff({InstanceRequest::newNote()}, nullptr, 300),
                         InstanceChannel::HandOff::Failed);
            } else {
                QLocalSocket socket;
                socket.connectToServer(name);
                QVERIFY(socket.waitForConnected(1000));
            }
            QFile::remove(name);
        }
        writeBytes(name, "not a socket");
        InstanceChannel channel;
        QVERIFY(!channel.listen());
        QCOMPARE(readBytes(name), QByteArray("not a socket"));
        QFile::remove(name);
    }
};

PINLEAF_TEST_MAIN(PlatformLinuxTest)
#include "unit_platform_linux.moc"
