#include "misc/math_utils.hpp"

#include <gtest/gtest.h>

TEST(MathUtils, NormalTurnsTheDirectionAQuarterClockwiseOnScreen)
{
    gfx::Vector2f normal;
    EXPECT_TRUE(MathUtils::ComputeNormal({0.f, 0.f}, {3.f, 4.f}, normal));
    EXPECT_FLOAT_EQ(normal.x, -0.8f);
    EXPECT_FLOAT_EQ(normal.y, 0.6f);

    // Running to the left the normal points up, running to the right it points down.
    MathUtils::ComputeNormal({450.f, 300.f}, {100.f, 300.f}, normal);
    EXPECT_EQ(normal, gfx::Vector2f(0.f, -1.f));
    MathUtils::ComputeNormal({100.f, 300.f}, {450.f, 300.f}, normal);
    EXPECT_EQ(normal, gfx::Vector2f(0.f, 1.f));
}

TEST(MathUtils, NormalOfCoincidingPointsFailsAndIsZero)
{
    gfx::Vector2f normal(7.f, -7.f);
    EXPECT_FALSE(MathUtils::ComputeNormal({5.f, 5.f}, {5.f, 5.f}, normal));
    EXPECT_EQ(normal, gfx::Vector2f(0.f, 0.f));
}

TEST(MathUtils, LengthAndDotProduct)
{
    EXPECT_FLOAT_EQ(MathUtils::VectorLen({3.f, 4.f}), 5.f);
    EXPECT_FLOAT_EQ(MathUtils::VectorLen({0.f, 0.f}), 0.f);
    EXPECT_FLOAT_EQ(MathUtils::DotProduct({1.f, 2.f}, {3.f, 4.f}), 11.f);
    EXPECT_FLOAT_EQ(MathUtils::DotProduct({1.f, 0.f}, {0.f, 1.f}), 0.f);
}

TEST(MathUtils, TransformShapeFromLocalMapsPointsAndScalesOutline)
{
    gfx::Shape local;
    local.SetPosition(10.f, 20.f);
    local.SetScale(2.f, 4.f);
    local.SetRotation(90.f);
    gfx::Shape shape;
    shape.AddPoint({1.f, 0.f}, gfx::Color(1, 2, 3, 4), gfx::Color(5, 6, 7, 8));
    shape.AddPoint({0.f, 1.f});
    shape.SetOutlineWidth(1.f);

    const gfx::Shape global = MathUtils::TransformShapeFromLocal(shape, &local);

    // Scaled, then turned a quarter counter-clockwise on screen, then moved.
    EXPECT_NEAR(global.GetPointPosition(0).x, 10.f, 1e-4f);
    EXPECT_NEAR(global.GetPointPosition(0).y, 18.f, 1e-4f);
    EXPECT_NEAR(global.GetPointPosition(1).x, 14.f, 1e-4f);
    EXPECT_NEAR(global.GetPointPosition(1).y, 20.f, 1e-4f);
    EXPECT_EQ(global.GetPointColor(0), gfx::Color(1, 2, 3, 4));
    EXPECT_EQ(global.GetPointOutlineColor(0), gfx::Color(5, 6, 7, 8));
    EXPECT_FLOAT_EQ(global.GetOutlineWidth(), 3.f);
    EXPECT_EQ(global.GetPosition(), gfx::Vector2f(0.f, 0.f));
    EXPECT_EQ(shape.GetPointPosition(0), gfx::Vector2f(1.f, 0.f));

    local.SetScale(1.f, 1.f);
    EXPECT_FLOAT_EQ(MathUtils::TransformShapeFromLocal(gfx::Shape(), &local).GetOutlineWidth(),
                    0.f);
    EXPECT_FLOAT_EQ(MathUtils::TransformShapeFromLocal(shape, &local).GetOutlineWidth(), 1.f);
}
