#include "gameobjects/Shade.hpp"

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
