#include "gfx/View.hpp"

#include <gtest/gtest.h>

namespace
{
void ExpectRect(const gfx::FloatRect& rect, float left, float top, float right, float bottom)
{
    EXPECT_FLOAT_EQ(rect.Left, left);
    EXPECT_FLOAT_EQ(rect.Top, top);
    EXPECT_FLOAT_EQ(rect.Right, right);
    EXPECT_FLOAT_EQ(rect.Bottom, bottom);
}
} // namespace

TEST(View, RectangleGivesCentreAndHalfSize)
{
    gfx::View view(gfx::FloatRect(10.f, 20.f, 110.f, 220.f));

    EXPECT_EQ(view.GetCenter(), gfx::Vector2f(60.f, 120.f));
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(50.f, 100.f));
    ExpectRect(view.GetRect(), 10.f, 20.f, 110.f, 220.f);

    view.SetFromRect(gfx::FloatRect(-4.f, 0.f, 4.f, 2.f));
    EXPECT_EQ(view.GetCenter(), gfx::Vector2f(0.f, 1.f));
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(4.f, 1.f));
}

TEST(View, CentreAndHalfSizeGiveTheRectangle)
{
    gfx::View view(gfx::Vector2f(0.f, 0.f), gfx::Vector2f(50.f, 25.f));
    ExpectRect(view.GetRect(), -50.f, -25.f, 50.f, 25.f);

    view.SetHalfSize(gfx::Vector2f(10.f, 5.f));
    view.SetCenter(gfx::Vector2f(100.f, 200.f));
    ExpectRect(view.GetRect(), 90.f, 195.f, 110.f, 205.f);
}

TEST(View, MoveShiftsTheCentreOnly)
{
    gfx::View view(gfx::Vector2f(10.f, 10.f), gfx::Vector2f(5.f, 5.f));
    view.Move(3.f, -4.f);
    view.Move(gfx::Vector2f(1.f, 1.f));

    EXPECT_EQ(view.GetCenter(), gfx::Vector2f(14.f, 7.f));
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(5.f, 5.f));
}

TEST(View, ZoomDividesTheHalfSize)
{
    gfx::View view(gfx::Vector2f(10.f, 10.f), gfx::Vector2f(100.f, 60.f));

    view.Zoom(2.f);
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(50.f, 30.f));
    view.Zoom(0.5f);
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(100.f, 60.f));
    view.Zoom(0.f);
    EXPECT_EQ(view.GetHalfSize(), gfx::Vector2f(100.f, 60.f));
    EXPECT_EQ(view.GetCenter(), gfx::Vector2f(10.f, 10.f));
}
