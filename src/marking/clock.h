#pragma once

#include <QDateTime>

#include <functional>

namespace orlavine {

/// The current date and time as the program sees it. Tests fix "now" with SetClock.
QDateTime Now();

/// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<QDateTime()> clock);

} // namespace orlavine
