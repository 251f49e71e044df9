#include "main/FrameLoop.hpp"

#include "engine/GameStateManager.hpp"
#include "gfx/RenderWindow.hpp"
#include "stage/Stage.hpp"
#include "stage/SyntheticEvents.hpp"
#include "support/RecordingState.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace events;
using testing_support::RecordingState;

namespace
{
using Calls = std::vector<std::string>;

class FrameLoop : public ::testing::Test
{
protected:
    FrameLoop()
    {
        stage.OpenWindow(1024, 600, "SFML Window", 0);
        GameStateManager& manager = *stage.GetApp().mGameStateManager;
        manager.RegisterState(&state);
        manager.SetActiveState("recording");
    }

    void Push(const gfx::Event& event) { stage.GetWindow().PushEvent(event); }

    Stage stage;
    RecordingState state;
};
} // namespace

TEST_F(FrameLoop, CloseInTheMiddleNeverReachesTheStateAndTheFrameStillFinishes)
{
    Push(MouseMoved(1, 2));
    Push(Closed());
    Push(KeyPressed(gfx::Keyboard::A));
    Push(Closed());
    RunFrameLoop(stage.GetApp());

    EXPECT_EQ(state.Calls,
              (Calls{"EventHandling", "EventHandling", "Update", "Render", "Cleanup"}));
    ASSERT_EQ(state.Events.size(), 2u);
    EXPECT_EQ(state.Events[1].type, gfx::Event::KeyPressed);
}

TEST_F(FrameLoop, StateThatStopsItselfEndsTheLoopAfterTheFrameItStoppedIn)
{
    int updates = 0;
    state.OnUpdate = [&updates](RecordingState& self) { self.SetRunning(++updates < 2); };
    RunFrameLoop(stage.GetApp());
    EXPECT_EQ(state.Calls, (Calls{"Update", "Render", "Update", "Render", "Cleanup"}));

    // Stopped right after Initialize or while handling an event: one full frame all the same.
    const Calls oneFrame{"EventHandling", "Update", "Render", "Cleanup"};
    state.OnUpdate = nullptr;
    state.Calls.clear();
    state.SetRunning(false);
    Push(MouseMoved(5, 5));
    RunFrameLoop(stage.GetApp());
    EXPECT_EQ(state.Calls, oneFrame);

    state.Calls.clear();
    state.SetRunning(true);
    state.OnEvent = [](RecordingState& self, const gfx::Event&) { self.SetRunning(false); };
    Push(KeyPressed(gfx::Keyboard::Escape));
    RunFrameLoop(stage.GetApp());
    EXPECT_EQ(state.Calls, oneFrame);
}
