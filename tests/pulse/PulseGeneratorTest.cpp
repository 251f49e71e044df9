#include "pulse/PulseGenerator.hpp"

#include "support/ExactPulse.hpp"

#include <cmath>
#include <gtest/gtest.h>

using testing_support::ExactPulse;

namespace
{
// Keeps neutral values in the fields and answers its getters with other ones, so any part of the
// pulse that reads a field instead of its getter comes out wrong.
class ReshapedGenerator : public PulseGenerator
{
public:
    ReshapedGenerator() : PulseGenerator("reshaped", 1.f, 0.f, 1.f, 0.f) {}

    float GetTimeFactor() const override { return 2.f; }
    float GetPhaseOffset() const override { return 0.25f; }
    float GetFactor() const override { return 3.f; }
    float GetOffset() const override { return 1.f; }
};
} // namespace

// --- The wave ---

TEST(PulseGenerator, StartsAtQuarterPeriodPeakAndFollowsItsTime)
{
    PulseGenerator generator("beat", 2.f, 0.25f, 3.f, 1.f);
    EXPECT_EQ(generator.GetTime(), 0.f);
    EXPECT_EQ(generator.GetPulse(), 4.f);

    generator.Update(0.5f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(2.f, 0.25f, 3.f, 1.f, 0.5f));
    EXPECT_FLOAT_EQ(generator.GetPulse(), 1.f + 3.f * std::cos(1.f));
}

TEST(PulseGenerator, SumsInDoubleAndRoundsOnceAtTheEnd)
{
    // A time far from zero and a phase of many periods: an angle, a phase or a partial sum
    // rounded to float, or a float pi, shows in the last bits of some of these pulses.
    PulseGenerator generator("beat", 4.6f, 7.3f, 3.7f, 0.9f);
    generator.SetTime(98765.4375f);
    for (int step = 0; step < 200; ++step)
    {
        ASSERT_EQ(generator.GetPulse(), ExactPulse(4.6f, 7.3f, 3.7f, 0.9f, generator.GetTime()))
            << "at time " << generator.GetTime();
        generator.Update(0.0137f);
    }
}

TEST(PulseGenerator, ReadsItsParametersThroughTheGetters)
{
    ReshapedGenerator generator;
    EXPECT_EQ(generator.GetPulse(), 4.f);
    generator.Update(0.5f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(2.f, 0.25f, 3.f, 1.f, 0.5f));
}

// --- Changes ---

TEST(PulseGenerator, SettersShowInTheNextPulse)
{
    PulseGenerator generator("beat", 2.f, 0.f, 3.f, 1.f);
    generator.Update(0.5f);
    EXPECT_EQ(generator.GetPulse(), generator.GetPulse());

    generator.SetTimeFactor(3.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.f, 3.f, 1.f, 0.5f));
    generator.SetPhaseOffset(0.1f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.1f, 3.f, 1.f, 0.5f));
    generator.SetFactor(5.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.1f, 5.f, 1.f, 0.5f));
    generator.SetOffset(-2.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.1f, 5.f, -2.f, 0.5f));
    generator.SetTime(7.f);
    EXPECT_EQ(generator.GetPulse(), ExactPulse(3.f, 0.1f, 5.f, -2.f, 7.f));
}

TEST(PulseGenerator, TimeAccumulatesWithoutChecks)
{
    PulseGenerator halves("halves", 2.f, 0.f, 3.f, 1.f);
    PulseGenerator whole("whole", 2.f, 0.f, 3.f, 1.f);
    halves.Update(0.25f);
    halves.Update(0.25f);
    whole.Update(0.5f);
    EXPECT_EQ(halves.GetTime(), whole.GetTime());
    EXPECT_EQ(halves.GetPulse(), whole.GetPulse());

    whole.SetTime(3.f);
    whole.Update(0.5f);
    EXPECT_EQ(whole.GetTime(), 3.5f);
    whole.Update(-1.5f);
    EXPECT_EQ(whole.GetTime(), 2.f);

    whole.Update(std::nanf(""));
    whole.Update(1.f);
    EXPECT_TRUE(std::isnan(whole.GetPulse()));
}

// --- Clocks ---

TEST(PulseGenerator, EachGeneratorAndEachCopyRunsItsOwnClock)
{
    PulseGenerator original("one", 2.f, 0.25f, 3.f, 1.f);
    PulseGenerator other("two", 2.f, 0.25f, 3.f, 1.f);
    original.Update(0.5f);
    EXPECT_EQ(other.GetTime(), 0.f);

    PulseGenerator copy = original;
    EXPECT_EQ(copy.GetTime(), 0.5f);
    EXPECT_EQ(copy.GetPulse(), original.GetPulse());

    copy.Update(0.25f);
    EXPECT_EQ(original.GetTime(), 0.5f);
    copy.SetFactor(7.f);
    EXPECT_EQ(original.GetFactor(), 3.f);
}
