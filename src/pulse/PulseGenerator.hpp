#pragma once

#include "gameobjects/Updatable.hpp"

#include <string>

// Anything that yields a pulse value. Never destroyed through this base.
class AbstractPulseGenerator
{
public:
    virtual float GetPulse() const = 0;

protected:
    AbstractPulseGenerator() = default;
    ~AbstractPulseGenerator() = default;
    AbstractPulseGenerator(const AbstractPulseGenerator&) = default;
    AbstractPulseGenerator& operator=(const AbstractPulseGenerator&) = default;
};

using PulseGeneratorID = std::string;

// A sine wave over this generator's own accumulated time:
//   offset + factor * sin(timeFactor * time + phaseOffset * 2 * pi)
// GetPulse reads the four parameters only through their virtual getters, so a subclass reshapes
// the wave by overriding the getters alone. A generator is a value: a copy has its own clock,
// starting where the original's stood. Scenes own generators and variations through pointers of
// this type, so the destructor is virtual.
class PulseGenerator : public AbstractPulseGenerator, public Updatable
{
public:
    // timeFactor: radians per second; phaseOffset: in whole periods; factor: amplitude;
    // offset: centre value. The name is only a label.
    PulseGenerator(PulseGeneratorID id, float timeFactor, float phaseOffset, float factor,
                   float offset);
    virtual ~PulseGenerator() = default;
    PulseGenerator(const PulseGenerator&) = default;
    PulseGenerator& operator=(const PulseGenerator&) = default;

    float GetPulse() const override;
    void Update(float elapsedTime) override { myTime += elapsedTime; }

    virtual float GetTimeFactor() const { return myTimeFactor; }
    virtual float GetPhaseOffset() const { return myPhaseOffset; }
    virtual float GetFactor() const { return myFactor; }
    virtual float GetOffset() const { return myOffset; }

    float GetTime() const { return myTime; }

    void SetTimeFactor(float v) { myTimeFactor = v; }
    void SetPhaseOffset(float v) { myPhaseOffset = v; }
    void SetFactor(float v) { myFactor = v; }
    void SetOffset(float v) { myOffset = v; }
    void SetTime(float v) { myTime = v; }

protected:
    PulseGeneratorID myID;
    float myTime = 0.f;
    float myTimeFactor;
    float myPhaseOffset;
    float myFactor;
    float myOffset;
};
