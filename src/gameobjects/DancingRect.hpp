#pragma once

#include "gameobjects/Updatable.hpp"
#include "gfx/Drawable.hpp"
#include "gfx/Shape.hpp"
#include "pulse/PulseOwner.hpp"
#include "pulse/PulseVariation.hpp"

#include <string>

// A unit square that turns, scales and darkens to the beat inside a transform its owner sets
// once. Copies follow the same generators and keep their own clocks.
class DancingRect : public gfx::Drawable, public Updatable
{
public:
    // The generators must outlive the rectangle.
    DancingRect(const PulseGenerator* MainBeatRotation, const PulseGenerator* MainBeatScale,
                const PulseGenerator* MainBeatShade);
    DancingRect(const DancingRect&) = default;

    void Update(float elapsedTime) override;
    // Appends this object's pulses, named after it: "NAME rotation", "NAME scale", "NAME shade".
    void ListPulses(const std::string& name, PulseOwner::List& pulses);

    float TimeFactor;
    PulseVariation Rotation;
    PulseVariation Scale;
    PulseVariation Shade;

private:
    void Render(gfx::RenderTarget& Target) const override;

    gfx::Shape Rect;
    // Summed in double, as the pulse clocks are: a float sum of frame times stalls within hours.
    double time;
};
