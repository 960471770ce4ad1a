#pragma once
#include <QDateTime>

#include <functional>

// The current local time, which tests may fix.
namespace Clock {
QDateTime now();
// Replaces the system clock for the whole program; an empty function restores it.
void setOverride(std::function<QDateTime()> clock);
} // namespace Clock
