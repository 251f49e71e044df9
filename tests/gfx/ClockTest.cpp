#include "gfx/Clock.hpp"

#include "stage/ManualTimeSource.hpp"

#include <gtest/gtest.h>

TEST(Clock, MeasuresSecondsFromTheTimeSourceSinceTheLastReset)
{
    {
        ManualTimeSource time;
        gfx::Clock clock;
        time.Advance(0.25);
        clock.Reset();
        time.Advance(0.5);
        EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 0.5f);
        time.Advance(1e6);
    }
    // Without a replacement the system's clock is back.
    const float elapsed = gfx::Clock().GetElapsedTime();
    EXPECT_TRUE(elapsed >= 0.f && elapsed < 1.f) << elapsed;
}
