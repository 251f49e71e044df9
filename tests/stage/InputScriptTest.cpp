#include "stage/InputScript.hpp"

#include "main/UsageError.hpp"
#include "stage/SyntheticEvents.hpp"

#include <cstring>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>

using namespace events;

namespace
{
std::vector<ScriptStep> StepsOf(const std::string& text)
{
    std::istringstream stream(text);
    return InputScript::Parse(stream, "drag.txt").GetSteps();
}
} // namespace

TEST(InputScript, EachInputStepBecomesTheEventsTheWindowWouldDeliver)
{
    using K = gfx::Keyboard;
    const std::pair<const char*, std::vector<gfx::Event>> cases[] = {
        {"move 10 -20", {MouseMoved(10, -20)}},
        {"press left 1 2", {MousePressed(gfx::Mouse::Left, 1, 2)}},
        {"release right 3 4", {MouseReleased(gfx::Mouse::Right, 3, 4)}},
        {"press middle 5 6", {MousePressed(gfx::Mouse::Middle, 5, 6)}},
        // Under X a wheel step arrives in both forms; scenes listen to either.
        {"wheel -2 30 40", {MouseWheelMoved(-2, 30, 40), MouseWheelScrolled(-2.f, 30, 40)}},
        {"key PageUp", {KeyPressed(K::PageUp), KeyReleased(K::PageUp)}},
        {"keydown left", {KeyPressed(K::Left)}},
        {"keyup ESCAPE", {KeyReleased(K::Escape)}},
        {"keydown q", {KeyPressed(K::Q)}},
        {"keydown 7", {KeyPressed(K::Num7)}},
        {"keydown numpad3", {KeyPressed(K::Numpad3)}},
        {"keydown F12", {KeyPressed(K::F12)}},
        {"enter", {MouseEntered()}},
        {"leave", {MouseLeft()}},
    };
    for (const auto& [text, events] : cases)
    {
        const std::vector<ScriptStep> steps = StepsOf(text);
        ASSERT_EQ(steps.size(), 1u) << text;
        ASSERT_EQ(steps[0].Events.size(), events.size()) << text;
        // Both sides start from zeroed events, so equal fields mean equal bytes.
        EXPECT_EQ(
            std::memcmp(steps[0].Events.data(), events.data(), events.size() * sizeof(gfx::Event)),
            0)
            << text;
    }
}

TEST(InputScript, AMalformedLineIsReportedWithItsNumber)
{
    const std::pair<const char*, std::string> cases[] = {
        {"frames 1 # fine\n\n# a comment\njump 3", "drag.txt line 4: unknown step \"jump\""},
        {"move 1.5 2", "drag.txt line 1: X must be a whole number, not \"1.5\""},
        {"move 1 99999999999", "drag.txt line 1: Y must be from -2147483648 to 2147483647"},
        {"\npress up 1 2", "drag.txt line 2: unknown button \"up\""},
        {"release left 1", "drag.txt line 1: \"release\" takes 3 arguments"},
        {"wheel 0 1 2", "drag.txt line 1: DELTA must not be 0"},
        {"key Hyperspace", "drag.txt line 1: unknown key \"Hyperspace\" (the keys are Left"},
        {"resize 0 600", "drag.txt line 1: W must be from 1 to 8192, not 0"},
        {"frames 2 -0.5", "drag.txt line 1: SECONDS must be from 0 to 3600, not \"-0.5\""},
        {"frames 1 inf", "drag.txt line 1: SECONDS must be a decimal number, not \"inf\""},
        {"frames 1 nan", "drag.txt line 1: SECONDS must be a decimal number, not \"nan\""},
        {"set speed 1 main", "drag.txt line 1: unknown parameter \"speed\""},
        {"set factor 1e9 main", "drag.txt line 1: VALUE must be from -1000 to 1000"},
        {"set factor 2", "drag.txt line 1: \"set\" takes 3 arguments or more"},
        {"frames 1\nseed 3", "drag.txt line 2: \"seed\" comes once, before every step"},
    };
    for (const auto& [text, message] : cases)
    {
        std::string problem;
        try
        {
            StepsOf(text);
        }
        catch (const UsageError& error)
        {
            problem = error.what();
        }
        EXPECT_EQ(problem.rfind(message, 0), 0u) << "got \"" << problem << "\" for " << message;
    }
}

TEST(InputScript, ARecordingsStepsCarryTheirTimesThePulsesNameAndTheSeed)
{
    std::istringstream text("seed 42\nframes 3 0.25\npause\nstep\nset PhaseOffset -0.5 shelf 1 "
                            "slot 2   scale\nresume\nfocus\nunfocus");
    const InputScript script = InputScript::Parse(text);
    EXPECT_EQ(script.GetSeed(), 42u);
    const std::vector<ScriptStep>& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].Count, 3);
    EXPECT_EQ(steps[0].Seconds, 0.25);
    EXPECT_EQ(steps[1].Type, ScriptStep::Pause);
    EXPECT_EQ(steps[2].Type, ScriptStep::Step);
    EXPECT_EQ(steps[3].Pulse, "shelf 1 slot 2 scale");
    EXPECT_EQ(steps[3].Parameter, PulseParameter::PhaseOffset);
    EXPECT_EQ(steps[3].Value, -0.5f);
    EXPECT_EQ(steps[4].Type, ScriptStep::Resume);
    // What a recording writes of an event reads back as that event.
    for (const gfx::Event& event :
         {KeyPressed(gfx::Keyboard::Comma), MouseReleased(gfx::Mouse::Middle, -3, 9),
          OfType(gfx::Event::LostFocus)})
    {
        const std::vector<ScriptStep> read = StepsOf(*InputScript::LineOf(event));
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(std::memcmp(&read[0].Events.front(), &event, sizeof event), 0)
            << *InputScript::LineOf(event);
    }
}
