#include "gameobjects/BouncingString.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
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

TEST(MyString, TurnsAboutTheMiddleOfItsLetters)
{
    // Centred as the main scene centres its labels: the middle of the drawn letters must stay on
    // the position however the text is turned.
    MyString text("Hallo");
    text.SetColor(gfx::Color::Black);
    text.SetCenter(text.GetLocalSize() * 0.5f);
    text.SetPosition(100.f, 60.f);
    for (const float angle : {0.f, 90.f, 180.f})
    {
        text.SetRotation(angle);
        const gfx::Image image = testing_support::RenderOffscreen(
            200, 120, [&](gfx::RenderTarget& target) { target.Draw(text); });
        unsigned int left = image.GetWidth(), top = image.GetHeight(), right = 0, bottom = 0;
        for (unsigned int y = 0; y < image.GetHeight(); ++y)
        {
            for (unsigned int x = 0; x < image.GetWidth(); ++x)
            {
                if (image.GetPixel(x, y) != gfx::Color::White)
                {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x + 1);
                    bottom = std::max(bottom, y + 1);
                }
            }
        }
        EXPECT_NEAR((left + right) / 2.f, 100.f, 1.f) << "turned by " << angle;
        EXPECT_NEAR((top + bottom) / 2.f, 60.f, 1.f) << "turned by " << angle;
    }
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
