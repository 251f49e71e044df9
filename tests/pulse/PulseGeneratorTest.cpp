#include "pulse/PulseGenerator.hpp"

#include "support/ExactPulse.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

TEST(PulseGenerator, SumsInDoubleRoundsOnceAndShowsEveryChangeInTheNextPulse)
{
    // Far from zero and many periods in: an angle, a phase or a partial sum rounded to float, or
    // a float pi, shows in the last bits of some of these pulses.
    PulseGenerator generator("beat", 4.6f, 7.3f, 3.7f, 0.9f);
    generator.SetTime(98765.4375f);
    for (int step = 0; step < 200; ++step)
    {
        ASSERT_EQ(generator.GetPulse(), ExactPulse(4.6f, 7.3f, 3.7f, 0.9f, generator.GetTime()))
            << "at time " << generator.GetTime();
        generator.Update(0.0137f);
    }

    generator.SetTime(0.5f);
    generator.SetTimeFactor(3.f);
    generator.SetPhaseOffset(0.1f);
    generator.SetFactor(5.f);
    generator.SetOffset(-2.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.1f, 5.f, -2.f, 0.5f));
}

TEST(PulseGenerator, EachGeneratorAndEachCopyRunsItsOwnClock)
{
    PulseGenerator generator("beat", 2.f, 0.25f, 3.f, 1.f);
    EXPECT_EQ(generator.GetPulse(), 4.f);
    const PulseGenerator untouched = generator;
    generator.Update(0.5f);
    PulseGenerator copy = generator;
    copy.Update(0.25f);

    EXPECT_EQ(untouched.GetTime(), 0.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(2.f, 0.25f, 3.f, 1.f, 0.5f));
    EXPECT_EQ(copy.GetPulse(), ExactPulse(2.f, 0.25f, 3.f, 1.f, 0.75f));
}
