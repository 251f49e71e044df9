#include "gameobjects/Line.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace
{
const gfx::Color Blue(0, 0, 255, 255);
const gfx::Color White(255, 255, 255, 255);

std::vector<gfx::Vector2f> Corners(const Line& line)
{
    std::vector<gfx::Vector2f> corners;
    for (unsigned int i = 0; i < line.GetNbPoints(); ++i)
    {
        corners.push_back(line.GetPointPosition(i));
    }
    return corners;
}

using Corners4 = std::vector<gfx::Vector2f>;
} // namespace

TEST(Line, CornersGoAroundWithHalfTheWidthOnEachSide)
{
    Line line({0.f, 0.f}, {10.f, 0.f}, 4.f, 2.f, Blue);
    EXPECT_EQ(Corners(line), (Corners4{{0.f, 2.f}, {0.f, -2.f}, {10.f, -1.f}, {10.f, 1.f}}));

    line.SetPoints({10.f, 0.f}, {0.f, 0.f});
    EXPECT_EQ(Corners(line), (Corners4{{10.f, -2.f}, {10.f, 2.f}, {0.f, 1.f}, {0.f, -1.f}}));

    line.SetThickness1(0.f);
    EXPECT_EQ(Corners(line), (Corners4{{10.f, 0.f}, {10.f, 0.f}, {0.f, 1.f}, {0.f, -1.f}}));
}

TEST(Line, CoincidingEndsCollapseUntilAnEndMovesAway)
{
    Line line({5.f, 5.f}, {5.f, 5.f}, 4.f, 2.f, Blue);
    EXPECT_EQ(Corners(line), Corners4(4, gfx::Vector2f(5.f, 5.f)));

    line.SetP2({5.f, 15.f});
    EXPECT_EQ(Corners(line), (Corners4{{3.f, 5.f}, {7.f, 5.f}, {6.f, 15.f}, {4.f, 15.f}}));
}

TEST(Line, DrawsInItsOwnColourAndMovesAsAWhole)
{
    Line line({10.f, 20.f}, {90.f, 20.f}, 10.f, 10.f, Blue);
    line.SetPosition(0.f, 30.f);
    EXPECT_EQ(line.GetP1(), gfx::Vector2f(10.f, 20.f));
    EXPECT_EQ(line.GetP2(), gfx::Vector2f(90.f, 20.f));

    const gfx::Image image = testing_support::RenderOffscreen(
        100, 100, [&](gfx::RenderTarget& target) { target.Draw(line); });
    EXPECT_EQ(image.GetPixel(50, 50), Blue);
    EXPECT_EQ(image.GetPixel(50, 20), White);
    EXPECT_EQ(image.GetPixel(95, 50), White);
    EXPECT_EQ(image.GetPixel(50, 57), White);
}
