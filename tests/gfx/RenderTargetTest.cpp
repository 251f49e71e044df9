#include "gfx/RenderTarget.hpp"

#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color White(255, 255, 255, 255);

gfx::Image RenderThrough(const gfx::View& view, const gfx::Drawable& drawable)
{
    return RenderOffscreen(100, 100,
                           [&](gfx::RenderTarget& target)
                           {
                               target.SetView(view);
                               target.Draw(drawable);
                           });
}
} // namespace

TEST(RenderTarget, ClearFillsEveryPixel)
{
    const gfx::Color blue(0, 0, 255, 255);
    const gfx::Image image =
        RenderOffscreen(20, 10, [&](gfx::RenderTarget& target) { target.Clear(blue); });

    EXPECT_EQ(CountPixels(image, blue), 200u);
}

TEST(RenderTarget, ZoomedViewMagnifiesAboutItsCentre)
{
    const gfx::Shape square = gfx::Shape::Rectangle({45.f, 45.f}, {55.f, 55.f}, Red);
    gfx::View view(gfx::FloatRect(0.f, 0.f, 100.f, 100.f));
    view.Zoom(2.f);

    const gfx::Image image = RenderThrough(view, square);

    // Scene (25, 25) to (75, 75) fills the target: the square doubles to pixels 40 to 59.
    EXPECT_EQ(CountPixels(image, Red), 20u * 20u);
    EXPECT_EQ(image.GetPixel(40, 40), Red);
    EXPECT_EQ(image.GetPixel(59, 59), Red);
    EXPECT_EQ(image.GetPixel(60, 50), White);
}

TEST(RenderTarget, MovedViewShiftsTheSceneTheOtherWay)
{
    const gfx::Shape square = gfx::Shape::Rectangle({45.f, 45.f}, {55.f, 55.f}, Red);
    gfx::View view(gfx::FloatRect(0.f, 0.f, 100.f, 100.f));
    view.Move(20.f, -10.f);

    const gfx::Image image = RenderThrough(view, square);

    EXPECT_EQ(CountPixels(image, Red), 100u);
    EXPECT_EQ(image.GetPixel(25, 55), Red);
    EXPECT_EQ(image.GetPixel(34, 64), Red);
    EXPECT_EQ(image.GetPixel(45, 45), White);
}

TEST(RenderTarget, ViewStaysInForceUntilTheNextOne)
{
    const gfx::View zoomed(gfx::Vector2f(50.f, 50.f), gfx::Vector2f(25.f, 25.f));
    gfx::Shape square = gfx::Shape::Rectangle({45.f, 45.f}, {55.f, 55.f}, Red);

    const gfx::Image image =
        RenderOffscreen(100, 100,
                        [&](gfx::RenderTarget& target)
                        {
                            target.SetView(zoomed);
                            EXPECT_EQ(target.GetView().GetHalfSize(), zoomed.GetHalfSize());
                            target.Draw(square);
                            square.Move(20.f, 0.f);
                            target.Draw(square);
                        });

    EXPECT_EQ(CountPixels(image, Red), 2u * 20u * 20u);
}
