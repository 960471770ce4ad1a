#include "platform/SystemInfo.h"

namespace {
std::shared_ptr<SystemInfo>& overrideInfo() {
    static std::shared_ptr<SystemInfo> info;
    return info;
}
} // namespace

SystemInfo::~SystemInfo() = default;

SystemInfo& SystemInfo::current() {
    if (const std::shared_ptr<SystemInfo>& o = overrideInfo())
        return *o;
    static const std::shared_ptr<SystemInfo> native = makeNativeSystemInfo();
    return *native;
}

void SystemInfo::setOverride(std::shared_ptr<SystemInfo> info) {
    overrideInfo() = std::move(info);
}
