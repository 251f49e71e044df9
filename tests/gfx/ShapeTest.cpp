#include "gfx/Shape.hpp"

#include "gfx/RenderImage.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
unsigned long DrawCallsFor(const gfx::Drawable& drawable)
{
    gfx::RenderImage target(10, 10);
    target.Draw(drawable);
    target.Display();
    return target.GetDrawCalls();
}

// Draws the shape over white through the view into a 20 x 20 target; leaves the pixels and
// answers the draw calls.
unsigned long DrawOverWhite(const gfx::Shape& shape, const gfx::View& view, gfx::Image& pixels)
{
    gfx::RenderImage target(20, 20);
    target.Clear(gfx::Color::White);
    target.SetView(view);
    target.Draw(shape);
    target.Display();
    pixels = target.CopyToImage();
    return target.GetDrawCalls();
}
} // namespace

TEST(Shape, FillsInsideAndOutlinesOutsideThePointsTintedByTheDrawableColour)
{
    const gfx::Shape rect =
        gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, gfx::Color::Red, 2.f, gfx::Color::Blue);
    const gfx::Shape circle =
        gfx::Shape::Circle({60.f, 50.f}, 20.f, gfx::Color::Green, 3.f, gfx::Color::Black);
    EXPECT_THROW(rect.GetPointPosition(4), std::out_of_range);
    gfx::Shape tinted = gfx::Shape::Rectangle({10.f, 85.f}, {20.f, 95.f}, gfx::Color(200, 100, 50),
                                              2.f, gfx::Color::White);
    tinted.SetColor(gfx::Color(128, 255, 64));
    const gfx::Color halfRed(255, 0, 0, 128);
    const gfx::Shape mixed = gfx::Shape::Rectangle({40.f, 85.f}, {50.f, 95.f}, halfRed);
    gfx::Shape written = gfx::Shape::Rectangle({70.f, 85.f}, {80.f, 95.f}, halfRed);
    written.SetBlendMode(gfx::Blend::None);
    const auto draw = [&](gfx::RenderTarget& target)
    {
        target.Draw(rect);
        target.Draw(circle);
        target.Draw(tinted);
        target.Draw(mixed);
        target.Draw(written);
    };

    const gfx::Image image = RenderOffscreen(100, 100, draw);

    // The fill keeps its 20 x 20 pixels; the outline adds 2 on every side.
    EXPECT_EQ(CountPixels(image, gfx::Color::Red), 20u * 20u);
    EXPECT_EQ(CountPixels(image, gfx::Color::Blue), 24u * 24u - 20u * 20u);
    EXPECT_EQ(image.GetPixel(7, 20), gfx::Color::White);
    EXPECT_EQ(image.GetPixel(8, 20), gfx::Color::Blue);
    // pi * 20^2 = 1257 for the disc, about pi * (23^2 - 20^2) = 405 for the ring.
    EXPECT_EQ(image.GetPixel(60, 50), gfx::Color::Green);
    EXPECT_NEAR(CountPixels(image, gfx::Color::Green), 1257, 30);
    EXPECT_NEAR(CountPixels(image, gfx::Color::Black), 405, 30);
    // a * b / 255 per channel: 200 * 128 / 255 = 100, 100 * 255 / 255 = 100, 50 * 64 / 255 = 12.
    EXPECT_EQ(image.GetPixel(15, 90), gfx::Color(100, 100, 12));
    EXPECT_EQ(image.GetPixel(9, 90), gfx::Color(128, 255, 64));
    EXPECT_EQ(image.GetPixel(45, 90), gfx::Color(255, 127, 127));
    EXPECT_EQ(image.GetPixel(75, 90), halfRed);
}

