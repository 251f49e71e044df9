#include "gfx/Drawable.hpp"

#include "gfx/RenderTarget.hpp"
#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color White(255, 255, 255, 255);

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

gfx::Shape Square(float half, const gfx::Color& color)
{
    return gfx::Shape::Rectangle({-half, -half}, {half, half}, color);
}
} // namespace

TEST(Drawable, NestedChildLandsInParentFrameWithCounterClockwiseRotation)
{
    gfx::Shape child = Square(2.f, Red);
    child.SetPosition(10.f, 0.f);
    Parent parent(child);
    parent.SetPosition(100.f, 50.f);
    parent.SetRotation(90.f);

    const gfx::Image image =
        RenderOffscreen(200, 100, [&](gfx::RenderTarget& target) { target.Draw(parent); });

    EXPECT_EQ(image.GetPixel(100, 40), Red);
    EXPECT_EQ(image.GetPixel(100, 60), White);
    EXPECT_EQ(image.GetPixel(110, 50), White);
}
