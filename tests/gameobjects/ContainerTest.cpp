#include "gameobjects/Container.hpp"

#include "gfx/RenderTarget.hpp"
#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace
{
gfx::Shape Square(float half, const gfx::Color& color, const gfx::Vector2f& centre)
{
    gfx::Shape square = gfx::Shape::Rectangle({-half, -half}, {half, half}, color);
    square.SetPosition(centre);
    return square;
}
} // namespace

TEST(Container, DrawsItsMembersInItsFrameInListOrderAsOftenAsListed)
{
    const gfx::Color red(255, 0, 0, 255);
    gfx::Shape nested = Square(2.f, red, {10.f, 0.f});
    gfx::Shape under = Square(10.f, gfx::Color(0, 0, 255, 255), {-40.f, 20.f});
    gfx::Shape over = Square(10.f, gfx::Color(0, 255, 0, 255), {-40.f, 20.f});
    gfx::Shape shadow = Square(10.f, gfx::Color(0, 0, 0, 128), {100.f, 20.f});
    const gfx::Color white(255, 255, 255, 255);
    auto inner = std::make_unique<Container>(gfx::Vector2f(40.f, 10.f), gfx::Vector2f(2.f, 1.f),
                                             90.f, white);
    auto outer =
        std::make_unique<Container>(gfx::Vector2f(60.f, 40.f), gfx::Vector2f(1.f, 1.f), 0.f, white);
    inner->push_back(&nested);
    outer->insert(outer->end(), {inner.get(), &under, &over, &shadow, &shadow});

    const gfx::Image image = testing_support::RenderOffscreen(
        200, 100, [&](gfx::RenderTarget& target) { target.Draw(*outer); });

    // The nested square's centre (10, 0) is stretched to (20, 0); a quarter turn
    // counter-clockwise on screen maps (x, y) to (y, -x), giving (0, -20); the two containers'
    // positions add (100, 50). Stretched, then turned, the 4 x 4 square covers 4 x 8 pixels.
    EXPECT_EQ(image.GetPixel(100, 30), red);
    EXPECT_EQ(testing_support::CountPixels(image, red), 4u * 8u);
    EXPECT_EQ(image.GetPixel(20, 60), over.GetPointColor(0));
    // Half-transparent black over white: 127 once, 63 twice.
    EXPECT_NEAR(image.GetPixel(160, 60).r, 63, 1);

    // A container that deleted its members would free these squares on the stack.
    outer.reset();
    inner.reset();
    EXPECT_EQ(nested.GetNbPoints(), 4u);
}
