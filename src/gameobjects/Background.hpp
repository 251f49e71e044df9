#pragma once

#include "gameobjects/DancingRect.hpp"
#include "gameobjects/Updatable.hpp"
#include "gfx/Drawable.hpp"
#include "gfx/Shape.hpp"
#include "pulse/PulseGenerator.hpp"
#include "pulse/PulseOwner.hpp"

#include <list>
#include <string>

// An opaque backdrop under a grid of dancing rectangles, all of it swaying slowly about the
// background's origin.
class Background : public gfx::Drawable, public Updatable
{
public:
    // The generators must outlive the background.
    Background(const PulseGenerator* mainBeatRotation, const PulseGenerator* mainBeatScale,
               const PulseGenerator* mainBeatShade);

    // Covers the area from P1 (top left) to P2 (bottom right) with the backdrop and appends one
    // rectangle to each of GridWidth x GridHeight cells, in random order, tinted from the
    // background's current colour. A grid without cells only places the backdrop.
    void Populate(gfx::Vector2f P1, gfx::Vector2f P2, int GridWidth, int GridHeight);

    void Update(float elapsedTime) override;
    // Appends the sway, "NAME rotation", then each rectangle's pulses in drawing order, as
    // "NAME rect N rotation" and so on, N counted from 1.
    void ListPulses(const std::string& name, PulseOwner::List& pulses);

    PulseGenerator Rotation;
    const PulseGenerator* MainBeatRotation;
    const PulseGenerator* MainBeatScale;
    const PulseGenerator* MainBeatShade;

private:
    friend class BackgroundProbe;

    void Render(gfx::RenderTarget& Target) const override;
    DancingRect MakeRect(const gfx::Vector2f& cellCenter, const gfx::Vector2f& cellSize,
                         const gfx::Color& color) const;

    gfx::Shape Rect;
    std::list<DancingRect> rects;
    // Summed in double, as the pulse clocks are: a float sum of frame times stalls within hours.
    double time;
};
