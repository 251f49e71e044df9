#include "pulse/PulseVariation.hpp"

#include "support/ExactPulse.hpp"

#include <cmath>
#include <gtest/gtest.h>

using testing_support::ExactPulse;

namespace
{
// The beat of the examples below: time factor 2, phase a quarter period, factor 3, offset 1,
// already half a second into its run.
class PulseVariationTest : public testing::Test
{
protected:
    PulseVariationTest() { origin.Update(0.5f); }

    PulseGenerator origin{"origin", 2.f, 0.25f, 3.f, 1.f};
};
} // namespace

// --- Combining with the origin ---

TEST_F(PulseVariationTest, ScalesAndShiftsTheOriginFromTheOriginsTime)
{
    const PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    EXPECT_EQ(variation.GetTimeFactor(), 1.f);
    EXPECT_EQ(variation.GetPhaseOffset(), 0.5f);
    EXPECT_EQ(variation.GetFactor(), 6.f);
    EXPECT_EQ(variation.GetOffset(), 0.f);
    EXPECT_EQ(variation.GetTime(), 0.5f);
    EXPECT_EQ(variation.GetOrigin(), &origin);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 0.5f));
    EXPECT_FLOAT_EQ(variation.GetPulse(), -6.f * std::sin(0.5f));
}

TEST_F(PulseVariationTest, NeutralVariationsReproduceTheOriginExactly)
{
    PulseVariation variation(&origin, 1.f, 0.f, 1.f, 0.f);
    origin.SetTime(98765.4375f);
    variation.SetTime(98765.4375f);
    for (int step = 0; step < 50; ++step)
    {
        ASSERT_EQ(variation.GetPulse(), origin.GetPulse()) << "at time " << origin.GetTime();
        origin.Update(0.0137f);
        variation.Update(0.0137f);
    }
}

TEST_F(PulseVariationTest, FollowsEveryLaterChangeOfTheOrigin)
{
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    const float before = variation.GetPulse();

    origin.SetFactor(5.f);
    EXPECT_EQ(variation.GetFactor(), 10.f);
    EXPECT_NE(variation.GetPulse(), before);
    origin.SetTimeFactor(4.f);
    origin.SetPhaseOffset(0.f);
    origin.SetOffset(2.f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(2.f, 0.25f, 10.f, 1.f, 0.5f));
}

TEST_F(PulseVariationTest, ChangesThroughItsVariationSettersOnly)
{
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    const float before = variation.GetPulse();
    variation.SetTimeFactor(9.f);
    variation.SetPhaseOffset(9.f);
    variation.SetFactor(5.f);
    variation.SetOffset(9.f);
    EXPECT_EQ(variation.GetPulse(), before);

    variation.SetTimeFactorVariation(3.f);
    variation.SetPhaseOffsetVariation(0.1f);
    variation.SetFactorVariation(-1.f);
    variation.SetOffsetVariation(4.f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(6.f, 0.35f, -3.f, 5.f, 0.5f));
}

// --- Clocks ---

TEST_F(PulseVariationTest, RunsOnItsOwnClock)
{
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    variation.Update(0.5f);
    EXPECT_EQ(origin.GetTime(), 0.5f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 1.f));
    EXPECT_FLOAT_EQ(variation.GetPulse(), -6.f * std::sin(1.f));

    const float standing = variation.GetPulse();
    origin.Update(0.3f);
    EXPECT_EQ(variation.GetTime(), 1.f);
    EXPECT_EQ(variation.GetPulse(), standing);
}

TEST_F(PulseVariationTest, SwitchingTheOriginKeepsTheClock)
{
    PulseVariation variation(&origin, 1.f, 0.f, 1.f, 0.f);
    const PulseGenerator other("other", 1.f, 0.f, 2.f, 0.f);
    variation.SetOrigin(&other);
    EXPECT_EQ(variation.GetTime(), 0.5f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(1.f, 0.f, 2.f, 0.f, 0.5f));
}

// --- Chains and copies ---

TEST_F(PulseVariationTest, ChainMultipliesFactorsAndAddsAddendsAtEveryCall)
{
    const PulseVariation first(&origin, 2.f, 0.125f, 0.5f, 1.f);
    PulseVariation second(&first, 3.f, 0.25f, 4.f, -3.f);
    EXPECT_EQ(second.GetTime(), 0.5f);
    EXPECT_EQ(second.GetPulse(), ExactPulse(12.f, 0.625f, 6.f, -1.f, 0.5f));

    origin.SetFactor(5.f);
    origin.SetTimeFactor(1.f);
    second.Update(0.25f);
    EXPECT_EQ(second.GetPulse(), ExactPulse(6.f, 0.625f, 10.f, -1.f, 0.75f));
}

TEST_F(PulseVariationTest, CopyFollowsTheSameOriginOnItsOwnClock)
{
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    PulseVariation copy = variation;
    EXPECT_EQ(copy.GetOrigin(), &origin);

    origin.SetOffset(3.f);
    for (int step = 0; step < 3; ++step)
    {
        variation.Update(0.2f);
        copy.Update(0.2f);
        EXPECT_EQ(copy.GetPulse(), variation.GetPulse());
    }
    EXPECT_EQ(copy.GetOffset(), 2.f);

    copy.Update(1.f);
    EXPECT_NE(copy.GetTime(), variation.GetTime());
}
