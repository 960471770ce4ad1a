// Memory from GlobalMemoryStatusEx (64-bit figures), drives from the drive letters A to Z.
#include "platform/SystemInfo.h"

#include <windows.h>

namespace {

// The letter's volume: its label when it can be read, and its sizes. A drive without a medium or
// an unreachable network drive is listed unreadable, with no label and no sizes.
DriveInfo readDrive(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    DriveInfo d;
    d.rootPath = QString::fromWCharArray(root);
    d.type = qint32(GetDriveTypeW(root));
    wchar_t name[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    d.readable = GetVolumeInformationW(root, name, MAX_PATH + 1, &serial, &maxComponent, &flags,
                                       fileSystem, MAX_PATH + 1) != 0;
    if (!d.readable)
        return d;
    d.label = QString::fromWCharArray(name);
    ULARGE_INTEGER available = {}, total = {}, free = {};
    // A failed size query leaves the figures at 0.
    if (GetDiskFreeSpaceExW(root, &available, &total, &free)) {
        d.totalBytes = total.QuadPart;
        d.freeBytes = available.QuadPart;
    }
    return d;
}

class WindowsSystemInfo : public SystemInfo {
public:
    MemoryStatus memoryStatus() override {
        MEMORYSTATUSEX status = {};
        status.dwLength = sizeof status;
        MemoryStatus s;
        if (!GlobalMemoryStatusEx(&status))
            return s;
        s.availVirtual = status.ullAvailVirtual;
        s.availPhys = status.ullAvailPhys;
        s.totalVirtual = status.ullTotalVirtual;
        s.totalPhys = status.ullTotalPhys;
        // The system's paging-file figures are its commit limit and what is left of it, as the
        // memory status has always reported them.
        s.totalPageFile = status.ullTotalPageFile;
        s.availPageFile = status.ullAvailPageFile;
        return s;
    }

    QList<DriveInfo> drives() override {
        // An empty floppy or card reader would otherwise make the system ask the user to insert
        // a disk.
        const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        QList<DriveInfo> drives;
        const DWORD letters = GetLogicalDrives();
        for (int i = 0; i < 26; ++i) {
            if (!(letters & (DWORD(1) << i)))
                continue;
            const DriveInfo d = readDrive(wchar_t(L'A' + i));
            if (d.type != DriveNoRootDir)
                drives.append(d);
        }
        SetErrorMode(previousMode);
        return drives;
    }
};

} // namespace

std::shared_ptr<SystemInfo> makeNativeSystemInfo() {
    return std::make_shared<WindowsSystemInfo>();
}
