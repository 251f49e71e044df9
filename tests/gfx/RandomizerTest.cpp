#include "gfx/Randomizer.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

TEST(Randomizer, IncludesBothBoundsInEitherOrderAndRepeatsAfterTheSameSeed)
{
    gfx::Randomizer::SetSeed(1);
    std::set<int> seen;
    float lowest = 10.f;
    float highest = -10.f;
    for (int i = 0; i < 1000; ++i)
    {
        seen.insert(gfx::Randomizer::Random(3, -3));
        const float value = gfx::Randomizer::Random(-0.5f, 2.5f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1, 2, 3}));
    EXPECT_TRUE(lowest >= -0.5f && lowest < -0.4f) << lowest;
    EXPECT_TRUE(highest <= 2.5f && highest > 2.4f) << highest;

    gfx::Randomizer::SetSeed(42);
    const int integer = gfx::Randomizer::Random(0, 1000000);
    const float real = gfx::Randomizer::Random(0.f, 1.f);
    gfx::Randomizer::SetSeed(42);
    EXPECT_EQ(gfx::Randomizer::Random(0, 1000000), integer);
    EXPECT_EQ(gfx::Randomizer::Random(0.f, 1.f), real);
}
