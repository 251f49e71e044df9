#include "gameobjects/DancingRect.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

TEST(DancingRect, TurnsScalesAndShadesOnlyTheInnerSquare)
{
    // Constant pulses: a turn of 45 degrees, half as large again, half the brightness.
    const PulseGenerator rotation("rotation", 1.f, 0.f, 0.f, 45.f);
    const PulseGenerator scale("scale", 1.f, 0.f, 0.f, 1.5f);
    const PulseGenerator shade("shade", 1.f, 0.f, 0.f, 0.5f);
    DancingRect rect(&rotation, &scale, &shade);
    rect.SetColor(gfx::Color(200, 100, 50, 255));
    rect.SetPosition(50.f, 50.f);
    rect.SetScale(20.f, 20.f);
    rect.Update(0.5f);

    const gfx::Image image = testing_support::RenderOffscreen(
        100, 100, [&](gfx::RenderTarget& target) { target.Draw(rect); });

    // A diamond of half diagonal 0.75 * 20 * sqrt(2), about 21.2 pixels, about the rectangle's
    // own position: it reaches out along the axes and leaves the corners of an unturned 30 pixel
    // square empty.
    const gfx::Color shaded(99, 49, 24, 255);
    EXPECT_EQ(image.GetPixel(69, 50), shaded);
    EXPECT_EQ(image.GetPixel(50, 31), shaded);
    EXPECT_EQ(image.GetPixel(63, 63), gfx::Color(255, 255, 255, 255));
}
