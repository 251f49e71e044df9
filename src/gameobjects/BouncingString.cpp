#include "gameobjects/BouncingString.hpp"

#include "gameobjects/Beat.hpp"
#include "gfx/RenderTarget.hpp"

BouncingString::BouncingString(const std::string& Text, const PulseGenerator* MainBeatRotation,
                               const PulseGenerator* MainBeatScale,
                               const PulseGenerator* MainBeatShade)
    : TimeFactor(3.3333333f), Rotation(MainBeatRotation, 1.0f, 0.0f, 1.0f, 0.0f),
      Scale(MainBeatScale, 1.5f, 0.0f, 1.0f, 0.0f), Shade(MainBeatShade, 1.0f, 0.0f, 1.0f, 0.0f),
      String(Text), time(0.0)
{
}

void BouncingString::Update(float elapsedTime)
{
    time += elapsedTime;
    FollowBeat(elapsedTime, Rotation, Shade, Scale, GetColor(), String);
}

void BouncingString::ListPulses(const std::string& name, PulseOwner::List& pulses)
{
    pulses.push_back({name + " rotation", &Rotation});
    pulses.push_back({name + " scale", &Scale});
    pulses.push_back({name + " shade", &Shade});
}

void BouncingString::Render(gfx::RenderTarget& Target) const
{
    Target.Draw(String);
}
