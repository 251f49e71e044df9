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
        stage.GetApp().mGameStateManager->RegisterState(&state);
        stage.GetApp().mGameStateManager->SetActiveState("recording");
    }

    void Push(const gfx::Event& event) { stage.GetWindow().PushEvent(event); }

    Stage stage;
    RecordingState state;
};
} // namespace

TEST_F(FrameLoop, CloseInTheMiddleNeverReachesTheStateAndTheFrameStillFinishes)
{
    for (const gfx::Event& event :
         {MouseMoved(1, 2), Closed(), KeyPressed(gfx::Keyboard::A), Closed()})
    {
        Push(event);
    }
    RunFrameLoop(stage.GetApp());
    EXPECT_EQ(state.Calls,
              (Calls{"EventHandling", "EventHandling", "Update", "Render", "Cleanup"}));
    EXPECT_EQ(state.Events.back().type, gfx::Event::KeyPressed);
}

TEST_F(FrameLoop, StateThatStopsItselfEndsTheLoopAfterTheFrameItStoppedIn)
{
    int updates = 0;
    state.OnUpdate = [&updates](RecordingState& self) { self.SetRunning(++updates < 2); };
    RunFrameLoop(stage.GetApp());
    EXPECT_EQ(state.Calls, (Calls{"Update", "Render", "Update", "Render", "Cleanup"}));

    // Stopped before the loop or while handling an event: one full frame all the same.
    state.OnUpdate = nullptr;
    state.OnEvent = [](RecordingState& self, const gfx::Event&) { self.SetRunning(false); };
    for (const bool running : {false, true})
    {
        state.Calls.clear();
        state.SetRunning(running);
        Push(MouseMoved(5, 5));
        RunFrameLoop(stage.GetApp());
        EXPECT_EQ(state.Calls, (Calls{"EventHandling", "Update", "Render", "Cleanup"})) << running;
    }
}
