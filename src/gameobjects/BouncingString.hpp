#pragma once

#include "gameobjects/MyString.hpp"
#include "gameobjects/Updatable.hpp"
#include "gfx/Drawable.hpp"
#include "pulse/PulseOwner.hpp"
#include "pulse/PulseVariation.hpp"

#include <string>

// A text label that turns, scales and darkens to the beat. The pulses act on the inner text
// only; the label's own transform, set by its owner, stays as it is.
class BouncingString : public gfx::Drawable, public Updatable
{
public:
    // The generators must outlive the label.
    BouncingString(const std::string& Text, const PulseGenerator* MainBeatRotation,
                   const PulseGenerator* MainBeatScale, const PulseGenerator* MainBeatShade);

    void Update(float elapsedTime) override;
    // Appends this object's pulses, named after it: "NAME rotation", "NAME scale", "NAME shade".
    void ListPulses(const std::string& name, PulseOwner::List& pulses);

    float TimeFactor;
    PulseVariation Rotation;
    PulseVariation Scale;
    PulseVariation Shade;
    MyString String;

private:
    void Render(gfx::RenderTarget& Target) const override;

    // Summed in double, as the pulse clocks are: a float sum of frame times stalls within hours.
    double time;
};
