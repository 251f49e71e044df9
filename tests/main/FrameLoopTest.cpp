#include "main/FrameLoop.hpp"

#include "gfx/RenderWindow.hpp"
#include "main/Application.hpp"
#include "main/DataFolder.hpp"
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

// The program's application running a state that notes what the frames do to it, in a window
// that hears only the events a test pushes.
class FrameLoop : public ::testing::Test
{
protected:
    FrameLoop()
    {
        application.OpenWindow(320, 200, "SFML Window", 0).KeepOutSystemEvents();
        app.mGameStateManager->RegisterState(&state);
        app.mGameStateManager->SetActiveState("recording");
    }

    void Push(const gfx::Event& event) { application.GetWindow().PushEvent(event); }

    Application application{DataFolder::OfThisProgram()};
    App& app = application.GetApp();
    RecordingState state;
};
} // namespace

TEST_F(FrameLoop, AFrameHandsOnEveryEventButACloseThenUpdatesRendersAndLetsTheOverlayDraw)
{
    for (const gfx::Event& event :
         {MouseMoved(1, 2), Closed(), KeyPressed(gfx::Keyboard::A), Closed()})
    {
        Push(event);
    }
    const Frame frame =
        RunFrame(app, [&](gfx::RenderWindow&) { state.Calls.push_back("Overlay"); });
    EXPECT_EQ(state.Calls,
              (Calls{"EventHandling", "EventHandling", "Update", "Render", "Overlay"}));
    EXPECT_EQ(state.Events.back().type, gfx::Event::KeyPressed);
    EXPECT_EQ(frame.Active, &state);
    EXPECT_FALSE(frame.GoesOn()) << "the close request ends the loop after this frame";
}

TEST_F(FrameLoop, TheLoopEndsAfterTheFrameTheStateStoppedInAndCleansItUpOnce)
{
    int updates = 0;
    state.OnUpdate = [&updates](RecordingState& self) { self.SetRunning(++updates < 2); };
    EXPECT_EQ(RunFrameLoop(app), 0);
    EXPECT_EQ(state.Calls, (Calls{"Update", "Render", "Update", "Render", "Cleanup"}));

    // Stopped before the loop or while handling an event: one full frame all the same.
    state.OnUpdate = nullptr;
    state.OnEvent = [](RecordingState& self, const gfx::Event&) { self.SetRunning(false); };
    for (const bool running : {false, true})
    {
        state.Calls.clear();
        state.SetRunning(running);
        Push(MouseMoved(5, 5));
        RunFrameLoop(app);
        EXPECT_EQ(state.Calls, (Calls{"EventHandling", "Update", "Render", "Cleanup"})) << running;
    }
}
