#include "gameobjects/DancingRect.hpp"

#include "gameobjects/Beat.hpp"
#include "gfx/RenderTarget.hpp"

DancingRect::DancingRect(const PulseGenerator* MainBeatRotation,
                         const PulseGenerator* MainBeatScale, const PulseGenerator* MainBeatShade)
    : TimeFactor(10.0f), Rotation(MainBeatRotation, 1.0f, 0.0f, 1.0f, 0.0f),
      Scale(MainBeatScale, 1.0f, 0.0f, 1.0f, 0.0f), Shade(MainBeatShade, 1.0f, 0.0f, 1.0f, 0.0f),
      time(0.0)
{
    const gfx::Vector2f half(0.5f, 0.5f);
    Rect = gfx::Shape::Rectangle(-half, half, gfx::Color(255, 255, 255, 255), 0.0f,
                                 gfx::Color(0, 0, 0, 255));
    Rect.SetCenter(0.0f, 0.0f);
}

void DancingRect::Update(float elapsedTime)
{
    time += elapsedTime;
    FollowBeat(elapsedTime, Rotation, Shade, Scale, GetColor(), Rect);
}

void DancingRect::ListPulses(const std::string& name, PulseOwner::List& pulses)
{
    pulses.push_back({name + " rotation", &Rotation});
    pulses.push_back({name + " scale", &Scale});
    pulses.push_back({name + " shade", &Shade});
}

void DancingRect::Render(gfx::RenderTarget& Target) const
{
    Target.Draw(Rect);
}
