#include "platform/ProcessLauncher.h"

namespace {
std::shared_ptr<ProcessLauncher>& overrideSlot() {
    static std::shared_ptr<ProcessLauncher> launcher;
    return launcher;
}
} // namespace

ProcessLauncher::~ProcessLauncher() = default;

std::shared_ptr<ProcessLauncher> ProcessLauncher::current() {
    if (overrideSlot())
        return overrideSlot();
    static const auto real = std::make_shared<SystemProcessLauncher>();
    return real;
}

void ProcessLauncher::setOverride(std::shared_ptr<ProcessLauncher> launcher) {
    overrideSlot() = std::move(launcher);
}
