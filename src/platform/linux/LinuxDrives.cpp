#include "platform/linux/LinuxDrives.h"

#include "platform/SystemInfo.h"

#include <QList>

namespace {

// mountinfo writes a space, tab, newline and backslash in a path as a backslash and three octal
// digits.
QString unescapePath(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QString::fromUtf8(out);
}

bool under(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

// Kernel and desktop plumbing that is mounted but holds nothing a user calls a drive.
const QList<QByteArray> PseudoTypes = {
    "proc",        "sysfs",      "cgroup",        "cgroup2",
    "devpts",      "devtmpfs",   "debugfs",       "tracefs",
    "securityfs",  "pstore",     "bpf",           "configfs",
    "fusectl",     "mqueue",     "hugetlbfs",     "binfmt_misc",
    "autofs",      "rpc_pipefs", "nsfs",          "efivarfs",
    "selinuxfs",   "rootfs",     "nfsd",          "fuse.gvfsd-fuse",
    "fuse.portal", "fuse.lxcfs", "fuse.snapfuse", "fuse.xdg-document-portal"};

const QList<QByteArray> NetworkTypes = {
    "nfs",        "nfs4",        "cifs",           "smb3",        "smbfs",     "ncpfs",
    "9p",         "afs",         "ceph",           "coda",        "lustre",    "davfs",
    "fuse.sshfs", "fuse.davfs2", "fuse.glusterfs", "fuse.rclone", "fuse.s3fs", "fuse.cephfs"};

} // namespace

namespace LinuxDrives {

// A line: id parent major:minor root mount-point options [optional fields] - type source ...
QList<Mount> parseMountInfo(const QByteArray& text) {
    QList<Mount> mounts;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        const qsizetype dash = f.indexOf("-");
        if (f.size() < 6 || dash < 6 || dash + 2 >= f.size())
            continue;
        mounts.append({f[2], unescapePath(f[3]), unescapePath(f[4]), f[dash + 1], f[dash + 2]});
    }
    return mounts;
}

bool isUserDrive(const Mount& m) {
    const QString& at = m.mountPoint;
    if (PseudoTypes.contains(m.fsType))
        return false;
    for (const char* system : {"/proc", "/sys", "/dev", "/var/run", "/var/lock", "/snap"}) {
        if (under(at, QLatin1String(system)))
            return false;
    }
    // /run and the folders below it are the system's scratch space, except for the removable
    // media mounted there.
    if (under(at, QStringLiteral("/run")) && !under(at, QStringLiteral("/run/media")))
        return false;
    // Read-only images (snaps) and a container runtime's layers; either may be the whole root.
    if ((m.fsType == "squashfs" || m.fsType == "overlay" || m.fsType == "fuse-overlayfs") &&
        at != u'/')
        return false;
    // A folder of a file system mounted a second time, such as a container's /etc/hosts; a
    // btrfs subvolume names its own root this way and is a volume of its own.
    if (m.fsRoot != u'/' && m.fsType != "btrfs")
        return false;
    return true;
}

qint32 driveType(const QByteArray& fsType, const QString& mountPoint, bool removable) {
    if (fsType == "iso9660" || fsType == "udf")
        return DriveCdRom;
    if (NetworkTypes.contains(fsType) || fsType.startsWith("nfs"))
        return DriveRemote;
    if (fsType == "tmpfs" || fsType == "ramfs")
        return DriveRamDisk;
    if (removable || under(mountPoint, QStringLiteral("/media")) ||
        under(mountPoint, QStringLiteral("/run/media")))
        return DriveRemovable;
    // A file system in user space that is not known as a network one may keep its files
    // anywhere.
    if (fsType.isEmpty() || fsType == "fuse" || fsType.startsWith("fuse."))
        return DriveUnknown;
    return DriveFixed;
}

} // namespace LinuxDrives
