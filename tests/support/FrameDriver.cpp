#include "support/FrameDriver.hpp"

#include "main/ForwardingState.hpp"
#include "main/FrameLoop.hpp"
#include "support/TestApp.hpp"

namespace testing_support
{
void RunFrames(TestApp& app, GameState& scene, int frames,
               const std::function<void(int frame)>& beforeFrame)
{
    // The loop cleans up its active state when it returns, so a stand-in is active instead and
    // the loop runs once per frame, ended by a close request behind the frame's input.
    ForwardingState standIn(scene);
    GameState* const previous = app.Manager().GetActiveState();
    app.Manager().RegisterState(&standIn);
    app.Manager().SetActiveState(standIn.GetID());
    for (int frame = 0; frame < frames; ++frame)
    {
        if (beforeFrame)
        {
            beforeFrame(frame);
        }
        app.Push(Closed());
        RunFrameLoop(app.GetApp());
    }
    if (previous)
    {
        app.Manager().SetActiveState(previous->GetID());
    }
}
} // namespace testing_support
