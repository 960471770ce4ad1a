#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// Which of Linux's mounts a user calls drives, and of what kind; pure functions over the facts
// of /proc/self/mountinfo so that the rules are tested without the mounts themselves.
namespace LinuxDrives {

struct Mount {
    QByteArray devId;   // "major:minor" of the file system
    QString fsRoot;     // the folder of the file system mounted here, "/" for all of it
    QString mountPoint; // where it is mounted
    QByteArray fsType;  // "ext4", "fuse.sshfs", ...
    QByteArray source;  // device or server
};

// The mounts of a mountinfo text in its order; lines that do not parse are left out.
QList<Mount> parseMountInfo(const QByteArray& text);

// False for pseudo and system-internal file systems (proc, sysfs, cgroup, /run's tmpfs, snaps,
// a container runtime's layers), and for a part of a file system mounted a second time.
bool isUserDrive(const Mount& mount);

// The drive-type code (DriveType) of a mounted file system; `removable` is the block device's
// own flag.
qint32 driveType(const QByteArray& fsType, const QString& mountPoint, bool removable);

} // namespace LinuxDrives
