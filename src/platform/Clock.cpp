#include "platform/Clock.h"

namespace {
std::function<QDateTime()>& overrideClock() {
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

namespace Clock {
QDateTime now() {
    const std::function<QDateTime()>& clock = overrideClock();
    return clock ? clock() : QDateTime::currentDateTime();
}

void setOverride(std::function<QDateTime()> clock) {
    overrideClock() = std::move(clock);
}
} // namespace Clock
