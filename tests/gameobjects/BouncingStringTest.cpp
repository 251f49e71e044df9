#include "gameobjects/BouncingString.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

TEST(BouncingString, PulsesOnlyTheInnerText)
{
    const PulseGenerator rotation("rotation", 1.f, 0.f, 20.f, 0.f);
    const PulseGenerator scale("scale", 2.f, 0.f, 0.5f, 1.f);
    const PulseGenerator shade("shade", 0.f, 0.f, 0.f, 0.5f);
    BouncingString label("Hallo", &rotation, &scale, &shade);
    label.SetColor(gfx::Color(200, 100, 50, 255));
    label.SetPosition(100.f, 50.f);
    label.SetRotation(10.f);
    label.Update(0.25f);
    label.Update(0.25f);

    EXPECT_NEAR(label.String.GetRotation(), ExactPulse(1.f, 0.f, 20.f, 0.f, 0.5f), 1e-4f);
    // The text breathes one and a half times as fast as the beat it follows.
    const float breath = ExactPulse(3.f, 0.f, 0.5f, 1.f, 0.5f);
    EXPECT_EQ(label.String.GetScale(), gfx::Vector2f(breath, breath));
    // The shade 0.5 gives the grey 127: 200 * 127 / 255 = 99.6 truncates to 99.
    EXPECT_EQ(label.String.GetColor(), gfx::Color(99, 49, 24, 255));
    EXPECT_EQ(label.GetPosition(), gfx::Vector2f(100.f, 50.f));
    EXPECT_EQ(label.GetScale(), gfx::Vector2f(1.f, 1.f));
    EXPECT_FLOAT_EQ(label.GetRotation(), 10.f);
}
