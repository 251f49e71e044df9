#include "gfx/RenderImage.hpp"

#include "gfx/Shape.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(RenderImage, DrawsOneUnitPerPixelWhateverAntialiasingIsAskedForButNeedsPixels)
{
    gfx::RenderImage target(40, 30, 8);
    target.Clear(gfx::Color::White);
    target.Draw(gfx::Shape::Rectangle({10.f, 10.f}, {20.f, 20.f}, gfx::Color::Blue));
    target.Display();

    const gfx::Image image = target.CopyToImage();
    EXPECT_EQ(image.GetPixel(10, 10), gfx::Color::Blue);
    EXPECT_EQ(image.GetPixel(19, 19), gfx::Color::Blue);
    EXPECT_EQ(image.GetPixel(20, 15), gfx::Color::White);

    EXPECT_THROW(gfx::RenderImage(0, 10), std::runtime_error);
    EXPECT_THROW(gfx::RenderImage(10, 0), std::runtime_error);
}
