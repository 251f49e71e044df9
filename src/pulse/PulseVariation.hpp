#pragma once

#include "pulse/PulseGenerator.hpp"

// A pulse derived from an origin generator: at every call it takes the origin's four parameters
// as they are at that moment, scales the time factor and the amplitude and shifts the phase and
// the centre. Its clock is its own; it starts at the origin's exact time, so a new variation is
// in step with its origin, and afterwards moves only by this object's Update.
// The origin is not owned and must outlive the variation; a copy follows the same origin.
// The inherited parameter setters store into fields the getters below ignore: change a variation
// through its variation setters or through its origin.
class PulseVariation final : public PulseGenerator
{
public:
    PulseVariation(const PulseGenerator* origin, float timeFactorVariation,
                   float phaseOffsetVariation, float factorVariation, float offsetVariation);

    float GetTimeFactor() const override;
    float GetPhaseOffset() const override;
    float GetFactor() const override;
    float GetOffset() const override;

    const PulseGenerator* GetOrigin() const { return myOrigin; }
    // Keeps this variation's clock.
    void SetOrigin(const PulseGenerator* v) { myOrigin = v; }

    float GetTimeFactorVariation() const { return myTimeFactorVariation; }
    float GetPhaseOffsetVariation() const { return myPhaseOffsetVariation; }
    float GetFactorVariation() const { return myFactorVariation; }
    float GetOffsetVariation() const { return myOffsetVariation; }

    void SetTimeFactorVariation(float v) { myTimeFactorVariation = v; }
    void SetPhaseOffsetVariation(float v) { myPhaseOffsetVariation = v; }
    void SetFactorVariation(float v) { myFactorVariation = v; }
    void SetOffsetVariation(float v) { myOffsetVariation = v; }

protected:
    float myTimeFactorVariation;
    // In whole periods.
    float myPhaseOffsetVariation;
    float myFactorVariation;
    float myOffsetVariation;
    const PulseGenerator* myOrigin;
};
