#include "gameobjects/Beat.hpp"

#include "gfx/Drawable.hpp"
#include "pulse/PulseVariation.hpp"

#include <cstdint>

gfx::Color ApplyShade(const gfx::Color& color, float shade)
{
    float channel = shade * 255.0f;
    if (!(channel > 0.f))
    {
        channel = 0.f;
    }
    else if (channel > 255.f)
    {
        channel = 255.f;
    }
    const auto grey = static_cast<std::uint8_t>(channel);
    return color * gfx::Color(grey, grey, grey, 255);
}

void FollowBeat(float elapsedTime, PulseVariation& rotation, PulseVariation& shade,
                PulseVariation& scale, const gfx::Color& ownColor, gfx::Drawable& inner)
{
    rotation.Update(elapsedTime);
    shade.Update(elapsedTime);
    scale.Update(elapsedTime);

    inner.SetColor(ApplyShade(ownColor, shade.GetPulse()));
    inner.SetRotation(rotation.GetPulse());
    const float size = scale.GetPulse();
    inner.SetScale(size, size);
}
