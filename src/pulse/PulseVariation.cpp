#include "pulse/PulseVariation.hpp"

PulseVariation::PulseVariation(const PulseGenerator* origin, float timeFactorVariation,
                               float phaseOffsetVariation, float factorVariation,
                               float offsetVariation)
    : PulseGenerator("variation", 1.f, 0.f, 1.f, 0.f), myTimeFactorVariation(timeFactorVariation),
      myPhaseOffsetVariation(phaseOffsetVariation), myFactorVariation(factorVariation),
      myOffsetVariation(offsetVariation), myOrigin(origin)
{
    SetTimeFrom(*origin);
}

// The origin is asked on every call, never cached: a later change to it, or anywhere further up
// a chain of variations, shows in the very next pulse.

float PulseVariation::GetTimeFactor() const
{
    return myOrigin->GetTimeFactor() * myTimeFactorVariation;
}

float PulseVariation::GetPhaseOffset() const
{
    return myOrigin->GetPhaseOffset() + myPhaseOffsetVariation;
}

float PulseVariation::GetFactor() const
{
    return myOrigin->GetFactor() * myFactorVariation;
}

float PulseVariation::GetOffset() const
{
    return myOrigin->GetOffset() + myOffsetVariation;
}
