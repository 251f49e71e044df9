#include "gameobjects/Beat.hpp"

#include "support/Pixels.hpp"

#include <gtest/gtest.h>

TEST(ApplyShade, MultipliesByATruncatedGreyAndHoldsOutOfRangeShades)
{
    const gfx::Color own(200, 100, 50, 128);
    // 0.5 gives the grey 127, and 200 * 127 / 255 = 99.6 truncates to 99.
    EXPECT_EQ(ApplyShade(own, 0.5f), gfx::Color(99, 49, 24, 128));
    EXPECT_EQ(ApplyShade(own, 1.3f), own);
    EXPECT_EQ(ApplyShade(own, -0.2f), gfx::Color(0, 0, 0, 128));
}
