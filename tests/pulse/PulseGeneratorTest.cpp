#include "pulse/PulseGenerator.hpp"

#include "support/ExactPulse.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

TEST(PulseGenerator, SumsInDoubleRoundsOnceAndShowsEveryChangeInTheNextPulse)
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

TEST(PulseGenerator, KeepsItsPaceAfterDaysOfShortFrames)
{
    // Thirty days in, a float clock is a quarter second coarse and drops a millisecond frame
    // whole; the first seconds of a scene must come out as they always did.
    struct Run
    {
        float start;
        float frame;
        int frames;
        float tolerance;
    };
    const Run runs[] = {{2592000.f, 0.001f, 1000, 1e-4f}, {0.f, 1.f / 60.f, 120, 1e-6f}};
    for (const Run& run : runs)
    {
        PulseGenerator generator("beat", 1.f, 0.f, 1.f, 0.f);
        generator.SetTime(run.start);
        for (int frame = 0; frame < run.frames; ++frame)
        {
            generator.Update(run.frame);
        }
        const double end = run.start + run.frames * static_cast<double>(run.frame);
        EXPECT_NEAR(generator.GetPulse(), ExactPulse(1.f, 0.f, 1.f, 0.f, end), run.tolerance)
            << run.frames << " frames of " << run.frame << " s from " << run.start << " s";
        EXPECT_EQ(generator.GetTime(), static_cast<float>(end));
    }
}
