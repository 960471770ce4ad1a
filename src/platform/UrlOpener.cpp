#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
std::shared_ptr<UrlOpener>& overrideSlot() {
    static std::shared_ptr<UrlOpener> opener;
    return opener;
}
} // namespace

UrlOpener::~UrlOpener() = default;

std::shared_ptr<UrlOpener> UrlOpener::current() {
    if (overrideSlot())
        return overrideSlot();
    static const auto real = std::make_shared<DesktopUrlOpener>();
    return real;
}

void UrlOpener::setOverride(std::shared_ptr<UrlOpener> opener) {
    overrideSlot() = std::move(opener);
}

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
