#include "gfx/Sprite.hpp"

#include "gfx/Image.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::CountPixels;

TEST(Sprite, DrawsItsImagePlacedScaledAndTintedAndNothingWithoutOne)
{
    gfx::Image image(4, 3, gfx::Color::Red);
    image.SetPixel(0, 0, gfx::Color::Blue);
    image.SetSmooth(false);
    const gfx::Image missing;
    const gfx::Sprite scaled(image, {10.f, 20.f}, {2.f, 2.f});
    gfx::Sprite centred(image, {40.f, 40.f});
    centred.SetCenter(2.f, 2.f);
    const gfx::Sprite tinted(image, {10.f, 40.f}, {1.f, 1.f}, 0.f, gfx::Color(128, 255, 128));
    const gfx::Sprite empty(missing, {30.f, 5.f}, {3.f, 3.f});
    EXPECT_EQ(scaled.GetSize(), gfx::Vector2f(8.f, 6.f));
    EXPECT_EQ(empty.GetSize(), gfx::Vector2f(0.f, 0.f));

    const auto draw = [&](gfx::RenderTarget& target)
    {
        target.Draw(scaled);
        target.Draw(centred);
        target.Draw(tinted);
        target.Draw(empty);
    };

    const gfx::Image pixels = testing_support::RenderOffscreen(60, 60, draw);
    EXPECT_EQ(CountPixels(pixels, gfx::Color::White), 60u * 60u - 8u * 6u - 2u * 4u * 3u);
    EXPECT_EQ(CountPixels(pixels, gfx::Color::Blue), 2u * 2u + 1u);
    EXPECT_EQ(pixels.GetPixel(10, 20), gfx::Color::Blue);
    EXPECT_EQ(pixels.GetPixel(38, 38), gfx::Color::Blue);
    EXPECT_EQ(pixels.GetPixel(11, 41), gfx::Color(128, 0, 0));
}
