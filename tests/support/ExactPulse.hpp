#pragma once

#include <cmath>

namespace testing_support
{
// The reference pulse: every step in double, one rounding to float at the end. The time is a
// double, as a generator's clock is.
inline float ExactPulse(float timeFactor, float phaseOffset, float factor, float offset,
                        double time)
{
    const double pi = 3.141592653589793;
    const double angle =
        static_cast<double>(timeFactor) * time + static_cast<double>(phaseOffset) * 2.0 * pi;
    return static_cast<float>(static_cast<double>(offset) +
                              static_cast<double>(factor) * std::sin(angle));
}
} // namespace testing_support
