#include "gameobjects/Container.hpp"

#include "gfx/RenderTarget.hpp"
#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <memory>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color White(255, 255, 255, 255);

gfx::Shape Square(float half, const gfx::Color& color)
{
    return gfx::Shape::Rectangle({-half, -half}, {half, half}, color);
}

gfx::Image Render(const gfx::Drawable& drawable)
{
    return RenderOffscreen(200, 100, [&](gfx::RenderTarget& target) { target.Draw(drawable); });
}
} // namespace

TEST(Container, CarriesItsMembersThroughNestedTransforms)
{
    gfx::Shape square = Square(2.f, Red);
    square.SetPosition(10.f, 0.f);
    Container inner({40.f, 10.f}, {2.f, 1.f}, 90.f, White);
    inner.push_back(&square);
    Container outer({60.f, 40.f}, {1.f, 1.f}, 0.f, White);
    outer.push_back(&inner);

    // The square's centre (10, 0) is stretched to (20, 0); a quarter turn counter-clockwise on
    // screen maps (x, y) to (y, -x), giving (0, -20); the two positions add (100, 50).
    const gfx::Image image = Render(outer);

    EXPECT_EQ(image.GetPixel(100, 30), Red);
    EXPECT_EQ(CountPixels(image, Red), 4u * 8u);
    EXPECT_EQ(square.GetPosition(), gfx::Vector2f(10.f, 0.f));
}

TEST(Container, DrawsMembersInListOrderAndAsOftenAsListed)
{
    Container container({50.f, 50.f}, {1.f, 1.f}, 0.f, White);
    EXPECT_EQ(CountPixels(Render(container), White), 200u * 100u);

    gfx::Shape red = Square(10.f, Red);
    gfx::Shape green = Square(10.f, gfx::Color(0, 255, 0, 255));
    container.push_back(&red);
    container.push_back(&green);
    EXPECT_EQ(Render(container).GetPixel(50, 50), gfx::Color(0, 255, 0, 255));
    container.push_back(&red);
    EXPECT_EQ(Render(container).GetPixel(50, 50), Red);

    // Half-transparent black over white: 127 once, 63 twice.
    gfx::Shape shadow = Square(10.f, gfx::Color(0, 0, 0, 128));
    Container twice({50.f, 50.f}, {1.f, 1.f}, 0.f, White);
    twice.push_back(&shadow);
    EXPECT_NEAR(Render(twice).GetPixel(50, 50).r, 127, 1);
    twice.push_back(&shadow);
    EXPECT_NEAR(Render(twice).GetPixel(50, 50).r, 63, 1);
}

TEST(Container, LeavesItsMembersAliveWhenDestroyed)
{
    auto square = std::make_unique<gfx::Shape>(Square(5.f, Red));
    auto container =
        std::make_unique<Container>(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(1.f, 1.f), 0.f, White);
    container->push_back(square.get());
    container.reset();

    square->SetPosition(50.f, 50.f);
    EXPECT_EQ(CountPixels(Render(*square), Red), 100u);
}
