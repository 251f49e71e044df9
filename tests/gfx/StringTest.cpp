#include "gfx/String.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace
{
std::pair<float, float> Extent(const std::string& text, float size = 30.f)
{
    const gfx::FloatRect bounds =
        gfx::String(text, gfx::Font::GetDefaultFont(), size).GetLocalBounds();
    return {bounds.GetWidth(), bounds.GetHeight()};
}
} // namespace

// The default font's metrics at 30 pixels, as FreeType gives them, and no display needed.
TEST(String, LaysTheGlyphsOutByTheFontsMetrics)
{
    // From H's stem, 3 right of the pen, to the right of o, 2 + 15 right of the pen after the
    // advances 23 + 19 + 9 + 9; from the top of l, 23 above the baseline, down to the baseline.
    EXPECT_EQ(Extent("Hallo"), std::pair(74.f, 23.f));
    // W tucks 2 under A: 21 + 1 + 28 - 2.
    EXPECT_EQ(Extent("AW"), std::pair(48.f, 22.f));
    // The next line starts 35 lower; text of twice the size is twice as large.
    EXPECT_EQ(Extent("Hallo\nHallo"), std::pair(74.f, 58.f));
    EXPECT_EQ(Extent("Hallo", 60.f), std::pair(148.f, 46.f));
    EXPECT_EQ(Extent("Hallo", -1.f), std::pair(0.f, 0.f));
    // A byte that begins no UTF-8 sequence is the replacement character.
    EXPECT_EQ(Extent("\xff"), Extent("\uFFFD"));
    EXPECT_GT(Extent("\xff").first, 0.f);
}

TEST(String, DrawsInItsColourWithinItsRect)
{
    gfx::String text("Hallo");
    const gfx::FloatRect local = text.GetLocalBounds();
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
}
