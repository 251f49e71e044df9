#include "pulse/PulseVariation.hpp"

#include "support/ExactPulse.hpp"

#include <gtest/gtest.h>

using testing_support::ExactPulse;

// The origin of the examples: time factor 2, phase a quarter period, factor 3, offset 1, half a
// second into its run. A variation's own fields stay neutral, so a pulse that reads the fields
// instead of the getters comes out wrong here.

TEST(PulseVariation, StartsAtItsOriginsExactTimeThenRunsOnItsOwnClock)
{
    PulseGenerator origin("origin", 2.f, 0.25f, 3.f, 1.f);
    origin.Update(0.5f);
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 0.5f));

    variation.Update(0.5f);
    PulseVariation copy = variation;
    copy.Update(1.f);
    origin.Update(0.25f);
    EXPECT_EQ(variation.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 1.f));
    EXPECT_EQ(copy.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 2.f));

    // Thirty days in, the origin's time rounded to float would be a tenth of a second early.
    origin.SetTime(2592000.f);
    origin.Update(0.1f);
    const PulseVariation late(&origin, 0.5f, 0.25f, 2.f, -1.f);
    EXPECT_NEAR(late.GetPulse(), ExactPulse(1.f, 0.5f, 6.f, 0.f, 2592000.0 + 0.1f), 1e-4f);
}

TEST(PulseVariation, ChainFollowsEveryLaterChangeUpstream)
{
    PulseGenerator origin("origin", 2.f, 0.25f, 3.f, 1.f);
    origin.Update(0.5f);
    PulseVariation first(&origin, 2.f, 0.125f, 0.5f, 1.f);
    PulseVariation second(&first, 3.f, 0.25f, 4.f, -3.f);
    EXPECT_EQ(second.GetPulse(), ExactPulse(12.f, 0.625f, 6.f, -1.f, 0.5f));

    origin.SetTimeFactor(1.f);
    origin.SetFactor(5.f);
    first.SetPhaseOffsetVariation(0.375f);
    second.SetOffsetVariation(-4.f);
    second.Update(0.25f);
    EXPECT_EQ(second.GetPulse(), ExactPulse(6.f, 0.875f, 10.f, -2.f, 0.75f));
}
