#include "gfx/Drawable.hpp"

#include "gfx/RenderTarget.hpp"
#include "gfx/Shape.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

namespace
{
const gfx::Color Red(255, 0, 0, 255);
const gfx::Color Green(0, 255, 0, 255);
const gfx::Color White(255, 255, 255, 255);

// Draws its child inside its own frame. Takes the child by pointer so that a parent of a
// parent is not mistaken for a copy.
class Parent : public gfx::Drawable
{
public:
    explicit Parent(const gfx::Drawable* child) : myChild(child) {}

protected:
    void Render(gfx::RenderTarget& target) const override { target.Draw(*myChild); }

private:
    const gfx::Drawable* myChild;
};

gfx::Shape Square(float half, const gfx::Color& color)
{
    return gfx::Shape::Rectangle({-half, -half}, {half, half}, color);
}

gfx::Image Render(const gfx::Drawable& drawable)
{
    return RenderOffscreen(200, 100, [&](gfx::RenderTarget& target) { target.Draw(drawable); });
}

void ExpectNear(const gfx::Vector2f& actual, const gfx::Vector2f& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-3f);
    EXPECT_NEAR(actual.y, expected.y, 1e-3f);
}
} // namespace

TEST(Drawable, PositionSettersAndMoveShiftTheDrawable)
{
    gfx::Shape square = gfx::Shape::Rectangle({0.f, 0.f}, {4.f, 4.f}, Red);
    square.SetPosition(30.f, 10.f);
    square.SetX(50.f);
    square.SetY(20.f);
    square.Move(5.f, 1.f);
    square.Move(gfx::Vector2f(-1.f, 1.f));
    ExpectNear(square.GetPosition(), {54.f, 22.f});

    const gfx::Image image = Render(square);

    EXPECT_EQ(image.GetPixel(54, 22), Red);
    EXPECT_EQ(image.GetPixel(57, 25), Red);
    EXPECT_EQ(image.GetPixel(53, 22), White);
    EXPECT_EQ(image.GetPixel(54, 26), White);
}

TEST(Drawable, ScaleStretchesEachAxisOnItsOwn)
{
    gfx::Shape bar = gfx::Shape::Rectangle({0.f, 0.f}, {10.f, 5.f}, Red);
    bar.SetPosition(20.f, 20.f);
    bar.SetScale(2.f, 3.f);

    const gfx::Image image = Render(bar);

    EXPECT_EQ(CountPixels(image, Red), 20u * 15u);
    EXPECT_EQ(image.GetPixel(39, 34), Red);
    EXPECT_EQ(image.GetPixel(40, 20), White);
    EXPECT_EQ(image.GetPixel(20, 35), White);
}

TEST(Drawable, PositiveRotationTurnsCounterClockwiseOnScreen)
{
    gfx::Shape bar = gfx::Shape::Rectangle({0.f, -1.f}, {20.f, 1.f}, Red);
    bar.SetPosition(50.f, 50.f);
    bar.SetRotation(90.f);

    const gfx::Image image = Render(bar);

    // Local +x points up on screen after a quarter turn counter-clockwise (y grows downwards).
    EXPECT_EQ(image.GetPixel(50, 35), Red);
    EXPECT_EQ(image.GetPixel(50, 65), White);
    EXPECT_EQ(image.GetPixel(65, 50), White);
}

TEST(Drawable, CentreLandsOnThePositionAndIsThePivot)
{
    gfx::Shape square = gfx::Shape::Rectangle({0.f, 0.f}, {10.f, 10.f}, Red);
    square.SetCenter(5.f, 5.f);
    square.SetPosition(50.f, 50.f);
    ExpectNear(square.GetCenter(), {5.f, 5.f});

    const gfx::Image upright = Render(square);
    EXPECT_EQ(CountPixels(upright, Red), 100u);
    EXPECT_EQ(upright.GetPixel(45, 45), Red);
    EXPECT_EQ(upright.GetPixel(54, 54), Red);

    // Turned by 45 degrees about its centre it becomes a diamond around (50, 50): the old
    // corners are empty, the tips reach 5 * sqrt(2) = 7.07 along the axes.
    square.SetRotation(45.f);
    const gfx::Image turned = Render(square);
    EXPECT_EQ(turned.GetPixel(45, 45), White);
    EXPECT_EQ(turned.GetPixel(54, 54), White);
    EXPECT_EQ(turned.GetPixel(50, 44), Red);
    EXPECT_EQ(turned.GetPixel(55, 50), Red);
}

TEST(Drawable, ColourTintsTheDrawable)
{
    gfx::Shape square = Square(5.f, White);
    square.SetPosition(20.f, 20.f);
    square.SetColor(Green);
    EXPECT_EQ(square.GetColor(), Green);

    EXPECT_EQ(Render(square).GetPixel(20, 20), Green);
}