TEST(Shape, EachPointCarriesItsFillAndOutlineColour)
{
    // Red with a green outline on the left edge, blue with a black outline on the right.
    gfx::Shape shape;
    shape.AddPoint({10.f, 10.f}, gfx::Color::Red, gfx::Color::Green);
    shape.AddPoint({90.f, 10.f}, gfx::Color::Blue, gfx::Color::Black);
    shape.AddPoint({90.f, 90.f}, gfx::Color::Blue, gfx::Color::Black);
    shape.AddPoint({10.f, 90.f}, gfx::Color::Red, gfx::Color::Green);
    shape.SetOutlineWidth(2.f);
    const auto draw = [&](gfx::RenderTarget& target) { target.Draw(shape); };

    const gfx::Image image = RenderOffscreen(100, 100, draw);
    EXPECT_GT(image.GetPixel(11, 50).r - image.GetPixel(11, 50).b, 225);
    EXPECT_GT(image.GetPixel(88, 50).b - image.GetPixel(88, 50).r, 225);
    EXPECT_EQ(image.GetPixel(9, 50), gfx::Color::Green);
    EXPECT_EQ(image.GetPixel(90, 50), gfx::Color::Black);

    // A shape already drawn picks up a wider outline.
    shape.SetOutlineWidth(4.f);
    EXPECT_EQ(RenderOffscreen(100, 100, draw).GetPixel(7, 50), gfx::Color::Green);
}

TEST(Shape, LeavesOutWhatCannotShowAndRecoloursWhatItDraws)
{
    const gfx::Color transparentRed(255, 0, 0, 0);
    gfx::Shape ring = gfx::Shape::Circle({5.f, 5.f}, 3.f, transparentRed, 1.f, gfx::Color::Blue);
    EXPECT_EQ(DrawCallsFor(ring), 1u);
    EXPECT_EQ(DrawCallsFor(gfx::Shape::Rectangle({1.f, 1.f}, {5.f, 5.f}, gfx::Color::Blue)), 1u);
    ring.SetColor(gfx::Color(255, 255, 255, 0));
    EXPECT_EQ(DrawCallsFor(ring), 0u);
    // Written as it is, a transparent colour still changes the pixels.
    ring.SetBlendMode(gfx::Blend::None);
    const auto drawRing = [&](gfx::RenderTarget& target) { target.Draw(ring); };
    EXPECT_EQ(RenderOffscreen(10, 10, drawRing).GetPixel(5, 5), transparentRed);

    gfx::Shape square = gfx::Shape::Rectangle({2.f, 2.f}, {8.f, 8.f}, gfx::Color::Cyan);
    const auto drawSquare = [&](gfx::RenderTarget& target) { target.Draw(square); };
    EXPECT_EQ(RenderOffscreen(10, 10, drawSquare).GetPixel(5, 5), gfx::Color::Cyan);
    square.SetColor(gfx::Color::Magenta);
    EXPECT_EQ(RenderOffscreen(10, 10, drawSquare).GetPixel(5, 5), gfx::Color::Blue);
}

TEST(Shape, AnOpaqueFillOverTheWholeTargetClearsItInsteadOfDrawing)
{
    // A 30 x 30 square turned 10 degrees about the middle of the 20 x 20 target still covers it.
    gfx::Shape backdrop = gfx::Shape::Rectangle({0.f, 0.f}, {30.f, 30.f}, gfx::Color(10, 20, 30));
    backdrop.SetCenter(15.f, 15.f);
    backdrop.SetPosition(10.f, 10.f);
    backdrop.SetRotation(10.f);
    const gfx::View whole(gfx::FloatRect(0.f, 0.f, 20.f, 20.f));
    gfx::Image pixels;
    EXPECT_EQ(DrawOverWhite(backdrop, whole, pixels), 0u);
    EXPECT_EQ(CountPixels(pixels, gfx::Color(10, 20, 30)), 20u * 20u);

    // Moved, or seen through another view, it leaves a corner white; mixed by a lower alpha, it
    // lets the white through. Each is drawn.
    backdrop.Move(8.f, 0.f);
    EXPECT_EQ(DrawOverWhite(backdrop, whole, pixels), 1u);
    EXPECT_EQ(pixels.GetPixel(0, 0), gfx::Color::White);
    backdrop.Move(-8.f, 0.f);
    EXPECT_EQ(DrawOverWhite(backdrop, gfx::View(gfx::FloatRect(8.f, 0.f, 28.f, 20.f)), pixels), 1u);
    EXPECT_EQ(pixels.GetPixel(19, 0), gfx::Color::White);
    backdrop.SetColor(gfx::Color(255, 255, 255, 128));
    EXPECT_EQ(DrawOverWhite(backdrop, whole, pixels), 1u);
    EXPECT_EQ(pixels.GetPixel(10, 10), gfx::Color(132, 137, 142));
}
