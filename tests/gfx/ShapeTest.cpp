#include "gfx/Shape.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color Green(0, 255, 0, 255);
const gfx::Color Blue(0, 0, 255, 255);
const gfx::Color White(255, 255, 255, 255);

gfx::Image Render(const gfx::Shape& shape)
{
    return RenderOffscreen(100, 100, [&](gfx::RenderTarget& target) { target.Draw(shape); });
}
} // namespace

TEST(Shape, PointsOutlineTheFilledArea)
{
    gfx::Shape triangle;
    triangle.AddPoint({10.f, 10.f}, Red);
    triangle.AddPoint({50.f, 10.f}, Red);
    triangle.AddPoint({10.f, 50.f}, Red);
    ASSERT_EQ(triangle.GetNbPoints(), 3u);

    const gfx::Image before = Render(triangle);
    EXPECT_EQ(before.GetPixel(15, 15), Red);
    EXPECT_EQ(before.GetPixel(45, 45), White);

    // Moving the third point makes a right triangle on the other diagonal.
    triangle.SetPointPosition(2, {50.f, 50.f});
    EXPECT_EQ(triangle.GetPointPosition(2), gfx::Vector2f(50.f, 50.f));
    const gfx::Image after = Render(triangle);
    EXPECT_EQ(after.GetPixel(45, 45), Red);
    EXPECT_EQ(after.GetPixel(12, 40), White);
}

TEST(Shape, EachPointCarriesItsFillColour)
{
    // Red on the left edge, blue on the right: the colours are blended across the shape.
    gfx::Shape shape;
    shape.AddPoint({10.f, 10.f}, Red);
    shape.AddPoint({90.f, 10.f}, Blue);
    shape.AddPoint({90.f, 90.f}, Blue);
    shape.AddPoint({10.f, 90.f});
    shape.SetPointColor(3, Red);
    EXPECT_EQ(shape.GetPointColor(3), Red);

    const gfx::Image image = Render(shape);
    const gfx::Color left = image.GetPixel(11, 50);
    const gfx::Color right = image.GetPixel(88, 50);
    EXPECT_GT(left.r, 240);
    EXPECT_LT(left.b, 15);
    EXPECT_GT(right.b, 240);
    EXPECT_LT(right.r, 15);
}

TEST(Shape, OutlineLiesOutsideThePoints)
{
    const gfx::Shape square = gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, Red, 2.f, Blue);
    EXPECT_FLOAT_EQ(square.GetOutlineWidth(), 2.f);

    const gfx::Image image = Render(square);

    // The fill keeps its 20 x 20 pixels; the outline adds 2 on every side: 24 x 24 in all.
    EXPECT_EQ(CountPixels(image, Red), 20u * 20u);
    EXPECT_EQ(CountPixels(image, Blue), 24u * 24u - 20u * 20u);
    EXPECT_EQ(image.GetPixel(7, 20), White);
    EXPECT_EQ(image.GetPixel(8, 20), Blue);
    EXPECT_EQ(image.GetPixel(10, 20), Red);
    EXPECT_EQ(image.GetPixel(31, 31), Blue);
    EXPECT_EQ(image.GetPixel(32, 20), White);
}

TEST(Shape, EachPointCarriesItsOutlineColour)
{
    gfx::Shape square = gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, Red, 2.f, Blue);
    for (unsigned int i = 0; i < square.GetNbPoints(); ++i)
    {
        square.SetPointOutlineColor(i, Green);
    }
    EXPECT_EQ(square.GetPointOutlineColor(0), Green);

    const gfx::Image image = Render(square);
    EXPECT_EQ(CountPixels(image, Green), 24u * 24u - 20u * 20u);
    EXPECT_EQ(CountPixels(image, Blue), 0u);
}

TEST(Shape, OutlineWidthCanChangeAfterTheShapeIsDrawn)
{
    gfx::Shape square = gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, Red);
    EXPECT_EQ(CountPixels(Render(square), gfx::Color(0, 0, 0, 255)), 0u);

    square.SetOutlineWidth(1.f);
    EXPECT_EQ(CountPixels(Render(square), gfx::Color(0, 0, 0, 255)), 22u * 22u - 20u * 20u);
}

