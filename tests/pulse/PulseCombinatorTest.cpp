#include "pulse/PulseCombinator.hpp"

#include "pulse/PulseVariation.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace
{
// Notes every call in a shared log.
class RecordingSource final : public AbstractPulseGenerator
{
public:
    RecordingSource(std::string name, float pulse, std::string& log)
        : myName(std::move(name)), myPulse(pulse), myLog(log)
    {
    }

    float GetPulse() const override
    {
        myLog += myName;
        return myPulse;
    }

private:
    std::string myName;
    float myPulse;
    std::string& myLog;
};
} // namespace

TEST(PulseCombinator, AddsTheCurrentPulsesOfBothSources)
{
    PulseGenerator origin("origin", 2.f, 0.25f, 3.f, 1.f);
    origin.Update(0.5f);
    PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    const PulseCombinator sum(&origin, &variation);
    EXPECT_EQ(sum.GetPulse(), origin.GetPulse() + variation.GetPulse());
    EXPECT_FLOAT_EQ(sum.GetPulse(), 1.f + 3.f * std::cos(1.f) - 6.f * std::sin(0.5f));

    origin.Update(0.25f);
    origin.SetFactor(2.f);
    variation.Update(0.5f);
    EXPECT_EQ(sum.GetPulse(), origin.GetPulse() + variation.GetPulse());
}

TEST(PulseCombinator, AsksTheFirstSourceFirst)
{
    std::string log;
    const RecordingSource first("1", 0.25f, log);
    const RecordingSource second("2", 0.5f, log);
    EXPECT_EQ(PulseCombinator(&first, &second).GetPulse(), 0.75f);
    EXPECT_EQ(log, "12");
}
