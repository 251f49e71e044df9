#include "gfx/Randomizer.hpp"

#include <gtest/gtest.h>
#include <set>
#include <vector>

TEST(Randomizer, IntegersIncludeBothBounds)
{
    gfx::Randomizer::SetSeed(1);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i)
    {
        seen.insert(gfx::Randomizer::Random(0, 1));
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1}));

    EXPECT_EQ(gfx::Randomizer::Random(5, 5), 5);
    EXPECT_EQ(gfx::Randomizer::Random(-7, -7), -7);
}

TEST(Randomizer, BoundsMayComeInEitherOrder)
{
    gfx::Randomizer::SetSeed(2);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i)
    {
        seen.insert(gfx::Randomizer::Random(3, -3));
    }
    EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1, 2, 3}));

    for (int i = 0; i < 1000; ++i)
    {
        const float value = gfx::Randomizer::Random(3.f, 2.f);
        ASSERT_GE(value, 2.f);
        ASSERT_LE(value, 3.f);
    }
}

TEST(Randomizer, FloatsStayWithinTheBoundsAndSpreadOverThem)
{
    gfx::Randomizer::SetSeed(3);
    float lowest = 10.f;
    float highest = -10.f;
    for (int i = 0; i < 1000; ++i)
    {
        const float value = gfx::Randomizer::Random(-0.5f, 2.5f);
        ASSERT_GE(value, -0.5f);
        ASSERT_LE(value, 2.5f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, -0.4f);
    EXPECT_GT(highest, 2.4f);
}

TEST(Randomizer, SeedRepeatsTheSequence)
{
    const auto draw = []
    {
        std::vector<float> values;
        for (int i = 0; i < 20; ++i)
        {
            values.push_back(static_cast<float>(gfx::Randomizer::Random(0, 1000000)));
            values.push_back(gfx::Randomizer::Random(0.f, 1.f));
        }
        return values;
    };

    gfx::Randomizer::SetSeed(42);
    const std::vector<float> first = draw();
    gfx::Randomizer::SetSeed(42);
    EXPECT_EQ(draw(), first);
    gfx::Randomizer::SetSeed(43);
    EXPECT_NE(draw(), first);
}
