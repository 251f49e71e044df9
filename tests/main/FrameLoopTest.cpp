#include "main/FrameLoop.hpp"

#include "support/RecordingState.hpp"
#include "support/TestApp.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
using Calls = std::vector<std::string>;

class FrameLoop : public ::testing::Test
{
protected:
    FrameLoop()
    {
        app.Manager().RegisterState(&state);
        app.Manager().SetActiveState("recording");
        state.Initialize();
    }

    int Run() { return RunFrameLoop(app.GetApp()); }

    TestApp app;
    RecordingState state;
};
} // namespace

TEST_F(FrameLoop, CloseInTheMiddleStillHandsOnLaterEventsAndFinishesTheFrame)
{
    app.Push(MouseMoved(1, 2));
    app.Push(Closed());
    app.Push(KeyPressed(gfx::Keyboard::A));

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(state.Calls, (Calls{"Initialize", "EventHandling", "EventHandling", "Update",
                                  "Render", "Cleanup"}));
    ASSERT_EQ(state.Events.size(), 2u);
    EXPECT_EQ(state.Events[0].type, gfx::Event::MouseMoved);
    EXPECT_EQ(state.Events[1].type, gfx::Event::KeyPressed);
}

TEST_F(FrameLoop, StateNeverSeesTheCloseRequest)
{
    app.Push(Closed());
    app.Push(Closed());

    EXPECT_EQ(Run(), 0);

    EXPECT_TRUE(std::none_of(state.Events.begin(), state.Events.end(),
                             [](const gfx::Event& e) { return e.type == gfx::Event::Closed; }));
    EXPECT_EQ(std::count(state.Calls.begin(), state.Calls.end(), "Cleanup"), 1);
}

TEST_F(FrameLoop, StateStoppingItselfInEventHandlingEndsAfterTheRenderedFrame)
{
    state.OnEvent = [](RecordingState& self, const gfx::Event&) { self.SetRunning(false); };
    app.Push(KeyPressed(gfx::Keyboard::Escape));

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(state.Calls, (Calls{"Initialize", "EventHandling", "Update", "Render", "Cleanup"}));
}

TEST_F(FrameLoop, StateStoppingItselfInUpdateRunsFramesUntilThen)
{
    int updates = 0;
    state.OnUpdate = [&updates](RecordingState& self)
    {
        if (++updates == 3)
        {
            self.SetRunning(false);
        }
    };

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(state.Calls, (Calls{"Initialize", "Update", "Render", "Update", "Render", "Update",
                                  "Render", "Cleanup"}));
}

TEST_F(FrameLoop, StateNotRunningAfterInitializeStillGetsOneFullFrame)
{
    state.SetRunning(false);
    app.Push(MouseMoved(5, 5));

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(state.Calls, (Calls{"Initialize", "EventHandling", "Update", "Render", "Cleanup"}));
}

TEST_F(FrameLoop, SwitchDuringAFrameTakesEffectNextFrameAndOnlyTheLastStateIsCleanedUp)
{
    RecordingState next("next");
    app.Manager().RegisterState(&next);
    state.OnUpdate = [this](RecordingState&) { app.Manager().SetActiveState("next"); };
    next.OnUpdate = [this](RecordingState&) { app.Push(Closed()); };

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(state.Calls, (Calls{"Initialize", "Update", "Render"}));
    EXPECT_EQ(next.Calls, (Calls{"Update", "Render", "Update", "Render", "Cleanup"}))
        << "the close request queued in a frame's Update is seen by the next frame";
}
