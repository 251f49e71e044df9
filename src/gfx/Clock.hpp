#pragma once

#include <functional>

namespace gfx
{
// Measures the time since it was made or last reset, in float seconds.
class Clock
{
public:
    // Seconds since any fixed moment; must never run backwards.
    using TimeSource = std::function<double()>;

    Clock();

    float GetElapsedTime() const;
    void Reset();

    // Replaces the time that every clock reads, so that tests get deterministic frame times;
    // an empty source restores the system's steady clock. Clocks made before the change keep
    // their start reading, so replace the source before making the clocks under test.
    static void SetTimeSource(TimeSource source);

private:
    double myStart;
};
} // namespace gfx
