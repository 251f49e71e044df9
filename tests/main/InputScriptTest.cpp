#include "main/InputScript.hpp"

#include "main/UsageError.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace
{
InputScript Parse(const std::string& text)
{
    std::istringstream stream(text);
    return InputScript::Parse(stream, "drag.txt");
}

std::string ProblemWith(const std::string& text)
{
    try
    {
        Parse(text);
    }
    catch (const UsageError& error)
    {
        return error.what();
    }
    return "";
}

const gfx::Event& OnlyEvent(const ScriptStep& step)
{
    EXPECT_EQ(step.Type, ScriptStep::Input);
    EXPECT_EQ(step.Events.size(), 1u);
    return step.Events.front();
}
} // namespace

TEST(InputScript, MouseStepsBecomeTheEventsTheWindowWouldDeliver)
{
    const InputScript script = Parse("move 10 -20\n"
                                     "press left 1 2\n"
                                     "release right 3 4\n"
                                     "press middle 5 6\n"
                                     "enter\n"
                                     "leave\n");
    const auto& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 6u);

    const gfx::Event& move = OnlyEvent(steps[0]);
    EXPECT_EQ(move.type, gfx::Event::MouseMoved);
    EXPECT_EQ(move.mouseMove.x, 10);
    EXPECT_EQ(move.mouseMove.y, -20) << "a drag may leave the window";

    const gfx::Event& press = OnlyEvent(steps[1]);
    EXPECT_EQ(press.type, gfx::Event::MouseButtonPressed);
    EXPECT_EQ(press.mouseButton.button, gfx::Mouse::Left);
    EXPECT_EQ(press.mouseButton.x, 1);
    EXPECT_EQ(press.mouseButton.y, 2);

    const gfx::Event& release = OnlyEvent(steps[2]);
    EXPECT_EQ(release.type, gfx::Event::MouseButtonReleased);
    EXPECT_EQ(release.mouseButton.button, gfx::Mouse::Right);
    EXPECT_EQ(OnlyEvent(steps[3]).mouseButton.button, gfx::Mouse::Middle);
    EXPECT_EQ(OnlyEvent(steps[4]).type, gfx::Event::MouseEntered);
    EXPECT_EQ(OnlyEvent(steps[5]).type, gfx::Event::MouseLeft);
}

TEST(InputScript, AWheelStepArrivesInBothFormsAsUnderX)
{
    const InputScript script = Parse("wheel -2 30 40");
    const auto& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 1u);
    ASSERT_EQ(steps[0].Events.size(), 2u);
    const gfx::Event& moved = steps[0].Events[0];
    EXPECT_EQ(moved.type, gfx::Event::MouseWheelMoved);
    EXPECT_EQ(moved.mouseWheel.delta, -2);
    EXPECT_EQ(moved.mouseWheel.x, 30);
    EXPECT_EQ(moved.mouseWheel.y, 40);
    const gfx::Event& scrolled = steps[0].Events[1];
    EXPECT_EQ(scrolled.type, gfx::Event::MouseWheelScrolled);
    EXPECT_EQ(scrolled.mouseWheelScroll.wheel, gfx::Mouse::VerticalWheel);
    EXPECT_FLOAT_EQ(scrolled.mouseWheelScroll.delta, -2.0f);
    EXPECT_EQ(scrolled.mouseWheelScroll.x, 30);
}

TEST(InputScript, KeysGoDownAndUpByNameInAnyCase)
{
    const InputScript script =
        Parse("key PageUp\nkeydown left\nkeyup ESCAPE\nkey q\nkey 7\nkey F12");
    const auto& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 6u);
    ASSERT_EQ(steps[0].Events.size(), 2u);
    EXPECT_EQ(steps[0].Events[0].type, gfx::Event::KeyPressed);
    EXPECT_EQ(steps[0].Events[1].type, gfx::Event::KeyReleased);
    EXPECT_EQ(steps[0].Events[0].key.code, gfx::Keyboard::PageUp);
    EXPECT_EQ(steps[0].Events[1].key.code, gfx::Keyboard::PageUp);
    EXPECT_EQ(OnlyEvent(steps[1]).type, gfx::Event::KeyPressed);
    EXPECT_EQ(OnlyEvent(steps[1]).key.code, gfx::Keyboard::Left);
    EXPECT_EQ(OnlyEvent(steps[2]).type, gfx::Event::KeyReleased);
    EXPECT_EQ(OnlyEvent(steps[2]).key.code, gfx::Keyboard::Escape);
    EXPECT_EQ(steps[3].Events[0].key.code, gfx::Keyboard::Q);
    EXPECT_EQ(steps[4].Events[0].key.code, gfx::Keyboard::Num7);
    EXPECT_EQ(steps[5].Events[0].key.code, gfx::Keyboard::F12);
}

TEST(InputScript, FramesAndResizeStepsAndTheLinesTheyCameFrom)
{
    const InputScript script = Parse("# a drag\n"
                                     "\n"
                                     "   frames 12   # then wait\n"
                                     "resize 800 700\n");
    const auto& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].Type, ScriptStep::Frames);
    EXPECT_EQ(steps[0].Count, 12);
    EXPECT_EQ(steps[0].Line, 3);
    EXPECT_EQ(steps[1].Type, ScriptStep::Resize);
    EXPECT_EQ(steps[1].Width, 800u);
    EXPECT_EQ(steps[1].Height, 700u);
    EXPECT_EQ(steps[1].Line, 4);
    EXPECT_TRUE(Parse("").GetSteps().empty());
    EXPECT_TRUE(Parse("# only a comment").GetSteps().empty());
}

TEST(InputScript, AMalformedLineIsReportedWithItsNumber)
{
    const struct
    {
        const char* text;
        const char* message;
    } cases[] = {
        {"frames 1\n# fine\njump 3", "drag.txt line 3: unknown step \"jump\""},
        {"move 1", "drag.txt line 1: \"move\" takes 2 arguments: X Y"},
        {"move 1 2 3", "drag.txt line 1: \"move\" takes 2 arguments"},
        {"move a 2", "drag.txt line 1: X must be a whole number, not \"a\""},
        {"move 1.5 2", "drag.txt line 1: X must be a whole number, not \"1.5\""},
        {"move 1 99999999999", "drag.txt line 1: Y must be from"},
        {"\npress up 1 2", "drag.txt line 2: unknown button \"up\""},
        {"release left 1", "drag.txt line 1: \"release\" takes 3 arguments"},
        {"wheel 0 1 2", "drag.txt line 1: DELTA must not be 0"},
        {"key Hyperspace", "drag.txt line 1: unknown key \"Hyperspace\" (the keys are Left"},
        {"keydown", "drag.txt line 1: \"keydown\" takes 1 argument: NAME"},
        {"enter now", "drag.txt line 1: \"enter\" takes 0 arguments"},
        {"resize 0 600", "drag.txt line 1: W must be from 1 to 8192, not 0"},
        {"resize 800 9000", "drag.txt line 1: H must be from 1 to 8192"},
        {"frames 0", "drag.txt line 1: N must be from 1"},
        {"Frames 2", "drag.txt line 1: unknown step \"Frames\""},
    };
    for (const auto& c : cases)
    {
        const std::string problem = ProblemWith(c.text);
        EXPECT_EQ(problem.rfind(c.message, 0), 0u)
            << "got \"" << problem << "\", expected it to start with \"" << c.message << "\"";
    }
}

TEST(InputScript, AFileThatCannotBeReadIsAUsageError)
{
    EXPECT_THROW(InputScript::Load("no/such/script.txt"), UsageError);
}
