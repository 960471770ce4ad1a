#include "platform/SystemInfo.h"

#include "platform/SeamSlot.h"

SystemInfo::~SystemInfo() = default;

SystemInfo& SystemInfo::current() {
    return *SeamSlot<SystemInfo>::current(&makeNativeSystemInfo);
}

void SystemInfo::setOverride(std::shared_ptr<SystemInfo> info) {
    SeamSlot<SystemInfo>::setOverride(std::move(info));
}
