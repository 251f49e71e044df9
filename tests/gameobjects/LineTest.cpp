#include "gameobjects/Line.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace
{
using Corners = std::vector<gfx::Vector2f>;

Corners CornersOf(const Line& line)
{
    Corners corners;
    for (unsigned int i = 0; i < line.GetNbPoints(); ++i)
    {
        corners.push_back(line.GetPointPosition(i));
    }
    return corners;
}
} // namespace

TEST(Line, CornersGoAroundWithHalfTheWidthOnEachSideAndCollapseForCoincidingEnds)
{
    Line line({0.f, 0.f}, {10.f, 0.f}, 4.f, 2.f, gfx::Color(0, 0, 255, 255));
    EXPECT_EQ(CornersOf(line), (Corners{{0.f, 2.f}, {0.f, -2.f}, {10.f, -1.f}, {10.f, 1.f}}));

    line.SetPoints({5.f, 5.f}, {5.f, 5.f});
    EXPECT_EQ(CornersOf(line), Corners(4, gfx::Vector2f(5.f, 5.f)));
    line.SetP2({5.f, 15.f});
    EXPECT_EQ(CornersOf(line), (Corners{{3.f, 5.f}, {7.f, 5.f}, {6.f, 15.f}, {4.f, 15.f}}));
}
