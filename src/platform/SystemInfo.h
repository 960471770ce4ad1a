#pragma once
#include <QList>
#include <QString>

#include <memory>

// The memory figures of the machine and of this process, in bytes.
struct MemoryStatus {
    quint64 availVirtual = 0;  // address space this process has not used yet
    quint64 availPhys = 0;     // physical memory that can be had without swapping
    quint64 availPageFile = 0; // free swap
    quint64 totalVirtual = 0;  // address space a process of this program may use
    quint64 totalPhys = 0;
    quint64 totalPageFile = 0; // swap
};

// What kind of drive a volume is, with the codes a drive-type query gives.
enum DriveType : qint32 {
    DriveUnknown = 0,
    DriveNoRootDir = 1,
    DriveRemovable = 2,
    DriveFixed = 3,
    DriveRemote = 4,
    DriveCdRom = 5,
    DriveRamDisk = 6,
};

// One volume that a user would call a drive, as it was when asked.
struct DriveInfo {
    QString rootPath; // where a drive letter stands elsewhere: "/", "/home", "/media/stick"
    QString label;    // the volume's name, "" when it has none
    qint32 type = DriveUnknown;
    bool readable = false; // false when the volume is not ready or its sizes cannot be read
    quint64 totalBytes = 0;
    quint64 freeBytes = 0; // what the user can still write
};

// The machine's memory and drives, behind one interface with an implementation per system.
// Tests put a double in place of the real one.
class SystemInfo {
public:
    virtual ~SystemInfo();
    // Read fresh at every call.
    virtual MemoryStatus memoryStatus() = 0;
    // Every volume a user would call a drive, ordered by root path; read fresh at every call.
    virtual QList<DriveInfo> drives() = 0;

    // The override when one is set, else this system's own.
    static SystemInfo& current();
    // Replaces the system's answers for the whole program; nullptr restores them.
    static void setOverride(std::shared_ptr<SystemInfo> info);
};

// This system's implementation; each system's folder defines it.
std::shared_ptr<SystemInfo> makeNativeSystemInfo();
