#include "gfx/RenderImage.hpp"

#include "gfx/Shape.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(RenderImage, AsksForNoMoreAntialiasingThanTheSystemGrants)
{
    gfx::RenderImage target(40, 30, 8);
    target.Clear(gfx::Color(255, 255, 255, 255));
    target.Draw(gfx::Shape::Rectangle({10.f, 10.f}, {20.f, 20.f}, gfx::Color(0, 0, 255, 255)));
    target.Display();

    const gfx::Image image = target.CopyToImage();
    EXPECT_EQ(image.GetWidth(), 40u);
    EXPECT_EQ(image.GetHeight(), 30u);
    EXPECT_EQ(image.GetPixel(15, 15), gfx::Color(0, 0, 255, 255));
    EXPECT_EQ(image.GetPixel(30, 15), gfx::Color(255, 255, 255, 255));
}

TEST(RenderImage, StartsWithOneUnitPerPixel)
{
    const gfx::RenderImage target(40, 30);

    EXPECT_EQ(target.GetWidth(), 40u);
    EXPECT_EQ(target.GetHeight(), 30u);
    EXPECT_EQ(target.GetView().GetCenter(), gfx::Vector2f(20.f, 15.f));
    EXPECT_EQ(target.GetView().GetHalfSize(), gfx::Vector2f(20.f, 15.f));
}

TEST(RenderImage, EmptyTargetIsRefused)
{
    EXPECT_THROW(gfx::RenderImage(0, 10), std::runtime_error);
    EXPECT_THROW(gfx::RenderImage(10, 0), std::runtime_error);
}
