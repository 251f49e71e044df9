#include "pulse/PulseCombinator.hpp"

#include "pulse/PulseVariation.hpp"

#include <gtest/gtest.h>

TEST(PulseCombinator, AddsTheCurrentPulsesOfBothSources)
{
    PulseGenerator origin("origin", 2.f, 0.25f, 3.f, 1.f);
    origin.Update(0.5f);
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    const PulseCombinator sum(&origin, &variation);
    EXPECT_EQ(sum.GetPulse(), origin.GetPulse() + variation.GetPulse());

    origin.Update(0.25f);
    origin.SetFactor(2.f);
    variation.Update(0.5f);
    EXPECT_EQ(sum.GetPulse(), origin.GetPulse() + variation.GetPulse());
    EXPECT_NE(origin.GetPulse(), variation.GetPulse());
}
