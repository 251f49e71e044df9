#include "pulse/PulseGenerator.hpp"

#include "support/ExactPulse.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

TEST(PulseGenerator, SumsItsClockInDoubleAndRoundsThePulseOnce)
{
    // Far from zero and many periods in: an angle, a phase, a partial sum or the clock itself
    // rounded to float, or a float pi, shows in the last bits of some of these pulses.
    PulseGenerator generator("beat", 4.6f, 7.3f, 3.7f, 0.9f);
    generator.SetTime(98765.4375f);
    double time = 98765.4375;
    for (int step = 0; step < 200; ++step)
    {
        ASSERT_EQ(generator.GetPulse(), ExactPulse(4.6f, 7.3f, 3.7f, 0.9f, time))
            << "at time " << time;
        generator.Update(0.0137f);
        time += 0.0137f;
    }
}

TEST(PulseGenerator, EachGeneratorAndEachCopyRunsItsOwnClock)
{
    // The phase counts whole periods: a quarter period ahead, the pulse starts at its top.
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
