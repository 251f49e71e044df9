#include "gameobjects/BouncingString.hpp"

#include "support/Pixels.hpp"

#include <gtest/gtest.h>

// The rotation and breath of the inner text are checked on the main scene's labels.
TEST(BouncingString, PulsesOnlyTheInnerText)
{
    const PulseGenerator rotation("rotation", 1.f, 0.f, 20.f, 0.f);
    const PulseGenerator scale("scale", 2.f, 0.f, 0.5f, 1.f);
    const PulseGenerator shade("shade", 0.f, 0.f, 0.f, 0.5f);
    BouncingString label("Hallo", &rotation, &scale, &shade);
    label.SetColor(gfx::Color(200, 100, 50, 255));
    label.SetRotation(10.f);
    label.Update(0.5f);

    // The shade 0.5 gives the grey 127: 200 * 127 / 255 = 99.6 truncates to 99.
    EXPECT_EQ(label.String.GetColor(), gfx::Color(99, 49, 24, 255));
    EXPECT_EQ(label.GetScale(), gfx::Vector2f(1.f, 1.f));
    EXPECT_FLOAT_EQ(label.GetRotation(), 10.f);
}
