#include "gfx/Clock.hpp"

#include <chrono>

namespace gfx
{
namespace
{
double SteadySeconds()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Clock::TimeSource& CurrentSource()
{
    static Clock::TimeSource source = SteadySeconds;
    return source;
}
} // namespace

Clock::Clock() : myStart(CurrentSource()()) {}

float Clock::GetElapsedTime() const
{
    return static_cast<float>(CurrentSource()() - myStart);
}

void Clock::Reset()
{
    myStart = CurrentSource()();
}

void Clock::SetTimeSource(TimeSource source)
{
    CurrentSource() = source ? std::move(source) : TimeSource(SteadySeconds);
}
} // namespace gfx
