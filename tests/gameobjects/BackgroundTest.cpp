#include "gameobjects/Background.hpp"

#include "gameobjects/BackgroundProbe.hpp"
#include "gfx/Randomizer.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>

TEST(Background, FillsEveryCellOnceOverAnOpaqueBackdropAndSwaysAboutItsOrigin)
{
    gfx::Randomizer::SetSeed(7);
    const PulseGenerator rotation{"rotation", 1.f, 0.f, 30.f, 0.f};
    // Once updated, every inner square shrinks to at most a quarter of its rectangle.
    const PulseGenerator scale{"scale", 1.f, 0.f, 0.f, 0.f};
    const PulseGenerator shade{"shade", 1.f, 0.f, 0.f, 1.f};
    Background background{&rotation, &scale, &shade};
    const gfx::Color seeThrough(100, 128, 150, 100);
    background.SetColor(seeThrough);
    background.Populate({0.f, 0.f}, {60.f, 40.f}, 3, 2);

    std::set<std::pair<float, float>> centres;
    for (const DancingRect& rect : BackgroundProbe::Rects(background))
    {
        centres.insert({rect.GetPosition().x, rect.GetPosition().y});
        // One to two cell sizes of 20 x 20.
        EXPECT_TRUE(rect.GetScale().x >= 20.f && rect.GetScale().x <= 40.f);
        EXPECT_TRUE(rect.GetScale().y >= 20.f && rect.GetScale().y <= 40.f);
        const gfx::Color color = rect.GetColor();
        EXPECT_LE(std::abs(color.r - seeThrough.r), 20);
        EXPECT_LE(std::abs(color.g - seeThrough.g), 20);
        EXPECT_LE(std::abs(color.b - seeThrough.b), 20);
        EXPECT_GE(color.a, 200);
    }
    EXPECT_EQ(
        centres,
        (std::set<std::pair<float, float>>{
            {10.f, 10.f}, {30.f, 10.f}, {50.f, 10.f}, {10.f, 30.f}, {30.f, 30.f}, {50.f, 30.f}}));
    EXPECT_EQ(BackgroundProbe::Rects(background).size(), 6u);

    background.Update(0.f);
    const gfx::Image image = testing_support::RenderOffscreen(
        70, 50, [&](gfx::RenderTarget& target) { target.Draw(background); });
    EXPECT_EQ(image.GetPixel(1, 1), seeThrough);
    EXPECT_EQ(image.GetPixel(58, 38), seeThrough);
    EXPECT_EQ(image.GetPixel(65, 45), gfx::Color(255, 255, 255, 255));

    background.Populate({0.f, 0.f}, {60.f, 40.f}, 3, 2);
    EXPECT_EQ(BackgroundProbe::Rects(background).size(), 12u);
    background.SetPosition(100.f, 50.f);
    background.Update(5.f);
    // 10 * sin(3.5) is about -3.5 degrees, kept as 356.5.
    const float sway = testing_support::ExactPulse(0.7f, 0.f, 10.f, 0.f, 5.f);
    EXPECT_NEAR(background.GetRotation(), 360.f + sway, 1e-3f);
    EXPECT_EQ(background.TransformToGlobal({0.f, 0.f}), gfx::Vector2f(100.f, 50.f));
}

TEST(Background, RandomisesEachRectanglesPhasesScaleAndTurnWithinTheirRanges)
{
    gfx::Randomizer::SetSeed(11);
    const PulseGenerator beat{"beat", 1.f, 0.f, 1.f, 0.f};
    Background background{&beat, &beat, &beat};
    background.SetColor(gfx::Color(62, 46, 183, 255));
    background.Populate({0.f, 0.f}, {100.f, 100.f}, 10, 10);

    // The largest draw seen of each, which a narrower or a wider range would give away.
    float scalePhase = 0.f;
    float shadePhase = 0.f;
    float scaleOffset = 0.f;
    float turn = 0.f;
    for (const DancingRect& rect : BackgroundProbe::Rects(background))
    {
        scalePhase = std::max(scalePhase, std::abs(rect.Scale.GetPhaseOffsetVariation()));
        shadePhase = std::max(shadePhase, std::abs(rect.Shade.GetPhaseOffsetVariation()));
        scaleOffset = std::max(scaleOffset, rect.Scale.GetOffsetVariation());
        EXPECT_GE(rect.Scale.GetOffsetVariation(), 0.f);
        const float rotation = rect.GetRotation();
        turn = std::max(turn, std::min(rotation, 360.f - rotation));
    }
    // A quarter of +-0.25 for the scale's phase, +-0.25 for the shade's, up to 0.25 more scale,
    // and up to 10 degrees either way.
    EXPECT_TRUE(scalePhase <= 0.0625f && scalePhase > 0.05f) << scalePhase;
    EXPECT_TRUE(shadePhase <= 0.25f && shadePhase > 0.2f) << shadePhase;
    EXPECT_TRUE(scaleOffset <= 0.25f && scaleOffset > 0.2f) << scaleOffset;
    EXPECT_TRUE(turn <= 10.f && turn > 9.f) << turn;
}
