#include "pulse/PulseGenerator.hpp"

#include <cmath>
#include <utility>

namespace
{
const double Pi = 3.141592653589793;
} // namespace

PulseGenerator::PulseGenerator(PulseGeneratorID id, float timeFactor, float phaseOffset,
                               float factor, float offset)
    : myID(std::move(id)), myTimeFactor(timeFactor), myPhaseOffset(phaseOffset), myFactor(factor),
      myOffset(offset)
{
}

float PulseGenerator::GetPulse() const
{
    // The sum stays in double and is rounded to float once. The accumulated time is never
    // wrapped, so the angle keeps growing, and a float angle would lose its fraction long before
    // a double one does.
    const double angle = static_cast<double>(GetTimeFactor()) * myTime;
    const double phase = static_cast<double>(GetPhaseOffset()) * 2.0 * Pi;
    const double sine = std::sin(angle + phase);
    return static_cast<float>(static_cast<double>(GetOffset()) +
                              static_cast<double>(GetFactor()) * sine);
}
