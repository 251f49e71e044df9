#include "gfx/RenderImage.hpp"

#include "gfx/Shape.hpp"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

TEST(RenderImage, DrawsOneUnitPerPixelAntialiasedFourTimesAtMostButNeedsPixels)
{
    gfx::RenderImage target(40, 30, 8);
    target.Clear(gfx::Color::White);
    target.Draw(gfx::Shape::Rectangle({10.f, 10.f}, {20.f, 20.f}, gfx::Color::Blue));
    gfx::Shape wedge;
    for (const gfx::Vector2f& corner : {gfx::Vector2f(0.f, 30.f), {40.f, 23.f}, {40.f, 30.f}})
    {
        wedge.AddPoint(corner, gfx::Color::Black);
    }
    target.Draw(wedge);
    target.Display();

    const gfx::Image image = target.CopyToImage();
    EXPECT_EQ(image.GetPixel(10, 10), gfx::Color::Blue);
    EXPECT_EQ(image.GetPixel(19, 19), gfx::Color::Blue);
    EXPECT_EQ(image.GetPixel(20, 15), gfx::Color::White);
    // Four samples a pixel, also where the system grants more: five shades of grey along the
    // wedge's slanted edge, from white to black, so that pictures come out alike everywhere.
    std::set<int> shades;
    for (unsigned int x = 0; x < 40; ++x)
    {
        for (unsigned int y = 21; y < 30; ++y)
        {
            shades.insert(image.GetPixel(x, y).r);
        }
    }
    EXPECT_EQ(shades.size(), 5u);

    EXPECT_THROW(gfx::RenderImage(0, 10), std::runtime_error);
    EXPECT_THROW(gfx::RenderImage(10, 0), std::runtime_error);
}
