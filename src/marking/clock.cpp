#include "marking/clock.h"

namespace orlavine {

namespace {

std::function<QDateTime()>& Installed()
{
    static std::function<QDateTime()> clock;
    return clock;
}

} // namespace

QDateTime Now() { return Installed() ? Installed()() : QDateTime::currentDateTime(); }

void SetClock(std::function<QDateTime()> clock) { Installed() = std::move(clock); }

} // namespace orlavine
