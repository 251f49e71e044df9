#include "pulse/PulseCombinator.hpp"

#include "pulse/PulseVariation.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace
{
// A source that notes its name when it is asked, and answers 0.25 or 0.5.
struct NotingSource final : AbstractPulseGenerator
{
    NotingSource(std::string& notes, char name) : notes(notes), name(name) {}
    float GetPulse() const override
    {
        notes += name;
        return name == '1' ? 0.25f : 0.5f;
    }

    std::string& notes;
    const char name;
};
} // namespace

TEST(PulseCombinator, AddsTheCurrentPulsesOfBothSourcesAskingTheFirstFirst)
{
    // The origin (time factor 2, a quarter period ahead, factor 3, offset 1) and a variation of
    // it (0.5, 0.25, 2, -1), both half a second in: 1 + 3 cos 1 - 6 sin 0.5.
    PulseGenerator origin("origin", 2.f, 0.25f, 3.f, 1.f);
    origin.Update(0.5f);
    const PulseVariation variation(&origin, 0.5f, 0.25f, 2.f, -1.f);
    EXPECT_NEAR(PulseCombinator(&origin, &variation).GetPulse(),
                1.0 + 3.0 * std::cos(1.0) - 6.0 * std::sin(0.5), 1e-6);

    std::string notes;
    const NotingSource first(notes, '1');
    const NotingSource second(notes, '2');
    EXPECT_EQ(PulseCombinator(&first, &second).GetPulse(), 0.75f);
    EXPECT_EQ(notes, "12");
}
