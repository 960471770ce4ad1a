#include "platform/UrlOpener.h"

#include "platform/SeamSlot.h"

UrlOpener::~UrlOpener() = default;

std::shared_ptr<UrlOpener> UrlOpener::current() {
    return SeamSlot<UrlOpener>::current([] { return std::make_shared<DesktopUrlOpener>(); });
}

void UrlOpener::setOverride(std::shared_ptr<UrlOpener> opener) {
    SeamSlot<UrlOpener>::setOverride(std::move(opener));
}