TEST(Drawable, NestedChildLandsInParentFrameWithCounterClockwiseRotation)
{
    gfx::Shape child = Square(2.f, Red);
    child.SetPosition(10.f, 0.f);
    Parent parent(&child);
    parent.SetPosition(100.f, 50.f);
    parent.SetRotation(90.f);

    const gfx::Image image = Render(parent);

    EXPECT_EQ(image.GetPixel(100, 40), Red);
    EXPECT_EQ(image.GetPixel(100, 60), White);
    EXPECT_EQ(image.GetPixel(110, 50), White);
}

TEST(Drawable, NestedTransformsComposeOverThreeLevels)
{
    gfx::Shape child = Square(2.f, Red);
    child.SetPosition(5.f, 0.f);
    Parent middle(&child);
    middle.SetPosition(10.f, 0.f);
    middle.SetScale(2.f, 2.f);
    Parent outer(&middle);
    outer.SetPosition(100.f, 50.f);
    outer.SetRotation(90.f);

    const gfx::Image image = Render(outer);

    // In the outer frame the child sits at (10, 0) + 2 * (5, 0) = (20, 0), four units wide;
    // the quarter turn counter-clockwise puts it 20 above (100, 50).
    EXPECT_EQ(CountPixels(image, Red), 8u * 8u);
    EXPECT_EQ(image.GetPixel(96, 26), Red);
    EXPECT_EQ(image.GetPixel(103, 33), Red);
    EXPECT_EQ(image.GetPixel(100, 35), White);
}

TEST(Drawable, ChildKeepsItsOwnColour)
{
    gfx::Shape child = Square(4.f, Green);
    Parent parent(&child);
    parent.SetPosition(50.f, 50.f);
    parent.SetColor(Red);

    EXPECT_EQ(Render(parent).GetPixel(50, 50), Green);
}

TEST(Drawable, BlendModeBelongsToEachDrawable)
{
    const gfx::Color halfRed(255, 0, 0, 128);

    // A child mixing by alpha inside a parent that overwrites: the child is still mixed.
    gfx::Shape mixed = Square(4.f, halfRed);
    Parent overwriting(&mixed);
    overwriting.SetPosition(50.f, 50.f);
    overwriting.SetBlendMode(gfx::Blend::None);
    const gfx::Color mixedPixel = Render(overwriting).GetPixel(50, 50);
    EXPECT_EQ(mixedPixel.a, 255);
    EXPECT_NEAR(mixedPixel.g, 127, 1);

    // A child that overwrites inside a parent mixing by alpha: the child's colour is written.
    gfx::Shape written = Square(4.f, halfRed);
    written.SetBlendMode(gfx::Blend::None);
    Parent mixing(&written);
    mixing.SetPosition(50.f, 50.f);
    EXPECT_EQ(mixing.GetBlendMode(), gfx::Blend::Alpha);
    EXPECT_EQ(Render(mixing).GetPixel(50, 50), halfRed);
}

TEST(Drawable, RotationIsReportedWithinOneTurn)
{
    gfx::Shape shape;
    shape.SetRotation(-90.f);
    EXPECT_FLOAT_EQ(shape.GetRotation(), 270.f);
    shape.SetRotation(720.f);
    EXPECT_FLOAT_EQ(shape.GetRotation(), 0.f);
    shape.SetRotation(450.f);
    EXPECT_FLOAT_EQ(shape.GetRotation(), 90.f);

    shape.SetRotation(-1e-6f);
    EXPECT_GE(shape.GetRotation(), 0.f);
    EXPECT_LT(shape.GetRotation(), 360.f);
}

TEST(Drawable, TransformToLocalAndGlobalAreInverseWithCentreScaleAndRotation)
{
    gfx::Shape shape;
    shape.SetPosition(30.f, 40.f);
    shape.SetCenter(5.f, 6.f);
    shape.SetScale(2.f, 3.f);
    shape.SetRotation(90.f);

    // The centre lands on the position; (15, 6) is 10 right of the centre, scaled to 20 and
    // turned a quarter counter-clockwise to 20 above the position.
    ExpectNear(shape.TransformToGlobal({5.f, 6.f}), {30.f, 40.f});
    ExpectNear(shape.TransformToGlobal({15.f, 6.f}), {30.f, 20.f});
    // (5, 7) is 1 below the centre, scaled to 3, turned to 3 right of the position.
    ExpectNear(shape.TransformToGlobal({5.f, 7.f}), {33.f, 40.f});

    ExpectNear(shape.TransformToLocal({30.f, 20.f}), {15.f, 6.f});
    const gfx::Vector2f point(-7.f, 11.5f);
    ExpectNear(shape.TransformToGlobal(shape.TransformToLocal(point)), point);
    ExpectNear(shape.TransformToLocal(shape.TransformToGlobal(point)), point);
}
