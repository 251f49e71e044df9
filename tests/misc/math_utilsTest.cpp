#include "misc/math_utils.hpp"

#include <gtest/gtest.h>

TEST(MathUtils, TransformShapeFromLocalMapsPointsAndScalesTheOutlineByTheMeanScale)
{
    gfx::Shape local;
    local.SetPosition(10.f, 20.f);
    local.SetScale(2.f, 4.f);
    local.SetRotation(90.f);
    gfx::Shape shape;
    shape.AddPoint({1.f, 0.f});
    shape.SetOutlineWidth(1.f);

    const gfx::Shape global = MathUtils::TransformShapeFromLocal(shape, &local);

    // Scaled to (2, 0), turned a quarter counter-clockwise on screen to (0, -2), then moved.
    EXPECT_NEAR(global.GetPointPosition(0).x, 10.f, 1e-4f);
    EXPECT_NEAR(global.GetPointPosition(0).y, 18.f, 1e-4f);
    EXPECT_FLOAT_EQ(global.GetOutlineWidth(), 3.f);
}
