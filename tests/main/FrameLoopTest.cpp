#include "main/FrameLoop.hpp"

#include "support/RecordingState.hpp"
#include "support/TestApp.hpp"

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
    }

    TestApp app;
    RecordingState state;
};
} // namespace

TEST_F(FrameLoop, CloseInTheMiddleNeverReachesTheStateAndTheFrameStillFinishes)
{
    app.Push(MouseMoved(1, 2));
    app.Push(Closed());
    app.Push(KeyPressed(gfx::Keyboard::A));
    app.Push(Closed());
    EXPECT_EQ(RunFrameLoop(app.GetApp()), 0);

    EXPECT_EQ(state.Calls,
              (Calls{"EventHandling", "EventHandling", "Update", "Render", "Cleanup"}));
    ASSERT_EQ(state.Events.size(), 2u);
    EXPECT_EQ(state.Events[1].type, gfx::Event::KeyPressed);
}

TEST_F(FrameLoop, StateThatStopsItselfEndsTheLoopAfterTheFrameItStoppedIn)
{
    int updates = 0;
    state.OnUpdate = [&updates](RecordingState& self) { self.SetRunning(++updates < 2); };
    EXPECT_EQ(RunFrameLoop(app.GetApp()), 0);
    EXPECT_EQ(state.Calls, (Calls{"Update", "Render", "Update", "Render", "Cleanup"}));

    // Stopped right after Initialize or while handling an event: one full frame all the same.
    const Calls oneFrame{"EventHandling", "Update", "Render", "Cleanup"};
    state.OnUpdate = nullptr;
    state.Calls.clear();
    state.SetRunning(false);
    app.Push(MouseMoved(5, 5));
    EXPECT_EQ(RunFrameLoop(app.GetApp()), 0);
    EXPECT_EQ(state.Calls, oneFrame);

    state.Calls.clear();
    state.SetRunning(true);
    state.OnEvent = [](RecordingState& self, const gfx::Event&) { self.SetRunning(false); };
    app.Push(KeyPressed(gfx::Keyboard::Escape));
    EXPECT_EQ(RunFrameLoop(app.GetApp()), 0);
    EXPECT_EQ(state.Calls, oneFrame);
}
