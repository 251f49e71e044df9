#include "gameobjects/BouncingString.hpp"

#include "gameobjects/Shade.hpp"
#include "gfx/RenderTarget.hpp"

BouncingString::BouncingString(const std::string& Text, const PulseGenerator* MainBeatRotation,
                               const PulseGenerator* MainBeatScale,
                               const PulseGenerator* MainBeatShade)
    : TimeFactor(3.3333333f), Rotation(MainBeatRotation, 1.0f, 0.0f, 1.0f, 0.0f),
      Scale(MainBeatScale, 1.5f, 0.0f, 1.0f, 0.0f), Shade(MainBeatShade, 1.0f, 0.0f, 1.0f, 0.0f),
      String(Text), time(0.0f)
{
}

void BouncingString::Update(float elapsedTime)
{
    time += elapsedTime;
    Rotation.Update(elapsedTime);
    Shade.Update(elapsedTime);
    Scale.Update(elapsedTime);

    String.SetColor(ApplyShade(GetColor(), Shade.GetPulse()));
    String.SetRotation(Rotation.GetPulse());
    const float scale = Scale.GetPulse();
    String.SetScale(scale, scale);
}

void BouncingString::Render(gfx::RenderTarget& Target) const
{
    Target.Draw(String);
}
