#include "platform/ProcessLauncher.h"

#include "platform/SeamSlot.h"

ProcessLauncher::~ProcessLauncher() = default;

std::shared_ptr<ProcessLauncher> ProcessLauncher::current() {
    return SeamSlot<ProcessLauncher>::current(
        [] { return std::make_shared<SystemProcessLauncher>(); });
}

void ProcessLauncher::setOverride(std::shared_ptr<ProcessLauncher> launcher) {
    SeamSlot<ProcessLauncher>::setOverride(std::move(launcher));
}
