#include "gfx/Drawable.hpp"

#include "gfx/RenderTarget.hpp"
#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <utility>

namespace
{
// Draws its child inside its own frame.
class Parent : public gfx::Drawable
{
public:
    explicit Parent(const gfx::Drawable& child) : myChild(child) {}

protected:
    void Render(gfx::RenderTarget& target) const override { target.Draw(myChild); }

private:
    const gfx::Drawable& myChild;
};
} // namespace

TEST(Drawable, ChildLandsInTheParentFrameButKeepsItsColourAndBlendMode)
{
    // A child mixing by alpha at (10, 0) in a red parent that overwrites, turned a quarter
    // counter-clockwise: local +x points up on screen, so the child lands at (100, -10).
    gfx::Shape mixing = gfx::Shape::Rectangle({-3.f, -3.f}, {3.f, 3.f}, gfx::Color(0, 255, 0, 128));
    mixing.SetPosition(10.f, 0.f);
    Parent turned(mixing);
    turned.SetPosition(100.f, 0.f);
    turned.SetRotation(90.f);
    turned.SetColor(gfx::Color::Red);
    turned.SetBlendMode(gfx::Blend::None);

    // One unit per pixel, with the scene's (100, 0) in the middle.
    const gfx::Image image = testing_support::RenderOffscreen(
        100, 100,
        [&](gfx::RenderTarget& target)
        {
            target.SetView(gfx::View(gfx::FloatRect(50.f, -50.f, 150.f, 50.f)));
            target.Draw(turned);
        });

    // Half green over white, neither tinted red nor written as it is.
    EXPECT_EQ(image.GetPixel(50, 40), gfx::Color(127, 255, 127, 255));
    EXPECT_EQ(image.GetPixel(50, 60), gfx::Color::White);
    EXPECT_EQ(image.GetPixel(60, 50), gfx::Color::White);
}

TEST(Drawable, TransformsBetweenFramesAndReportsRotationWithinOneTurn)
{
    gfx::Shape shape;
    shape.SetPosition(20.f, 50.f);
    shape.SetX(30.f);
    shape.Move(0.f, -10.f);
    shape.SetCenter(5.f, 6.f);
    shape.SetScale(2.f, 3.f);
    shape.SetRotation(450.f);
    EXPECT_FLOAT_EQ(shape.GetRotation(), 90.f);

    // The centre lands on the position; (15, 6) is 10 right of the centre, scaled to 20 and
    // turned a quarter counter-clockwise to 20 above the position; (5, 7) is 1 below the centre,
    // scaled to 3 and turned to 3 right of it.
    const std::pair<gfx::Vector2f, gfx::Vector2f> points[] = {
        {{5.f, 6.f}, {30.f, 40.f}},
        {{15.f, 6.f}, {30.f, 20.f}},
        {{5.f, 7.f}, {33.f, 40.f}},
        {shape.TransformToLocal({-7.f, 11.5f}), {-7.f, 11.5f}}};
    for (const auto& [local, global] : points)
    {
        EXPECT_NEAR(shape.TransformToGlobal(local).x, global.x, 1e-3f);
        EXPECT_NEAR(shape.TransformToGlobal(local).y, global.y, 1e-3f);
    }

    shape.SetRotation(-90.f);
    EXPECT_FLOAT_EQ(shape.GetRotation(), 270.f);
    // Reduced naively, a tiny negative angle rounds up to 360 itself.
    shape.SetRotation(-1e-6f);
    EXPECT_TRUE(shape.GetRotation() >= 0.f && shape.GetRotation() < 360.f) << shape.GetRotation();
}
