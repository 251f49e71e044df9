#include "gfx/Clock.hpp"

#include "support/ManualTime.hpp"

#include <gtest/gtest.h>

TEST(Clock, MeasuresSecondsFromTheTimeSource)
{
    testing_support::ManualTime time;
    gfx::Clock clock;
    EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 0.f);

    time.Advance(0.25);
    EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 0.25f);
    time.Advance(1.5);
    EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 1.75f);
}

TEST(Clock, ResetStartsFromNow)
{
    testing_support::ManualTime time;
    gfx::Clock clock;
    time.Advance(3.0);

    clock.Reset();
    EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 0.f);
    time.Advance(0.5);
    EXPECT_FLOAT_EQ(clock.GetElapsedTime(), 0.5f);
}

TEST(Clock, EmptySourceRestoresTheSystemClock)
{
    {
        testing_support::ManualTime time;
        time.Advance(1e6);
    }
    const gfx::Clock clock;
    const float elapsed = clock.GetElapsedTime();
    EXPECT_GE(elapsed, 0.f);
    EXPECT_LT(elapsed, 1.f);
}
