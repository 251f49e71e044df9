#include "gameobjects/Background.hpp"

#include "gameobjects/BackgroundProbe.hpp"
#include "gfx/Randomizer.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>

TEST(Background, FillsEachCellOnceWithARectangleDrawnWithinItsRanges)
{
    gfx::Randomizer::SetSeed(11);
    const PulseGenerator beat{"beat", 1.f, 0.f, 1.f, 0.f};
    Background background{&beat, &beat, &beat};
    background.SetColor(gfx::Color(62, 46, 183, 255));
    background.Populate({0.f, 0.f}, {100.f, 100.f}, 20, 20);

    // Where each draw lies in its range, from -1 to 1: a quarter of +-0.25 for the scale's phase,
    // +-0.25 for the shade's, 0 to 0.25 more scale, one to two cells of 5 wide and high, +-10
    // degrees, +-20 on each colour channel and an alpha from 200 to 255. The lowest and the
    // highest of 400 draws give away a narrower, a wider or a shifted range.
    std::array<float, 10> lowest{};
    std::array<float, 10> highest{};
    std::set<std::pair<float, float>> centres;
    std::set<std::pair<float, float>> cells;
    for (const DancingRect& r : BackgroundProbe::Rects(background))
    {
        const gfx::Color c = r.GetColor();
        const float turn = r.GetRotation() > 180.f ? r.GetRotation() - 360.f : r.GetRotation();
        const float draws[] = {r.Scale.GetPhaseOffsetVariation() / 0.0625f,
                               r.Shade.GetPhaseOffsetVariation() / 0.25f,
                               r.Scale.GetOffsetVariation() / 0.125f - 1.f,
                               r.GetScale().x / 2.5f - 3.f,
                               r.GetScale().y / 2.5f - 3.f,
                               turn / 10.f,
                               (c.r - 62.f) / 20.f,
                               (c.g - 46.f) / 20.f,
                               (c.b - 183.f) / 20.f,
                               (c.a - 227.5f) / 27.5f};
        for (std::size_t i = 0; i < lowest.size(); ++i)
        {
            lowest[i] = std::min(lowest[i], draws[i]);
            highest[i] = std::max(highest[i], draws[i]);
        }
        centres.insert({r.GetPosition().x, r.GetPosition().y});
        cells.insert({2.5f + 5.f * (cells.size() % 20), 2.5f + 5.f * (cells.size() / 20)});
    }
    for (std::size_t i = 0; i < lowest.size(); ++i)
    {
        EXPECT_TRUE(lowest[i] >= -1.00001f && lowest[i] < -0.9f) << i << ": " << lowest[i];
        EXPECT_TRUE(highest[i] <= 1.00001f && highest[i] > 0.9f) << i << ": " << highest[i];
    }
    EXPECT_EQ(centres, cells);
}

TEST(Background, SwaysAboutItsOriginOverAnOpaqueBackdrop)
{
    // The rectangles' inner squares shrink to at most a quarter of a cell.
    const PulseGenerator none{"none", 1.f, 0.f, 0.f, 0.f};
    Background background{&none, &none, &none};
    const gfx::Color seeThrough(100, 128, 150, 100);
    background.SetColor(seeThrough);
    background.Populate({0.f, 0.f}, {60.f, 40.f}, 3, 2);
    background.Update(0.f);
    const gfx::Image image = testing_support::RenderOffscreen(
        70, 50, [&](gfx::RenderTarget& target) { target.Draw(background); });
    EXPECT_EQ(image.GetPixel(1, 1), seeThrough);
    EXPECT_EQ(image.GetPixel(58, 38), seeThrough);
    EXPECT_EQ(image.GetPixel(65, 45), gfx::Color(255, 255, 255, 255));

    background.SetPosition(100.f, 50.f);
    background.Update(5.f);
    // 10 * sin(0.7 * 5) is about -3.5 degrees, kept as 356.5.
    EXPECT_NEAR(background.GetRotation(),
                360.f + testing_support::ExactPulse(0.7f, 0.f, 10.f, 0.f, 5.f), 1e-3f);
    EXPECT_EQ(background.TransformToGlobal({0.f, 0.f}), gfx::Vector2f(100.f, 50.f));
}
