#include "gfx/String.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

TEST(String, DrawsInItsColourWithinItsRect)
{
    gfx::String text("Hallo");
    const gfx::FloatRect local = text.GetLocalBounds();
    // Capitals of the default font at size 30 stand about 22 units tall.
    EXPECT_NEAR(local.GetHeight(), 22.f, 3.f);
    text.SetColor(gfx::Color::Red);
    text.SetPosition(20.f, 10.f);
    text.SetScale(2.f, 1.5f);
    const gfx::FloatRect rect = text.GetRect();
    EXPECT_FLOAT_EQ(rect.Left, 20.f + 2.f * local.Left);
    EXPECT_FLOAT_EQ(rect.Bottom, 10.f + 1.5f * local.Bottom);

    const gfx::Image image = testing_support::RenderOffscreen(
        200, 100, [&](gfx::RenderTarget& target) { target.Draw(text); });
    // Only the edges of the glyphs mix red with the white background, and only inside the rect:
    // the letters' top-left is on the position.
    EXPECT_GT(testing_support::CountPixels(image, gfx::Color::Red), 50u);
    for (unsigned int y = 0; y < image.GetHeight(); ++y)
    {
        for (unsigned int x = 0; x < image.GetWidth(); ++x)
        {
            const gfx::Color pixel = image.GetPixel(x, y);
            const bool inside = x + 1.5f > rect.Left && x < rect.Right + 0.5f &&
                                y + 1.5f > rect.Top && y < rect.Bottom + 0.5f;
            ASSERT_TRUE(pixel == gfx::Color::White ||
                        (inside && pixel.r == 255 && pixel.g == pixel.b))
                << "at " << x << ", " << y;
        }
    }
    text.SetSize(60.f);
    EXPECT_GT(text.GetLocalBounds().GetWidth(), 1.9f * local.GetWidth());
}
