#include "gameobjects/Background.hpp"

#include "gfx/Randomizer.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <list>
#include <set>
#include <utility>

using testing_support::CountPixels;
using testing_support::RenderOffscreen;

class BackgroundTestAccess
{
public:
    static const std::list<DancingRect>& Rects(const Background& b) { return b.rects; }
};

namespace
{
// How far a channel moved from its base, counted modulo 256 into -128 to 127.
int WrappedDelta(int channel, int base)
{
    return (channel - base + 384) % 256 - 128;
}

class BackgroundTest : public ::testing::Test
{
protected:
    BackgroundTest() { gfx::Randomizer::SetSeed(7); }

    const PulseGenerator rotation{"rotation", 1.f, 0.f, 30.f, 0.f};
    // Once updated, every inner square shrinks to at most a quarter of its rectangle.
    const PulseGenerator scale{"scale", 1.f, 0.f, 0.f, 0.f};
    const PulseGenerator shade{"shade", 1.f, 0.f, 0.f, 1.f};
    Background background{&rotation, &scale, &shade};
};
} // namespace

TEST_F(BackgroundTest, PopulatePutsOneTintedRectangleInEveryCell)
{
    const gfx::Color own(10, 128, 250, 255);
    background.SetColor(own);
    background.Populate({10.f, 20.f}, {70.f, 60.f}, 3, 2);

    std::set<std::pair<float, float>> centres;
    for (const DancingRect& rect : BackgroundTestAccess::Rects(background))
    {
        centres.insert({rect.GetPosition().x, rect.GetPosition().y});
        EXPECT_GE(rect.GetScale().x, 20.f);
        EXPECT_LE(rect.GetScale().x, 40.f);
        EXPECT_GE(rect.GetScale().y, 20.f);
        EXPECT_LE(rect.GetScale().y, 40.f);
        EXPECT_TRUE(rect.GetRotation() <= 10.f || rect.GetRotation() >= 350.f);
        EXPECT_LE(std::abs(WrappedDelta(rect.GetColor().r, own.r)), 20);
        EXPECT_LE(std::abs(WrappedDelta(rect.GetColor().g, own.g)), 20);
        EXPECT_LE(std::abs(WrappedDelta(rect.GetColor().b, own.b)), 20);
        EXPECT_GE(rect.GetColor().a, 200);
        // Scale and shade run out of step across the grid, by up to 1/16 and 1/4 of a period.
        EXPECT_LE(std::abs(rect.Scale.GetPhaseOffsetVariation()), 0.0625f);
        EXPECT_LE(std::abs(rect.Shade.GetPhaseOffsetVariation()), 0.25f);
        EXPECT_GE(rect.Scale.GetOffsetVariation(), 0.f);
        EXPECT_LE(rect.Scale.GetOffsetVariation(), 0.25f);
    }
    const std::set<std::pair<float, float>> cellCentres{{20.f, 30.f}, {40.f, 30.f}, {60.f, 30.f},
                                                        {20.f, 50.f}, {40.f, 50.f}, {60.f, 50.f}};
    EXPECT_EQ(BackgroundTestAccess::Rects(background).size(), 6u);
    EXPECT_EQ(centres, cellCentres);

    background.Populate({10.f, 20.f}, {70.f, 60.f}, 3, 2);
    EXPECT_EQ(BackgroundTestAccess::Rects(background).size(), 12u);
}

TEST_F(BackgroundTest, SwaysEverythingAboutItsOrigin)
{
    background.SetPosition(100.f, 50.f);
    background.Populate({0.f, 0.f}, {40.f, 20.f}, 2, 2);

    background.Update(5.f);

    // 10 * sin(3.5) is about -3.5 degrees, kept as 356.5.
    const float sway = testing_support::ExactPulse(0.7f, 0.f, 10.f, 0.f, 5.f);
    EXPECT_NEAR(background.GetRotation(), 360.f + sway, 1e-3f);
    EXPECT_EQ(background.TransformToGlobal({0.f, 0.f}), gfx::Vector2f(100.f, 50.f));
    for (const DancingRect& rect : BackgroundTestAccess::Rects(background))
    {
        EXPECT_FLOAT_EQ(rect.Rotation.GetTime(), 5.f);
    }
}

TEST_F(BackgroundTest, DrawsTheBackdropUnblended)
{
    const gfx::Color seeThrough(0, 0, 255, 100);
    background.SetColor(seeThrough);
    background.Populate({0.f, 0.f}, {40.f, 40.f}, 1, 1);
    background.Update(0.f);

    const gfx::Image image =
        RenderOffscreen(60, 60, [&](gfx::RenderTarget& target) { target.Draw(background); });

    EXPECT_EQ(image.GetPixel(3, 3), seeThrough);
    EXPECT_EQ(image.GetPixel(36, 36), seeThrough);
    EXPECT_EQ(image.GetPixel(50, 50), gfx::Color(255, 255, 255, 255));
}

TEST_F(BackgroundTest, UnpopulatedDrawsAWhiteUnitSquareAtItsOrigin)
{
    background.SetColor(gfx::Color(255, 0, 0, 255));
    background.SetPosition(10.f, 10.f);
    background.SetScale(20.f, 20.f);

    const gfx::Image image = RenderOffscreen(60, 60,
                                             [&](gfx::RenderTarget& target)
                                             {
                                                 target.Clear(gfx::Color(0, 0, 0, 255));
                                                 target.Draw(background);
                                             });

    EXPECT_EQ(CountPixels(image, gfx::Color(255, 255, 255, 255)), 20u * 20u);
}
