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
//
// Times go in and out as float seconds, but the clock sums them in double: a float sum of frame
// times stops advancing once a frame is less than half its last bit, which at 1000 frames a
// second freezes the animation after about seven hours. GetTime rounds the clock to float.
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

    float GetTime() const { return static_cast<float>(myTime); }

    void SetTimeFactor(float v) { myTimeFactor = v; }
    void SetPhaseOffset(float v) { myPhaseOffset = v; }
    void SetFactor(float v) { myFactor = v; }
    void SetOffset(float v) { myOffset = v; }
    void SetTime(float v) { myTime = v; }

protected:
    // Sets this clock to the other's exact time, which GetTime would round.
    void SetTimeFrom(const PulseGenerator& other) { myTime = other.myTime; }

    PulseGeneratorID myID;
    double myTime = 0.0;
    float myTimeFactor;
    float myPhaseOffset;
    float myFactor;
    float myOffset;
};
