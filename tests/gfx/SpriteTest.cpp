#include "gfx/Sprite.hpp"

#include "gfx/Image.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color Blue(0, 0, 255, 255);
const gfx::Color White(255, 255, 255, 255);

gfx::Image Render(const gfx::Sprite& sprite)
{
    return RenderOffscreen(60, 60, [&](gfx::RenderTarget& target) { target.Draw(sprite); });
}
} // namespace

TEST(Sprite, SizeIsTheImageSizeTimesTheScale)
{
    const gfx::Image image(4, 3, Red);
    gfx::Sprite sprite(image);
    EXPECT_EQ(sprite.GetImage(), &image);
    EXPECT_EQ(sprite.GetSize(), gfx::Vector2f(4.f, 3.f));

    sprite.SetScale(2.f, 0.5f);
    EXPECT_EQ(sprite.GetSize(), gfx::Vector2f(8.f, 1.5f));
    EXPECT_EQ(gfx::Sprite().GetSize(), gfx::Vector2f(0.f, 0.f));
}

TEST(Sprite, DrawsItsImageFromTheTopLeftCorner)
{
    gfx::Image image(4, 3, Red);
    image.SetPixel(0, 0, Blue);
    image.SetSmooth(false);
    gfx::Sprite sprite(image, {10.f, 20.f}, {2.f, 2.f});

    const gfx::Image pixels = Render(sprite);

    EXPECT_EQ(CountPixels(pixels, Red) + CountPixels(pixels, Blue), 8u * 6u);
    EXPECT_EQ(CountPixels(pixels, Blue), 2u * 2u);
    EXPECT_EQ(pixels.GetPixel(10, 20), Blue);
    EXPECT_EQ(pixels.GetPixel(17, 25), Red);
    EXPECT_EQ(pixels.GetPixel(18, 25), White);
}

TEST(Sprite, CentreMovesThePicture)
{
    const gfx::Image image(4, 4, Red);
    gfx::Sprite sprite(image, {10.f, 20.f});
    sprite.SetCenter(2.f, 2.f);

    const gfx::Image pixels = Render(sprite);

    EXPECT_EQ(CountPixels(pixels, Red), 16u);
    EXPECT_EQ(pixels.GetPixel(8, 18), Red);
    EXPECT_EQ(pixels.GetPixel(11, 21), Red);
    EXPECT_EQ(pixels.GetPixel(12, 22), White);
}

TEST(Sprite, ShowsPixelsChangedAfterItWasDrawn)
{
    gfx::Image image(2, 2, Red);
    const gfx::Sprite sprite(image, {5.f, 5.f});
    EXPECT_EQ(CountPixels(Render(sprite), Red), 4u);

    image.SetPixel(1, 1, Blue);
    const gfx::Image pixels = Render(sprite);
    EXPECT_EQ(pixels.GetPixel(6, 6), Blue);
    EXPECT_EQ(CountPixels(pixels, Red), 3u);
}

TEST(Sprite, ColourMultipliesThePicture)
{
    const gfx::Image image(4, 4, gfx::Color(200, 100, 255, 255));
    gfx::Sprite sprite(image, {5.f, 5.f});
    sprite.SetColor(gfx::Color(255, 128, 0, 255));

    EXPECT_EQ(Render(sprite).GetPixel(6, 6), gfx::Color(200, 50, 0, 255));
}

TEST(Sprite, DrawsNothingOnAnImageThatFailedToLoad)
{
    gfx::Image image;
    ASSERT_FALSE(image.LoadFromFile("resources/no-such-picture.png"));
    gfx::Sprite sprite(image, {5.f, 5.f}, {3.f, 3.f});

    EXPECT_EQ(sprite.GetSize(), gfx::Vector2f(0.f, 0.f));
    EXPECT_EQ(CountPixels(Render(sprite), White), 60u * 60u);
}
