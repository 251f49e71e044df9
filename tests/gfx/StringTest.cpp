#include "gfx/String.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <gtest/gtest.h>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color White(255, 255, 255, 255);

void ExpectRect(const gfx::FloatRect& rect, float left, float top, float right, float bottom)
{
    EXPECT_NEAR(rect.Left, left, 1e-3f);
    EXPECT_NEAR(rect.Top, top, 1e-3f);
    EXPECT_NEAR(rect.Right, right, 1e-3f);
    EXPECT_NEAR(rect.Bottom, bottom, 1e-3f);
}

// The smallest rectangle around every pixel that is not the white background.
gfx::FloatRect InkBounds(const gfx::Image& image)
{
    gfx::FloatRect ink(static_cast<float>(image.GetWidth()), static_cast<float>(image.GetHeight()),
                       0.f, 0.f);
    for (unsigned int y = 0; y < image.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < image.GetWidth(); ++x)
        {
            if (image.GetPixel(x, y) != White)
            {
                ink.Left = std::min(ink.Left, static_cast<float>(x));
                ink.Top = std::min(ink.Top, static_cast<float>(y));
                ink.Right = std::max(ink.Right, static_cast<float>(x + 1));
                ink.Bottom = std::max(ink.Bottom, static_cast<float>(y + 1));
            }
        }
    }
    return ink;
}
} // namespace

TEST(String, DefaultsToTheDefaultFontAtSizeThirty)
{
    const gfx::String text("Hallo");

    EXPECT_EQ(text.GetText(), "Hallo");
    EXPECT_FLOAT_EQ(text.GetSize(), 30.f);
    // Capitals of a 30 unit font stand about 22 units tall.
    EXPECT_NEAR(text.GetLocalBounds().GetHeight(), 22.f, 3.f);
}

TEST(String, DrawsVisiblePixelsInItsColour)
{
    gfx::String text("Hallo");
    text.SetColor(Red);
    text.SetPosition(10.f, 10.f);

    const gfx::Image image =
        RenderOffscreen(200, 60, [&](gfx::RenderTarget& target) { target.Draw(text); });

    EXPECT_GT(CountPixels(image, Red), 50u);
    // Only the edges of the glyphs mix red with the background.
    for (unsigned int y = 0; y < image.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < image.GetWidth(); ++x)
        {
            const gfx::Color pixel = image.GetPixel(x, y);
            ASSERT_EQ(pixel.r, 255) << "at " << x << ", " << y;
            ASSERT_EQ(pixel.g, pixel.b);
        }
    }
}

TEST(String, RectCoversTheDrawnGlyphs)
{
    gfx::String text("Hallo");
    text.SetColor(gfx::Color(0, 0, 0, 255));
    text.SetPosition(20.f, 10.f);
    text.SetScale(2.f, 1.5f);

    const gfx::Image image =
        RenderOffscreen(300, 100, [&](gfx::RenderTarget& target) { target.Draw(text); });

    const gfx::FloatRect rect = text.GetRect();
    const gfx::FloatRect ink = InkBounds(image);
    EXPECT_NEAR(ink.Left, rect.Left, 1.5f);
    EXPECT_NEAR(ink.Top, rect.Top, 1.5f);
    EXPECT_NEAR(ink.Right, rect.Right, 1.5f);
    EXPECT_NEAR(ink.Bottom, rect.Bottom, 1.5f);
}

TEST(String, LocalBoundsStayWhileRectFollowsTheDrawable)
{
    gfx::String text("Hallo");
    const gfx::FloatRect local = text.GetLocalBounds();
    ASSERT_GT(local.GetWidth(), 0.f);
    ExpectRect(text.GetRect(), local.Left, local.Top, local.Right, local.Bottom);

    text.SetPosition(100.f, 50.f);
    text.SetScale(2.f, 3.f);

    ExpectRect(text.GetLocalBounds(), local.Left, local.Top, local.Right, local.Bottom);
    ExpectRect(text.GetRect(), 100.f + 2.f * local.Left, 50.f + 3.f * local.Top,
               100.f + 2.f * local.Right, 50.f + 3.f * local.Bottom);
}

TEST(String, NewTextAndSizeChangeTheBounds)
{
    gfx::String text("Hallo");
    const float width = text.GetLocalBounds().GetWidth();

    text.SetText("Hallo Hallo");
    EXPECT_GT(text.GetLocalBounds().GetWidth(), 1.9f * width);

    text.SetText("Hallo");
    text.SetSize(60.f);
    EXPECT_FLOAT_EQ(text.GetSize(), 60.f);
    EXPECT_NEAR(text.GetLocalBounds().GetWidth(), 2.f * width, 0.1f * width);
}
