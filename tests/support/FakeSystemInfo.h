#pragma once
#include "platform/SystemInfo.h"

// Memory and drives as a test sets them; installed for the whole program while it lives.
class FakeSystemInfo : public SystemInfo {
public:
    MemoryStatus memory;
    QList<DriveInfo> driveList;

    MemoryStatus memoryStatus() override { return memory; }
    QList<DriveInfo> drives() override { return driveList; }

    static std::shared_ptr<FakeSystemInfo> install() {
        auto fake = std::make_shared<FakeSystemInfo>();
        SystemInfo::setOverride(fake);
        return fake;
    }
};
