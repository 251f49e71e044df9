#include "gfx/Shape.hpp"

#include "gfx/RenderImage.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <initializer_list>

using testing_support::CountPixels;

namespace
{
// Draws the shapes over white into a side x side target through the view (one unit per pixel
// without one); leaves the pixels and answers the draw calls.
unsigned long Draw(std::initializer_list<const gfx::Shape*> shapes, gfx::Image& pixels,
                   unsigned int side = 20, const gfx::View* view = nullptr)
{
    gfx::RenderImage target(side, side);
    target.Clear(gfx::Color::White);
    target.SetView(view ? *view : target.GetView());
    for (const gfx::Shape* shape : shapes)
    {
        target.Draw(*shape);
    }
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
    gfx::Shape tinted = gfx::Shape::Rectangle({10.f, 85.f}, {20.f, 95.f}, gfx::Color(200, 100, 50),
                                              2.f, gfx::Color::White);
    tinted.SetColor(gfx::Color(128, 255, 64));
    gfx::Image image;
    Draw({&rect, &circle, &tinted}, image, 100);

    // The fill keeps its 20 x 20 pixels; the outline adds 2 on every side.
    EXPECT_EQ(CountPixels(image, gfx::Color::Red), 20u * 20u);
    EXPECT_EQ(CountPixels(image, gfx::Color::Blue), 24u * 24u - 20u * 20u);
    // pi * 20^2 = 1257 for the disc, about pi * (23^2 - 20^2) = 405 for the ring.
    EXPECT_NEAR(CountPixels(image, gfx::Color::Green), 1257, 30);
    EXPECT_NEAR(CountPixels(image, gfx::Color::Black), 405, 30);
    // a * b / 255 per channel: 200 * 128 / 255 = 100, 100 * 255 / 255 = 100, 50 * 64 / 255 = 12.
    EXPECT_EQ(image.GetPixel(15, 90), gfx::Color(100, 100, 12));
    EXPECT_EQ(image.GetPixel(9, 90), gfx::Color(128, 255, 64));
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
    gfx::Image image;
    Draw({&shape}, image, 100);
    EXPECT_GT(image.GetPixel(11, 50).r - image.GetPixel(11, 50).b, 225);
    EXPECT_GT(image.GetPixel(88, 50).b - image.GetPixel(88, 50).r, 225);
    EXPECT_EQ(image.GetPixel(9, 50), gfx::Color::Green);
    EXPECT_EQ(image.GetPixel(90, 50), gfx::Color::Black);
    // A shape already drawn picks up a wider outline.
    shape.SetOutlineWidth(4.f);
    Draw({&shape}, image, 100);
    EXPECT_EQ(image.GetPixel(7, 50), gfx::Color::Green);
}

TEST(Shape, LeavesOutWhatCannotShowAndRecoloursWhatItDraws)
{
    const gfx::Color transparentRed(255, 0, 0, 0);
    gfx::Shape ring = gfx::Shape::Circle({5.f, 5.f}, 3.f, transparentRed, 1.f, gfx::Color::Blue);
    gfx::Image pixels;
    EXPECT_EQ(Draw({&ring}, pixels), 1u);
    ring.SetColor(gfx::Color(255, 255, 255, 0));
    EXPECT_EQ(Draw({&ring}, pixels), 0u);
    // Written as it is, a transparent colour still changes the pixels.
    ring.SetBlendMode(gfx::Blend::None);
    Draw({&ring}, pixels);
    EXPECT_EQ(pixels.GetPixel(5, 5), transparentRed);

    gfx::Shape square = gfx::Shape::Rectangle({2.f, 2.f}, {8.f, 8.f}, gfx::Color::Cyan);
    Draw({&square}, pixels);
    EXPECT_EQ(pixels.GetPixel(5, 5), gfx::Color::Cyan);
    square.SetColor(gfx::Color::Magenta);
    Draw({&square}, pixels);
    EXPECT_EQ(pixels.GetPixel(5, 5), gfx::Color::Blue);
}

TEST(Shape, AnOpaqueFillOverTheWholeTargetClearsItInsteadOfDrawing)
{
    // A 30 x 30 square turned 10 degrees about the middle of the 20 x 20 target still covers it.
    gfx::Shape backdrop = gfx::Shape::Rectangle({0.f, 0.f}, {30.f, 30.f}, gfx::Color(10, 20, 30));
    backdrop.SetCenter(15.f, 15.f);
    backdrop.SetPosition(10.f, 10.f);
    backdrop.SetRotation(10.f);
    gfx::Image pixels;
    EXPECT_EQ(Draw({&backdrop}, pixels), 0u);
    EXPECT_EQ(CountPixels(pixels, gfx::Color(10, 20, 30)), 20u * 20u);

    // Moved, or seen through another view, it leaves a corner white; mixed by a lower alpha, it
    // lets the white through. Each is drawn.
    backdrop.Move(8.f, 0.f);
    EXPECT_EQ(Draw({&backdrop}, pixels), 1u);
    EXPECT_EQ(pixels.GetPixel(0, 0), gfx::Color::White);
    backdrop.Move(-8.f, 0.f);
    const gfx::View shifted(gfx::FloatRect(8.f, 0.f, 28.f, 20.f));
    EXPECT_EQ(Draw({&backdrop}, pixels, 20, &shifted), 1u);
    EXPECT_EQ(pixels.GetPixel(19, 0), gfx::Color::White);
    backdrop.SetColor(gfx::Color(255, 255, 255, 128));
    EXPECT_EQ(Draw({&backdrop}, pixels), 1u);
    EXPECT_EQ(pixels.GetPixel(10, 10), gfx::Color(132, 137, 142));
}
