// Memory from /proc, drives from the mounted volumes.
#include "platform/SystemInfo.h"
#include "platform/linux/LinuxDrives.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStorageInfo>

#include <sys/resource.h>

#include <algorithm>

namespace {

// The first size in kB of the named lines of a /proc status file, in bytes.
QHash<QByteArray, quint64> readKbFields(const char* path) {
    QHash<QByteArray, quint64> fields;
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return fields;
    // Files under /proc report a size of 0; they are read to their end.
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QList<QByteArray> value = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const quint64 kb = value.value(0).toULongLong(&ok);
        if (ok)
            fields.insert(line.left(colon), kb * 1024);
    }
    return fields;
}

// The address space a process may use: its limit when one is set, else the user part of the
// address space of a 64-bit Linux process (128 TiB), or 3 GiB for a 32-bit one.
quint64 addressSpaceSize() {
    const quint64 userSpace = sizeof(void*) == 8 ? quint64(1) << 47 : quint64(3) << 30;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return std::min<quint64>(limit.rlim_cur, userSpace);
    return userSpace;
}

// The block device's own removable flag; a partition takes its disk's.
bool removableFlag(const QByteArray& source) {
    if (!source.startsWith("/dev/"))
        return false;
    const QString device = QFileInfo(QString::fromLocal8Bit(source)).canonicalFilePath();
    if (device.isEmpty())
        return false;
    const QString block = QStringLiteral("/sys/class/block/") + QFileInfo(device).fileName();
    QString flagPath = block + QStringLiteral("/removable");
    if (QFileInfo::exists(block + QStringLiteral("/partition")))
        flagPath = QFileInfo(block).canonicalFilePath() + QStringLiteral("/../removable");
    QFile flag(flagPath);
    return flag.open(QIODevice::ReadOnly) && flag.read(1) == "1";
}

class LinuxSystemInfo : public SystemInfo {
public:
    MemoryStatus memoryStatus() override {
        const QHash<QByteArray, quint64> mem = readKbFields("/proc/meminfo");
        MemoryStatus s;
        s.totalPhys = mem.value("MemTotal");
        // Kernels before 3.14 do not estimate what is available.
        s.availPhys = mem.contains("MemAvailable")
                          ? mem.value("MemAvailable")
                          : mem.value("MemFree") + mem.value("Buffers") + mem.value("Cached");
        s.totalPageFile = mem.value("SwapTotal");
        s.availPageFile = mem.value("SwapFree");
        s.totalVirtual = addressSpaceSize();
        const quint64 used = readKbFields("/proc/self/status").value("VmSize");
        s.availVirtual = s.totalVirtual > used ? s.totalVirtual - used : 0;
        return s;
    }

    QList<DriveInfo> drives() override {
        QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
        QHash<QString, LinuxDrives::Mount> mounts;
        if (mountInfo.open(QIODevice::ReadOnly)) {
            // A later mount at the same place hides the earlier one.
            for (const LinuxDrives::Mount& m : LinuxDrives::parseMountInfo(mountInfo.readAll()))
                mounts.insert(m.mountPoint, m);
        }
        QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
        std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
            return a.rootPath() < b.rootPath();
        });
        QList<DriveInfo> drives;
        QSet<QString> seen;
        for (const QStorageInfo& v : volumes) {
            const QString root = v.rootPath();
            LinuxDrives::Mount m = mounts.value(root);
            if (!mounts.contains(root))
                m = {QByteArray(), QStringLiteral("/"), root, v.fileSystemType(), v.device()};
            // The same file system mounted again elsewhere is listed once, at its shortest path.
            const QString identity =
                m.devId.isEmpty() ? root : QString::fromLatin1(m.devId) + u' ' + m.fsRoot;
            if (!LinuxDrives::isUserDrive(m) || seen.contains(identity) || seen.contains(root))
                continue;
            seen << identity << root;
            DriveInfo d;
            d.rootPath = root;
            d.type = LinuxDrives::driveType(m.fsType, root, removableFlag(m.source));
            d.readable = v.isValid() && v.isReady() && v.bytesTotal() > 0;
            if (d.readable) {
                d.label = v.name();
                d.totalBytes = quint64(v.bytesTotal());
                d.freeBytes = quint64(std::max<qint64>(v.bytesAvailable(), 0));
            }
            drives.append(d);
        }
        return drives;
    }
};

} // namespace

std::shared_ptr<SystemInfo> makeNativeSystemInfo() {
    return std::make_shared<LinuxSystemInfo>();
}
