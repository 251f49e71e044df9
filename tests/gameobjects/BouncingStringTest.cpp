#include "gameobjects/BouncingString.hpp"

#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

TEST(MyString, LocalSizeIgnoresPositionAndScale)
{
    MyString text("Hallo");
    const gfx::Vector2f size = text.GetLocalSize();
    EXPECT_NEAR(size.x, text.GetRect().GetWidth(), 1e-3f);
    text.SetPosition(40.f, -20.f);
    text.SetScale(3.f, 0.5f);
    EXPECT_EQ(text.GetLocalSize(), size);
}

TEST(BouncingString, PulsesOnlyTheInnerText)
{
    const PulseGenerator rotation("rotation", 1.f, 0.f, 20.f, 0.f);
    const PulseGenerator scale("scale", 2.f, 0.f, 0.5f, 1.f);
    const PulseGenerator shade("shade", 0.f, 0.f, 0.f, 0.5f);
    BouncingString label("Hallo", &rotation, &scale, &shade);
    label.SetColor(gfx::Color(200, 100, 50, 255));
    label.SetPosition(100.f, 50.f);
    label.SetScale(1.5f, 1.5f);
    label.SetRotation(10.f);

    label.Update(0.25f);
    label.Update(0.25f);

    EXPECT_NEAR(label.String.GetRotation(), ExactPulse(1.f, 0.f, 20.f, 0.f, 0.5f), 1e-4f);
    // The text breathes one and a half times as fast as the beat it follows.
    const float breath = ExactPulse(3.f, 0.f, 0.5f, 1.f, 0.5f);
    EXPECT_EQ(label.String.GetScale(), gfx::Vector2f(breath, breath));
    EXPECT_EQ(label.String.GetColor(), gfx::Color(99, 49, 24, 255));
    EXPECT_EQ(label.GetPosition(), gfx::Vector2f(100.f, 50.f));
    EXPECT_EQ(label.GetScale(), gfx::Vector2f(1.5f, 1.5f));
    EXPECT_FLOAT_EQ(label.GetRotation(), 10.f);
}