TEST(Shape, RectangleHasTheFourCorners)
{
    const gfx::Shape rect = gfx::Shape::Rectangle({10.f, 20.f}, {40.f, 60.f}, Green);

    ASSERT_EQ(rect.GetNbPoints(), 4u);
    EXPECT_EQ(rect.GetPointPosition(0), gfx::Vector2f(10.f, 20.f));
    EXPECT_EQ(rect.GetPointPosition(1), gfx::Vector2f(40.f, 20.f));
    EXPECT_EQ(rect.GetPointPosition(2), gfx::Vector2f(40.f, 60.f));
    EXPECT_EQ(rect.GetPointPosition(3), gfx::Vector2f(10.f, 60.f));
    EXPECT_EQ(CountPixels(Render(rect), Green), 30u * 40u);
}

TEST(Shape, CircleFillsTheDiscAroundItsCentre)
{
    const gfx::Shape circle = gfx::Shape::Circle({50.f, 50.f}, 20.f, Red, 3.f, Blue);

    for (unsigned int i = 0; i < circle.GetNbPoints(); ++i)
    {
        const gfx::Vector2f offset = circle.GetPointPosition(i) - gfx::Vector2f(50.f, 50.f);
        EXPECT_NEAR(offset.x * offset.x + offset.y * offset.y, 400.f, 1e-2f);
    }

    const gfx::Image image = Render(circle);
    EXPECT_EQ(image.GetPixel(50, 50), Red);
    EXPECT_EQ(image.GetPixel(50, 31), Red);
    EXPECT_EQ(image.GetPixel(50, 71), Blue);
    EXPECT_EQ(image.GetPixel(63, 63), Red);
    EXPECT_EQ(image.GetPixel(68, 68), White);
    // pi * 20^2 = 1257 for the disc, about pi * (23^2 - 20^2) = 405 for the ring.
    EXPECT_NEAR(CountPixels(image, Red), 1257, 30);
    EXPECT_NEAR(CountPixels(image, Blue), 405, 30);
}

TEST(Shape, DrawableColourMultipliesThePointColours)
{
    gfx::Shape square =
        gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, gfx::Color(200, 100, 50, 255), 2.f,
                              gfx::Color(255, 255, 255, 255));
    square.SetColor(gfx::Color(128, 255, 64, 255));

    const gfx::Image image = Render(square);

    // a * b / 255 per channel: 200 * 128 / 255 = 100, 100 * 255 / 255 = 100, 50 * 64 / 255 = 12.
    EXPECT_EQ(image.GetPixel(20, 20), gfx::Color(100, 100, 12, 255));
    EXPECT_EQ(image.GetPixel(9, 20), gfx::Color(128, 255, 64, 255));
}

TEST(Shape, BlendNoneWritesTheColourAsItIs)
{
    const gfx::Color halfRed(255, 0, 0, 128);
    gfx::Shape square = gfx::Shape::Rectangle({10.f, 10.f}, {30.f, 30.f}, halfRed);

    const gfx::Color mixed = Render(square).GetPixel(20, 20);
    EXPECT_NE(mixed, halfRed);
    EXPECT_NEAR(mixed.g, 127, 1);

    square.SetBlendMode(gfx::Blend::None);
    EXPECT_EQ(Render(square).GetPixel(20, 20), halfRed);
}

TEST(Shape, FewerThanThreePointsDrawNothing)
{
    gfx::Shape shape;
    shape.SetOutlineWidth(5.f);
    EXPECT_EQ(CountPixels(Render(shape), White), 100u * 100u);

    shape.AddPoint({10.f, 10.f}, Red, Blue);
    EXPECT_EQ(CountPixels(Render(shape), White), 100u * 100u);

    shape.AddPoint({80.f, 60.f}, Red, Blue);
    EXPECT_EQ(CountPixels(Render(shape), White), 100u * 100u);
}

TEST(Shape, PointAccessorsRejectABadIndex)
{
    gfx::Shape shape = gfx::Shape::Rectangle({0.f, 0.f}, {1.f, 1.f}, Red);

    EXPECT_THROW(shape.GetPointPosition(4), std::out_of_range);
    EXPECT_THROW(shape.GetPointColor(4), std::out_of_range);
    EXPECT_THROW(shape.GetPointOutlineColor(4), std::out_of_range);
    EXPECT_THROW(shape.SetPointPosition(4, {0.f, 0.f}), std::out_of_range);
    EXPECT_THROW(shape.SetPointColor(4, Red), std::out_of_range);
    EXPECT_THROW(shape.SetPointOutlineColor(4, Red), std::out_of_range);
    EXPECT_THROW(gfx::Shape().GetPointPosition(0), std::out_of_range);
}
