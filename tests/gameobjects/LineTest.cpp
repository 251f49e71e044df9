#include "gameobjects/Line.hpp"

#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

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

TEST(Line, DrawsInItsDrawableColourAndMovesAsAWhole)
{
    Line line({10.f, 20.f}, {90.f, 20.f}, 10.f, 10.f, gfx::Color(0, 0, 255, 255));
    EXPECT_EQ(line.GetColor(), gfx::Color(0, 0, 255, 255));
    // Recolouring the drawable alone must recolour the line: its points stay white.
    line.SetColor(gfx::Color(255, 0, 0, 255));
    line.SetPosition(0.f, 30.f);

    const gfx::Image image = testing_support::RenderOffscreen(
        100, 100, [&](gfx::RenderTarget& target) { target.Draw(line); });
    EXPECT_EQ(image.GetPixel(50, 50), line.GetColor());
    EXPECT_EQ(image.GetPixel(50, 20), gfx::Color(255, 255, 255, 255));
    EXPECT_EQ(image.GetPixel(50, 57), gfx::Color(255, 255, 255, 255));
}
