#include "util/Clock.h"

namespace {
std::function<QDateTime()>& ClockSource()
{
    static std::function<QDateTime()> source;
    return source;
}
} // namespace

QDateTime Now()
{
    const auto& source = ClockSource();
    return source ? source() : QDateTime::currentDateTime();
}

void SetClock(std::function<QDateTime()> aClock)
{
    ClockSource() = std::move(aClock);
}
