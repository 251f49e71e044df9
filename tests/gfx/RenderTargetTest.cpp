#include "gfx/RenderTarget.hpp"

#include "gfx/RenderImage.hpp"
#include "gfx/Shape.hpp"
#include "gfx/Sprite.hpp"
#include "gfx/String.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

namespace
{
// A band of the target's full height.
gfx::Shape Band(float left, float right, const gfx::Color& color,
                gfx::Blend::Mode mode = gfx::Blend::Alpha)
{
    gfx::Shape band = gfx::Shape::Rectangle({left, 0.f}, {right, 10.f}, color);
    band.SetBlendMode(mode);
    return band;
}
} // namespace

// Shapes, and sprites of one image, wait to be drawn together: what shows, and in which order,
// must stay as if each had been drawn at once.
TEST(RenderTarget, DrawsInOrderThroughClearsTextAndChangesOfBlendModeTextureAndView)
{
    gfx::RenderImage target(50, 10);
    // Gone with the clear that follows it. (Over the whole target it would be a clear itself.)
    target.Draw(Band(1.f, 50.f, gfx::Color::Black));
    target.Clear(gfx::Color::White);
    // Green added to red.
    target.Draw(Band(0.f, 10.f, gfx::Color::Red));
    target.Draw(Band(0.f, 10.f, gfx::Color::Green, gfx::Blend::Add));
    // Two images in turn, the second changed between its two sprites.
    gfx::Image blue(1, 1, gfx::Color::Blue);
    gfx::Image magenta(1, 1, gfx::Color::Magenta);
    target.Draw(gfx::Sprite(blue, {10.f, 0.f}, {5.f, 10.f}));
    target.Draw(gfx::Sprite(magenta, {15.f, 0.f}, {5.f, 10.f}));
    magenta.SetPixel(0, 0, gfx::Color::Cyan);
    target.Draw(gfx::Sprite(magenta, {20.f, 0.f}, {5.f, 10.f}));
    target.Draw(gfx::Sprite(blue, {25.f, 0.f}, {5.f, 10.f}));
    // Through a view 10 units further left, a band at 25 lands on the pixels from 35 on.
    target.SetView(gfx::View(gfx::FloatRect(-10.f, 0.f, 40.f, 10.f)));
    target.Draw(Band(25.f, 30.f, gfx::Color::Black));
    // A block letter over a band.
    target.Draw(Band(30.f, 40.f, gfx::Color::Black));
    gfx::String block("\u2588", gfx::Font::GetDefaultFont(), 10.f);
    block.SetPosition(30.f, 0.f);
    block.SetColor(gfx::Color::Red);
    target.Draw(block);
    target.Display();

    const gfx::Image pixels = target.CopyToImage();
    const gfx::Color expected[] = {gfx::Color::Yellow,  gfx::Color::Yellow, gfx::Color::Blue,
                                   gfx::Color::Magenta, gfx::Color::Cyan,   gfx::Color::Blue,
                                   gfx::Color::White,   gfx::Color::Black,  gfx::Color::Red};
    for (unsigned int band = 0; band < 9; ++band)
    {
        EXPECT_EQ(pixels.GetPixel(band * 5 + 2, 5), expected[band]) << "from x " << band * 5;
    }
}
